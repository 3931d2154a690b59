// The literals panel follows its page: edits move the check marks with their
// literals and schedule a rescan; the literals are found on a worker.
#include "app/LiteralsPanel.h"

#include "platform/core/Exception.h"
#include "scan/ProjectKeywords.h"

#include "platform/gui/EditorModel.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <chrono>

void LiteralsPanel::noteChange(QPlainTextEdit *editor, int position, int /*removed*/, int added)
{
    const int p = pageOf(editor);
    if (p < 0)
        return;
    Watched &w = m_watched[size_t(p)];
    const EditorModel &m = EditorModel::of(editor);
    const int length = m.length();
    const int delta = length - w.length;
    w.length = length;
    if (!w.checks.empty()) {
        const int start = m.fromDocPos(position);
        const int addedChars = m.fromDocPos(position + added) - start;
        const int removedEnd = start + addedChars - delta;
        std::map<int, bool> shifted;
        for (const auto &[at, on] : w.checks) {
            if (at < start)
                shifted.emplace(at, on);
            else if (at >= removedEnd)
                shifted.emplace(at + delta, on);
        }
        w.checks = std::move(shifted);
    }
    if (editor == m_editor)
        schedule();
}

int LiteralsPanel::rescanDelayMs() const
{
    // Twice what the last rescan held the window's thread (reading the text,
    // replacing the rows): while the user types faster than that the timer
    // keeps restarting, and a rescan starts only in a pause.
    return int(std::clamp<qint64>(2 * m_lastBlockingMs, 20, 2000));
}

void LiteralsPanel::schedule()
{
    m_dirty = true;
    if (isVisible())
        m_timer->start(rescanDelayMs());
}

void LiteralsPanel::refresh()
{
    if (m_dirty)
        rescan();
}

void LiteralsPanel::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    refresh();
}

std::shared_ptr<const UseRules> LiteralsPanel::rules() const
{
    if (m_unitFolder)
        try {
            return std::make_shared<const UseRules>(readProjectSettings(m_unitFolder(), Language::English).rules);
        } catch (const Exception &) {
            // a bad project file is told by the command line; the panel keeps the built-in table
        }
    return std::make_shared<const UseRules>(UseRules::standard());
}

void LiteralsPanel::rescan()
{
    dropBackgroundRescan();
    m_timer->stop();
    QElapsedTimer clock;
    clock.start();
    std::vector<Batch::Literal> literals;
    if (m_editor && m_kind != SourcePage::Header)
        literals = Batch::findLiterals(EditorModel::of(m_editor).text(), m_kind, *rules());
    const int p = pageOf(m_editor);
    replaceRows(std::move(literals), p);
    m_dirty = false;
    m_lastCostMs = m_lastBlockingMs = clock.elapsed();
}

// The current row keeps its place in the table (after an extract, the row
// that followed it), without moving the editor's selection.
void LiteralsPanel::replaceRows(std::vector<Batch::Literal> literals, int page)
{
    const int row = m_table->currentIndex().row();
    const int column = std::max(0, m_table->currentIndex().column());
    m_model->setLiterals(std::move(literals), page >= 0 ? &m_watched[size_t(page)].checks : nullptr);
    if (row >= 0 && m_proxy->rowCount() > 0) {
        const QScopedValueRollback guard(m_restoringCurrent, true);
        m_table->setCurrentIndex(m_proxy->index(std::min(row, m_proxy->rowCount() - 1), column));
    }
}

void LiteralsPanel::startBackgroundRescan()
{
    if (m_pending.valid() || !m_editor || m_kind == SourcePage::Header) {
        if (!m_pending.valid())
            rescan(); // nothing to find
        return;
    }
    QElapsedTimer clock;
    clock.start();
    m_pendingEditor = m_editor;
    m_pendingRevision = m_editor->document()->revision();
    const QString text = EditorModel::of(m_editor).text();
    m_pendingReadMs = clock.elapsed();
    m_pending = std::async(std::launch::async, [text, kind = m_kind, rules = rules()] {
        QElapsedTimer t;
        t.start();
        Scan s{Batch::findLiterals(text, kind, *rules), 0};
        s.ms = t.elapsed();
        return s;
    });
    m_poll->start();
}

void LiteralsPanel::collectBackgroundRescan()
{
    if (!m_pending.valid()) {
        m_poll->stop();
        return;
    }
    if (m_pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    m_poll->stop();
    Scan scan = m_pending.get();
    // Rows of a text the page no longer holds would point at the wrong places.
    if (m_editor != m_pendingEditor || m_editor->document()->revision() != m_pendingRevision) {
        schedule();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    const int p = pageOf(m_editor);
    replaceRows(std::move(scan.literals), p);
    m_dirty = false;
    m_lastBlockingMs = m_pendingReadMs + clock.elapsed();
    m_lastCostMs = m_pendingReadMs + scan.ms;
}

void LiteralsPanel::dropBackgroundRescan()
{
    m_poll->stop();
    if (m_pending.valid())
        m_pending.get();
}
