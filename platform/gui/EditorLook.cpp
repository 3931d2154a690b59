#include "EditorLook.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

void applyEditorLook(QPlainTextEdit *editor)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setFamilies({QStringLiteral("Courier New"), f.family()});
    f.setPixelSize(13);
    editor->setFont(f);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}
