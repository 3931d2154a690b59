#pragma once
// One editor page's session: its document, the extraction list kept for it
// while another page is shown, the resource counter, the tracked and
// last-edit positions. The page counts as saved exactly while its document
// is not modified: every change of the document marks it, a load or a save
// clears the mark.
#include "RowCol.h"

#include <QString>
#include <QTextDocument>

class PageSession
{
public:
    void attach(QTextDocument *document) { m_document = document; }
    QTextDocument *document() const { return m_document; }

    bool isSaved() const { return !m_document || !m_document->isModified(); }
    // Marking a page that is marked already changes nothing: the document
    // keeps the undo step of its last save, and undo back to it clears the
    // mark (redo sets it again). Mark after an edit, not before it: a mark
    // on an unmarked page loses the way back.
    void setSaved(bool saved)
    {
        if (m_document->isModified() == saved)
            m_document->setModified(!saved);
    }
    // After the page's file was written: saved, and entries of the list not
    // written out yet now exist nowhere else.
    void noteSaved()
    {
        setSaved(true);
        if (listUnwritten)
            listOnlyCopy = true;
    }
    // After the list was written out (saved, copied, added to the source).
    void noteListWritten() { listUnwritten = listOnlyCopy = false; }
    // A freshly loaded page: list, counter and positions start afresh.
    void reset()
    {
        listSlot.clear();
        resNumber = 0;
        tracked = lastEdit = RowCol{};
        noteListWritten();
    }

    QString listSlot;
    int resNumber = 0;
    RowCol tracked;
    RowCol lastEdit;
    bool listUnwritten = false; // entries added since the list was last written out
    bool listOnlyCopy = false;  // ... and the page was saved since: the texts live only in the list

private:
    QTextDocument *m_document = nullptr;
};
