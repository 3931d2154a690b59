#pragma once
// The look every text editor of the tool shares: the fixed-width font, no
// line wrap, both scroll bars always shown.
class QPlainTextEdit;

void applyEditorLook(QPlainTextEdit *editor);
