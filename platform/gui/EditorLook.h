#pragma once
// The look every text editor of the tool shares: the fixed-width font, no
// line wrap, both scroll bars always shown. The editor gets a fresh document
// whose layout remembers the size of very long (wrapped) lines, so install
// the look before anything holds on to the editor's document.
class QPlainTextEdit;
class QTextDocument;

void applyEditorLook(QPlainTextEdit *editor);

// Gives doc the layout of the editors' documents, drawing on editor.
void installEditorLayout(QTextDocument *doc, QPlainTextEdit *editor);
