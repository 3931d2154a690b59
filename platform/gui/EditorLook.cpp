#include "platform/gui/EditorLook.h"

#include <QFontDatabase>
#include <QHash>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// The toolkit asks for a block's size many times per caret move and measures
// it over all the block's rows each time: on a wrapped line of megabytes that
// is a hundred thousand rows per question. The size is kept until the text
// changes or the block is laid out anew.
class RowCachingLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    QRectF blockBoundingRect(const QTextBlock &block) const override
    {
        const QTextLayout *tl = block.isValid() ? block.layout() : nullptr;
        if (!tl || tl->lineCount() < kManyRows)
            return QPlainTextDocumentLayout::blockBoundingRect(block);
        const Key key = keyOf(block);
        const auto it = m_sizes.constFind(tl);
        if (it != m_sizes.constEnd() && it->key == key)
            return it->rect;
        const QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
        m_sizes.insert(tl, Entry{keyOf(block), rect});
        return rect;
    }

protected:
    void documentChanged(int from, int removed, int added) override
    {
        m_sizes.clear();
        QPlainTextDocumentLayout::documentChanged(from, removed, added);
        m_sizes.clear();
    }

private:
    static constexpr int kManyRows = 64;

    // What a new layout of the block changes: rows, their width, the end.
    struct Key
    {
        int rows = 0;
        int lastEnd = 0;
        qreal rowWidth = 0;
        qreal lastY = 0;
        bool visible = false;
        bool isLast = false;
        bool operator==(const Key &) const = default;
    };
    struct Entry
    {
        Key key;
        QRectF rect;
    };

    static Key keyOf(const QTextBlock &block)
    {
        const QTextLayout *tl = block.layout();
        const int rows = tl->lineCount();
        if (rows == 0)
            return Key{};
        const QTextLine last = tl->lineAt(rows - 1);
        return Key{rows,           last.textStart() + last.textLength(), tl->lineAt(0).width(), last.y(),
                   block.isVisible(), !block.next().isValid()};
    }

    mutable QHash<const QTextLayout *, Entry> m_sizes;
};

} // namespace

void installEditorLayout(QTextDocument *doc, QPlainTextEdit *editor)
{
    doc->setDocumentLayout(new RowCachingLayout(doc));
    doc->documentLayout()->setPaintDevice(editor->viewport());
}

void applyEditorLook(QPlainTextEdit *editor)
{
    auto *doc = new QTextDocument(editor);
    installEditorLayout(doc, editor);
    editor->setDocument(doc);

    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setFamilies({QStringLiteral("Courier New"), f.family()});
    f.setPixelSize(13);
    editor->setFont(f);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}
