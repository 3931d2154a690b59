// The number button and Extract / Extract C.
#include "app/MainWindow.h"

#include "platform/gui/EditorModel.h"
#include "platform/core/Exception.h"
#include "extract/Extract.h"
#include "extract/ExtractStep.h"
#include "extract/ExtractionList.h"
#include "scan/LiteralHints.h"
#include "platform/core/MessagePump.h"
#include "workspace/PageUndo.h"
#include "uitext/GuardTexts.h"
#include "uitext/UiLanguage.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include <algorithm>

namespace {
// Adds entry as the list's last line, without rewriting the list.
void appendListLine(EditorModel &list, const QString &entry)
{
    list.appendOnNewLine(entry + QStringLiteral("\r\n"));
}

// Marks the page when the command ends, also when it changed no text (the
// form description, a cancel). Declared before the edit step, so that the
// mark comes after the step: a page marked before its edit could not find
// its saved state again by undo.
struct MarkWhenDone
{
    PageSession &session;
    bool unchanged = false; // a refused step leaves the page as saved as it was
    ~MarkWhenDone()
    {
        if (!unchanged)
            session.setSaved(false);
    }
};

QString lastListLine(const EditorModel &list)
{
    const int n = list.lineCount();
    return n > 0 ? list.line(n - 1) : QString();
}
} // namespace

void MainWindow::editCounter()
{
    const int p = activePage();
    const QString current = QString::number(m_counter[p]);
    const QString answer = Dialogs::instance().input(this, msg(15), msg(16), current).value_or(current);
    if (const std::optional<int> value = ExtractionList::parseInt32(answer)) {
        m_counter[p] = *value;
        m_counterButton->setText(answer);
    }
}

void MainWindow::extractSelection(bool extractC)
{
    const int p = activePage();
    EditorModel &list = EditorModel::of(m_listEditor);
    const QString found = EditorModel::of(m_foundText).text();

    if (p == DfmPage) {
        EditorModel &dfm = pageModel(DfmPage);
        if (dfm.selLength() == 0)
            return;
        const MarkWhenDone mark{session(DfmPage)};
        PageEditStep edit(m_formEditor->document(), m_workspace, DfmPage, pageState(DfmPage));
        m_tracked[DfmPage] = m_lastEdit[DfmPage] = dfm.selectionRowCol();

        MessagePump pump;
        const auto step = [&pump] { pump.step(); };
        const int selLine = dfm.lineFromChar(dfm.selStart());
        Extract::OwnerSearch owners([&dfm](int k) { return dfm.line(k); }, step);
        const QString entry = Extract::dfmEntry(m_rootEdit->text(), owners.ownerOf(selLine), dfm.line(selLine), found, step);
        if (!Extract::repeatsLastEntry(lastListLine(list), entry))
            appendListLine(list, entry);
        edit.commit(pageState(p));
    } else if (p == CppPage) {
        EditorModel &cpp = pageModel(CppPage);
        if (cpp.selLength() == 0)
            return;
        // What the code holds in a comment, a character literal or a
        // preprocessor line is no text of the program: nothing changes.
        if (const LiteralHints why = notLiteralReasons(cpp.text(), cpp.selStart(), cpp.selLength())) {
            ask(guardText(GuardText::NotALiteral, m_language->language()).arg(hintNames(why).join(QStringLiteral(", "))),
                Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
            return;
        }
        // One undo step: the text edit with the list and the counter.
        MarkWhenDone mark{session(CppPage)};
        PageEditStep edit(m_cppEditor->document(), m_workspace, CppPage, pageState(CppPage));
        m_tracked[CppPage] = m_lastEdit[CppPage] = cpp.selectionRowCol();

        Extract::CppInput in{m_counter[CppPage], found, stringMode(), extractC, m_rootEdit->text(), std::nullopt};
        if (m_promptEqualAction->isChecked())
            in.equalName = ExtractionList::findEqualValue(list.text(), found);
        const auto askEqual = [this](const QString &equalName, int counter) {
            // The number the new entry would take shows while the user decides.
            m_counter[CppPage] = counter;
            showCounter();
            switch (ask(equalName + msg(14), Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel)) {
            case Dialogs::Button::Yes:
                return Extract::EqualChoice::Reuse;
            case Dialogs::Button::No:
                return Extract::EqualChoice::NewEntry;
            default: // Cancel, or the box closed
                return Extract::EqualChoice::Cancel;
            }
        };
        const Extract::CppStep step = Extract::extractCpp(in, askEqual);
        // String table identifiers are 16 bits: a new entry past them is refused.
        const bool tooHigh = !step.cancelled && !step.reused && !ExtractionList::hasStringIdentifier(step.counter);
        m_counter[CppPage] = tooHigh ? in.counter : step.counter;
        showCounter();
        mark.unchanged = tooHigh;
        if (tooHigh)
            ask(guardText(GuardText::IdAboveLimit, m_language->language())
                    .arg(ExtractionList::stringIdentifier(step.counter))
                    .arg(ExtractionList::kLargestStringIdentifier),
                Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        if (step.cancelled || tooHigh)
            return;
        if (!step.reused) {
            appendListLine(list, step.entry);
            noteNewName(step.name);
        }
        // An encoding prefix in front of the quote goes with the literal.
        const int quote = cpp.selStart();
        QString before;
        for (int i = std::max(0, quote - 3); i < quote; ++i)
            before.append(cpp.charAt(i));
        const int start = quote - encodingPrefixLength(before);
        const int length = cpp.replace(start, quote - start + cpp.selLength(), step.replacement);
        edit.commit(pageState(p));
        cpp.setSelection(start, length);
    }

    if (m_findNextOnExtractAction->isChecked())
        run(Command::FindNext);
}
