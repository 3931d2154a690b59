#pragma once
// One editor page's session: its document, its extraction list (a document of
// its own, which the list editor shows while the page is shown), the
// resource counter, the tracked and last-edit positions. The page counts as
// saved exactly while its document is not modified: every change of the
// document marks it, a load or a save clears the mark.
#include "platform/core/RowCol.h"

#include <QString>
#include <QTextDocument>

#include <memory>

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

    // The page's extraction list (made on first use).
    QTextDocument *list() const
    {
        if (!m_list)
            m_list = std::make_unique<QTextDocument>();
        return m_list.get();
    }
    // Takes doc as the list; returns the one it replaces, for the caller to
    // let go once no view shows it. The new list counts as not written out.
    std::unique_ptr<QTextDocument> replaceList(std::unique_ptr<QTextDocument> doc)
    {
        list();
        std::swap(doc, m_list);
        m_list->setModified(true);
        return doc;
    }
    // Entries added or edited since the list was last written out: every
    // change of the list's document marks it.
    bool isListUnwritten() const { return m_list && m_list->isModified(); }

    // After the page's file was written: saved, and entries of the list not
    // written out yet now exist nowhere else.
    void noteSaved()
    {
        setSaved(true);
        if (isListUnwritten())
            listOnlyCopy = true;
    }
    // After the list was written out (saved, copied, added to the source).
    void noteListWritten()
    {
        listOnlyCopy = false;
        if (m_list)
            m_list->setModified(false);
    }
    // A freshly loaded page: list, counter and positions start afresh.
    void reset()
    {
        if (m_list) {
            m_list->clear();
            m_list->clearUndoRedoStacks();
        }
        resNumber = 0;
        tracked = lastEdit = RowCol{};
        noteListWritten();
    }

    int resNumber = 0;
    RowCol tracked;
    RowCol lastEdit;
    bool listOnlyCopy = false; // the page was saved with the list unwritten: the texts live only in the list

private:
    QTextDocument *m_document = nullptr;
    mutable std::unique_ptr<QTextDocument> m_list;
};
