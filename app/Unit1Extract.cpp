// The number button and Extract / Extract C.
#include "Unit1.h"

#include "EditorModel.h"
#include "Exception.h"
#include "Extract.h"
#include "ExtractionList.h"
#include "FormDescription.h"
#include "MessagePump.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include <limits>

namespace {
// Adds entry as the list's last line, without rewriting the list.
void appendListLine(EditorModel &list, const QString &entry)
{
    list.appendOnNewLine(entry + QStringLiteral("\r\n"));
}

QString lastListLine(const EditorModel &list)
{
    const int n = list.lineCount();
    return n > 0 ? list.line(n - 1) : QString();
}
} // namespace

void TForm1::SpeedButton7Click()
{
    const int p = activePage();
    const QString current = QString::number(ResNumber[p]);
    const QString answer = Dialogs::instance().input(this, Msg(15), Msg(16), current).value_or(current);
    if (const std::optional<int> value = ExtractionList::parseInt32(answer)) {
        ResNumber[p] = *value;
        SpeedButton7->setText(answer);
    }
}

void TForm1::SpeedButton5Click(QObject *Sender)
{
    if (BaseName.isEmpty())
        return;
    const bool extractC = Sender && Extract::isExtractC(Sender->objectName());
    const int p = activePage();
    EditorModel &list = EditorModel::of(Memo1);
    const QString found = EditorModel::of(Edit1).text();

    if (p == DfmPage) {
        EditorModel &dfm = pageModel(DfmPage);
        if (dfm.selLength() == 0)
            return;
        // Marked even where no text changes (the form description, a cancel).
        session(DfmPage).setSaved(false);
        Tracked[DfmPage] = LastEdit[DfmPage] = dfm.selectionRowCol();

        MessagePump pump;
        const int selLine = dfm.lineFromChar(dfm.selStart());
        QStringList parts;
        // The owning object is the nearest line at or above the selection
        // that names one; line 0 is the root object itself.
        for (int k = selLine; k > 0; --k) {
            pump.step();
            const QString object = ObjectNameOfLine(k);
            if (!object.isEmpty()) {
                parts << object;
                break;
            }
        }
        parts << FormDescription::propertyParts(dfm.line(selLine), [&pump] { pump.step(); });
        const QString entry =
            FormDescription::propertyEntry(FormDescription::propertyPath(Edit3->text(), parts), found);
        if (lastListLine(list) != entry)
            appendListLine(list, entry);
    } else if (p == CppPage) {
        EditorModel &cpp = pageModel(CppPage);
        if (cpp.selLength() == 0)
            return;
        // Marked even where no text changes (the form description, a cancel).
        session(CppPage).setSaved(false);
        Tracked[CppPage] = LastEdit[CppPage] = cpp.selectionRowCol();

        if (ResNumber[CppPage] == std::numeric_limits<int>::max())
            throw Exception(QStringLiteral("The resource number %1 cannot be increased").arg(ResNumber[CppPage]));
        ++ResNumber[CppPage];
        showResNumber();
        QString name = ExtractionList::stringName(ResNumber[CppPage]);
        bool reused = false;

        if (PromtEqualStrings2->isChecked()) {
            if (const std::optional<QString> equal = ExtractionList::findEqualValue(list.text(), found)) {
                switch (Ask(*equal + Msg(14), Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel)) {
                case Dialogs::Button::Yes:
                    name = *equal;
                    reused = true;
                    --ResNumber[CppPage];
                    showResNumber();
                    break;
                case Dialogs::Button::No:
                    break;
                default: // Cancel, or the box closed
                    --ResNumber[CppPage];
                    showResNumber();
                    return;
                }
            }
        }

        const StringMode mode = stringMode();
        const QString replacement = Extract::replacement(name, mode, extractC, Edit3->text());
        if (!reused)
            appendListLine(list, ExtractionList::valueEntry(name, found, mode));
        const int start = cpp.selStart();
        const int length = cpp.replace(start, cpp.selLength(), replacement);
        cpp.setSelection(start, length);
    }

    if (OnExtractFindNext2->isChecked())
        SpeedButton4Click();
}
