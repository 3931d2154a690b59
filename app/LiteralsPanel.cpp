#include "LiteralsPanel.h"

#include "EditorModel.h"
#include "PanelTexts.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

// ---------------------------------------------------------------------------
// LiteralsModel

bool LiteralsModel::checkedByDefault(const Batch::Literal &l)
{
    return isUnmarkedUserText(l.hints);
}

void LiteralsModel::setLiterals(std::vector<Batch::Literal> literals, const std::map<int, bool> *checks)
{
    beginResetModel();
    m_literals = std::move(literals);
    m_checked.assign(m_literals.size(), false);
    for (size_t i = 0; i < m_literals.size(); ++i) {
        const Batch::Literal &l = m_literals[i];
        const auto it = checks ? checks->find(l.start) : std::map<int, bool>::const_iterator();
        m_checked[i] = checks && it != checks->end() ? it->second : checkedByDefault(l);
    }
    endResetModel();
}

void LiteralsModel::setLanguage(Language lang)
{
    m_lang = lang;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_literals.empty())
        emit dataChanged(index(0, VerdictColumn), index(rowCount() - 1, VerdictColumn));
}

int LiteralsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_literals.size());
}

int LiteralsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LiteralsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Batch::Literal &l = m_literals[size_t(index.row())];
    const bool userText = verdictOf(l.hints) == LiteralVerdict::UserText;
    if (role == Qt::CheckStateRole && index.column() == RowColumn)
        return int(m_checked[size_t(index.row())] ? Qt::Checked : Qt::Unchecked);
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case RowColumn: return l.pos.row;
        case ColColumn: return l.pos.col;
        case TextColumn: return l.text;
        case HintsColumn: return hintNames(l.hints).join(QStringLiteral(", "));
        case VerdictColumn: return panelText(userText ? PanelText::UserText : PanelText::ProbablyNot, m_lang);
        }
    }
    if (role == Qt::ToolTipRole && index.column() == VerdictColumn) {
        const QStringList reasons = hintNames(l.hints);
        return reasons.isEmpty() ? panelText(PanelText::NoReasons, m_lang) : reasons.join(u'\n');
    }
    return {};
}

QVariant LiteralsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static constexpr PanelText headers[] = {PanelText::ColumnRow, PanelText::ColumnColumn, PanelText::ColumnText,
                                            PanelText::ColumnHints, PanelText::ColumnVerdict};
    return section >= 0 && section < ColumnCount ? panelText(headers[section], m_lang) : QVariant();
}

Qt::ItemFlags LiteralsModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == RowColumn)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool LiteralsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != RowColumn || index.row() >= rowCount())
        return false;
    const bool on = value.toInt() == int(Qt::Checked);
    m_checked[size_t(index.row())] = on;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit checkChanged(m_literals[size_t(index.row())].start, on);
    return true;
}

// ---------------------------------------------------------------------------
// LiteralsPanel

LiteralsPanel::LiteralsPanel(QWidget *parent) : QDockWidget(parent)
{
    setObjectName(QStringLiteral("LiteralsPanel"));
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    m_filter = new QLineEdit(body);
    m_filter->setObjectName(QStringLiteral("LiteralsFilter"));
    m_filter->setClearButtonEnabled(true);
    layout->addWidget(m_filter);

    m_model = new LiteralsModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(LiteralsModel::TextColumn);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_table = new QTableView(body);
    m_table->setObjectName(QStringLiteral("LiteralsTable"));
    m_table->setModel(m_proxy);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    // Fixed row heights keep a table of a quarter million rows quick.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_keep = new QAction(this);
    m_keep->setObjectName(QStringLiteral("PanelKeepMarker1"));
    m_table->addAction(m_keep);
    layout->addWidget(m_table, 1);

    auto *row = new QHBoxLayout;
    m_mode = new QComboBox(body);
    m_mode->setObjectName(QStringLiteral("ExtractCheckedMode"));
    m_mode->addItems({QString(), QString()});
    m_extract = new QToolButton(body);
    m_extract->setObjectName(QStringLiteral("ExtractCheckedButton"));
    row->addWidget(m_mode);
    row->addWidget(m_extract, 1);
    layout->addLayout(row);
    setWidget(body);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("LiteralsRescanTimer"));
    m_timer->setSingleShot(true);

    m_poll = new QTimer(this);
    m_poll->setObjectName(QStringLiteral("LiteralsRescanPoll"));
    m_poll->setInterval(5);
    connect(m_timer, &QTimer::timeout, this, &LiteralsPanel::startBackgroundRescan);
    connect(m_poll, &QTimer::timeout, this, &LiteralsPanel::collectBackgroundRescan);
    connect(m_filter, &QLineEdit::textChanged, m_proxy, &QSortFilterProxyModel::setFilterFixedString);
    connect(m_table, &QTableView::clicked, this, [this](const QModelIndex &index) {
        const QModelIndex source = m_proxy->mapToSource(index);
        if (!source.isValid())
            return;
        const Batch::Literal &l = m_model->literals()[size_t(source.row())];
        emit literalClicked(l.start, l.length);
    });
    connect(m_extract, &QToolButton::clicked, this, &LiteralsPanel::extractCheckedRequested);
    connect(m_keep, &QAction::triggered, this, [this] {
        if (const Batch::Literal *l = currentLiteral())
            emit keepRequested(l->start);
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        const Batch::Literal *l = currentLiteral();
        m_keep->setEnabled(l && m_kind != SourcePage::Dfm);
        m_keep->setText(panelText(l && l->hints.testFlag(LiteralHint::Marker) ? PanelText::UnmarkKeep
                                                                              : PanelText::MarkKeep,
                                  m_lang));
    });
    connect(m_model, &LiteralsModel::checkChanged, this, [this](int start, bool on) {
        if (const int p = pageOf(m_editor); p >= 0)
            m_watched[size_t(p)].checks[start] = on;
    });
    setLanguage(Language::English);
}

void LiteralsPanel::setLanguage(Language lang)
{
    m_lang = lang;
    setWindowTitle(panelText(PanelText::PanelTitle, lang));
    toggleViewAction()->setText(windowTitle());
    m_filter->setPlaceholderText(panelText(PanelText::Filter, lang));
    m_extract->setText(panelText(PanelText::ExtractChecked, lang));
    m_mode->setItemText(0, panelText(PanelText::ModeExtract, lang));
    m_mode->setItemText(1, panelText(PanelText::ModeExtractC, lang));
    m_keep->setText(panelText(PanelText::MarkKeep, lang));
    m_model->setLanguage(lang);
    fitColumns();
}

// Row and column numbers are short: the literal's text gets the room.
void LiteralsPanel::fitColumns()
{
    QHeaderView *h = m_table->horizontalHeader();
    const QFontMetrics cell = m_table->fontMetrics();
    const int box = m_table->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 8;
    for (const int c : {LiteralsModel::RowColumn, LiteralsModel::ColColumn}) {
        const QString title = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const int digits = cell.horizontalAdvance(QStringLiteral("000000")) + (c == LiteralsModel::RowColumn ? box : 0);
        h->resizeSection(c, std::max(h->fontMetrics().horizontalAdvance(title), digits) + 16);
    }
    h->resizeSection(LiteralsModel::TextColumn, cell.averageCharWidth() * 24);
}

void LiteralsPanel::watch(QPlainTextEdit *editor)
{
    m_watched.push_back({editor, EditorModel::of(editor).length(), {}});
    connect(editor->document(), &QTextDocument::contentsChange, this,
            [this, editor](int position, int removed, int added) { noteChange(editor, position, removed, added); });
}

int LiteralsPanel::pageOf(QPlainTextEdit *editor) const
{
    for (size_t i = 0; i < m_watched.size(); ++i)
        if (m_watched[i].editor == editor)
            return int(i);
    return -1;
}

void LiteralsPanel::setPage(QPlainTextEdit *editor, SourcePage kind)
{
    if (editor == m_editor && kind == m_kind)
        return;
    m_editor = editor;
    m_kind = kind;
    m_dirty = true;
    if (isVisible())
        rescan();
}

// A user's check mark stays with its literal: marks behind the edit move by
// what the edit added, marks inside the replaced text are dropped.
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

void LiteralsPanel::rescan()
{
    dropBackgroundRescan();
    m_timer->stop();
    QElapsedTimer clock;
    clock.start();
    std::vector<Batch::Literal> literals;
    if (m_editor && m_kind != SourcePage::Header)
        literals = Batch::findLiterals(EditorModel::of(m_editor).text(), m_kind);
    const int p = pageOf(m_editor);
    m_model->setLiterals(std::move(literals), p >= 0 ? &m_watched[size_t(p)].checks : nullptr);
    m_dirty = false;
    m_lastCostMs = m_lastBlockingMs = clock.elapsed();
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
    m_pending = std::async(std::launch::async, [text, kind = m_kind] {
        QElapsedTimer t;
        t.start();
        Scan s{Batch::findLiterals(text, kind), 0};
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
    m_model->setLiterals(std::move(scan.literals), p >= 0 ? &m_watched[size_t(p)].checks : nullptr);
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

bool LiteralsPanel::extractC() const
{
    return m_mode->currentIndex() == 1;
}

std::function<bool(const Batch::Literal &)> LiteralsPanel::chooser() const
{
    // Sorted starts, searched by halving: a hash set of a quarter million
    // entries misses the cache on nearly every lookup.
    std::vector<int> starts;
    const auto &ls = m_model->literals();
    for (size_t i = 0; i < ls.size(); ++i)
        if (m_model->isChecked(int(i)))
            starts.push_back(ls[i].start);
    std::sort(starts.begin(), starts.end());
    return [starts = std::move(starts)](const Batch::Literal &l) {
        return std::binary_search(starts.begin(), starts.end(), l.start);
    };
}

const Batch::Literal *LiteralsPanel::currentLiteral() const
{
    const QModelIndex source = m_proxy->mapToSource(m_table->currentIndex());
    return source.isValid() ? &m_model->literals()[size_t(source.row())] : nullptr;
}
