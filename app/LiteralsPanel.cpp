#include "app/LiteralsPanel.h"

#include "platform/gui/EditorModel.h"
#include "uitext/PanelTexts.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <QPalette>

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
        m_checked[i] = l.isLiteral() && (checks && it != checks->end() ? it->second : checkedByDefault(l));
    }
    m_checkedCount = int(std::count(m_checked.begin(), m_checked.end(), true));
    endResetModel();
}

void LiteralsModel::applyMarks(const std::map<int, bool> &marks)
{
    for (size_t i = 0; i < m_literals.size(); ++i) {
        const auto it = marks.find(m_literals[i].start);
        if (it == marks.end() || m_checked[i] == it->second || !m_literals[i].isLiteral())
            continue;
        m_checked[i] = it->second;
        m_checkedCount += it->second ? 1 : -1;
        const QModelIndex at = index(int(i), RowColumn);
        emit dataChanged(at, at, {Qt::CheckStateRole});
    }
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
    const LiteralVerdict verdict = verdictOf(l.hints);
    if (role == Qt::CheckStateRole && index.column() == RowColumn)
        return int(m_checked[size_t(index.row())] ? Qt::Checked : Qt::Unchecked);
    // A run that is no literal is greyed, and says why wherever the mouse rests.
    if (verdict == LiteralVerdict::NotLiteral) {
        if (role == Qt::ForegroundRole)
            return QPalette().color(QPalette::Disabled, QPalette::Text);
        if (role == Qt::ToolTipRole)
            return panelText(PanelText::NotLiteralTip, m_lang).arg(hintNames(l.hints & kNotLiteralHints).join(QStringLiteral(", ")));
    }
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case RowColumn: return l.pos.row;
        case ColColumn: return l.pos.col;
        case TextColumn: return l.text;
        case HintsColumn: return hintNames(l.hints).join(QStringLiteral(", "));
        case VerdictColumn:
            return panelText(verdict == LiteralVerdict::UserText      ? PanelText::UserText
                             : verdict == LiteralVerdict::NotLiteral ? PanelText::NotLiteral
                                                                     : PanelText::ProbablyNot,
                             m_lang);
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
    if (index.column() == RowColumn && index.row() < rowCount() && m_literals[size_t(index.row())].isLiteral())
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool LiteralsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != RowColumn || index.row() >= rowCount() ||
        !m_literals[size_t(index.row())].isLiteral())
        return false;
    const bool on = value.toInt() == int(Qt::Checked);
    if (m_checked[size_t(index.row())] != on) {
        m_checkedCount += on ? 1 : -1;
        m_checked[size_t(index.row())] = on;
        emit dataChanged(index, index, {Qt::CheckStateRole});
    }
    emit checkChanged(m_literals[size_t(index.row())].start, on);
    return true;
}

// ---------------------------------------------------------------------------
// LiteralsFilter

LiteralsFilter::LiteralsFilter(LiteralsModel *source, QObject *parent) : QAbstractProxyModel(parent), m_model(source)
{
    QAbstractProxyModel::setSourceModel(source);
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(source, &QAbstractItemModel::modelReset, this, [this] {
        rebuild(false);
        endResetModel();
        emit countsChanged();
    });
    connect(source, &QAbstractItemModel::headerDataChanged, this, &QAbstractItemModel::headerDataChanged);
    connect(source, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to, const QList<int> &roles) {
                if (m_rows.empty())
                    return;
                const bool checks = roles.contains(Qt::CheckStateRole);
                if (from.row() == to.row()) {
                    const QModelIndex a = mapFromSource(from);
                    if (!a.isValid())
                        return;
                    if (checks)
                        m_checkedShown += m_model->isChecked(from.row()) ? 1 : -1;
                    emit dataChanged(a, index(a.row(), to.column()), roles);
                } else {
                    if (checks)
                        rebuild(true);
                    emit dataChanged(index(0, from.column()), index(rowCount() - 1, to.column()), roles);
                }
                if (checks)
                    emit countsChanged();
            });
    rebuild(false);
}

void LiteralsFilter::setFilterText(const QString &text)
{
    if (text == m_text)
        return;
    // A filter that holds the old one shows a part of what is shown now.
    const bool narrowing = text.contains(m_text, Qt::CaseInsensitive);
    m_text = text;
    beginResetModel();
    rebuild(narrowing);
    endResetModel();
    emit countsChanged();
}

void LiteralsFilter::rebuild(bool narrowing)
{
    const auto &ls = m_model->literals();
    std::vector<int> rows;
    m_checkedShown = 0;
    const auto take = [&](int r) {
        if (m_text.isEmpty() || ls[size_t(r)].text.contains(m_text, Qt::CaseInsensitive)) {
            rows.push_back(r);
            m_checkedShown += m_model->isChecked(r);
        }
    };
    if (narrowing) {
        rows.reserve(m_rows.size());
        for (const int r : m_rows)
            take(r);
    } else {
        rows.reserve(ls.size());
        for (int r = 0; r < int(ls.size()); ++r)
            take(r);
    }
    m_rows = std::move(rows);
}

QModelIndex LiteralsFilter::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= LiteralsModel::ColumnCount)
        return {};
    return createIndex(row, column);
}

QModelIndex LiteralsFilter::parent(const QModelIndex &) const
{
    return {};
}

int LiteralsFilter::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int LiteralsFilter::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : LiteralsModel::ColumnCount;
}

QModelIndex LiteralsFilter::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.row() >= rowCount())
        return {};
    return m_model->index(m_rows[size_t(proxyIndex.row())], proxyIndex.column());
}

QModelIndex LiteralsFilter::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), sourceIndex.row());
    if (it == m_rows.end() || *it != sourceIndex.row())
        return {};
    return createIndex(int(it - m_rows.begin()), sourceIndex.column());
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
    m_filter->installEventFilter(this);
    layout->addWidget(m_filter);
    m_count = new QLabel(body);
    m_count->setObjectName(QStringLiteral("LiteralsCount"));
    layout->addWidget(m_count);
    m_warning = new QLabel(body);
    m_warning->setObjectName(QStringLiteral("LiteralsWarning"));
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(QStringLiteral("background: #fff3c4; color: #5c4400;"));
    m_warning->hide();
    layout->addWidget(m_warning);

    m_model = new LiteralsModel(this);
    m_proxy = new LiteralsFilter(m_model, this);
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
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);
    m_keep = new QAction(this);
    m_keep->setObjectName(QStringLiteral("PanelKeepMarker1"));
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
    // Keys that arrive together filter once, right after the last of them.
    m_filterTimer = new QTimer(this);
    m_filterTimer->setObjectName(QStringLiteral("LiteralsFilterTimer"));
    m_filterTimer->setSingleShot(true);
    m_filterTimer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &LiteralsPanel::startBackgroundRescan);
    connect(m_poll, &QTimer::timeout, this, &LiteralsPanel::collectBackgroundRescan);
    connect(m_filter, &QLineEdit::textChanged, m_filterTimer, qOverload<>(&QTimer::start));
    connect(m_filterTimer, &QTimer::timeout, this, &LiteralsPanel::applyFilter);
    connect(m_proxy, &LiteralsFilter::countsChanged, this, &LiteralsPanel::updateCounts);
    connect(m_table, &QTableView::clicked, this, [this](const QModelIndex &index) { choose(index, false); });
    connect(m_extract, &QToolButton::clicked, this, &LiteralsPanel::extractCheckedRequested);
    // The menu acts on the literal it was opened for, also when rows that a
    // rescan brought meanwhile put another literal in its place.
    connect(m_table, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const Batch::Literal *l = currentLiteral();
        if (!l)
            return;
        QMenu menu(m_table);
        menu.addAction(m_keep);
        m_menuStart = l->start;
        menu.exec(m_table->viewport()->mapToGlobal(pos));
        m_menuStart = -1;
    });
    connect(m_keep, &QAction::triggered, this, [this] {
        if (m_menuStart >= 0)
            emit keepRequested(m_menuStart);
        else if (const Batch::Literal *l = currentLiteral())
            emit keepRequested(l->start);
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (!m_restoringCurrent)
            choose(current, false);
        if (m_menuStart >= 0)
            return; // the open menu keeps its item as it was offered
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
    updateCounts();
}

void LiteralsPanel::choose(const QModelIndex &index, bool activate)
{
    const QModelIndex source = m_proxy->mapToSource(index);
    if (!source.isValid())
        return;
    const Batch::Literal &l = m_model->literals()[size_t(source.row())];
    if (activate)
        emit literalActivated(l.start, l.length);
    else
        emit literalChosen(l.start, l.length);
}

// The current row stays current when the filter still shows it.
void LiteralsPanel::applyFilter()
{
    const QModelIndex current = m_proxy->mapToSource(m_table->currentIndex());
    m_proxy->setFilterText(m_filter->text());
    if (const QModelIndex again = m_proxy->mapFromSource(current); again.isValid()) {
        const QScopedValueRollback guard(m_restoringCurrent, true);
        m_table->setCurrentIndex(again);
        m_table->scrollTo(again);
    }
}

QString LiteralsPanel::countText() const
{
    const int shown = m_proxy->rowCount();
    return panelCount(shown, m_proxy->checkedShown(), m_model->rowCount() - shown, m_lang);
}

void LiteralsPanel::setWarning(const QString &warning)
{
    m_warning->setText(warning);
    m_warning->setVisible(!warning.isEmpty());
}

void LiteralsPanel::updateCounts()
{
    m_count->setText(countText());
    const int left = checkedHidden();
    QString tip = panelText(PanelText::ExtractCheckedTip, m_lang);
    if (left > 0)
        tip += u'\n' + panelText(PanelText::LeftOut, m_lang).arg(left);
    m_extract->setToolTip(tip);
}

QString LiteralsPanel::cellToolTip(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    if (index.column() != LiteralsModel::TextColumn && index.column() != LiteralsModel::HintsColumn)
        return index.data(Qt::ToolTipRole).toString();
    const QString text = index.data(Qt::DisplayRole).toString();
    const QString reason = index.data(Qt::ToolTipRole).toString(); // a row that is no literal says why
    const int room = m_table->visualRect(index).width() - 2 * (m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    if (m_table->fontMetrics().horizontalAdvance(text) <= room)
        return reason;
    return reason.isEmpty() ? text : text + u'\n' + reason;
}

// Keyboard: Space toggles the current row's check, Enter hands the focus to
// the editor at its literal; Escape in the filter box clears it. Tool tips of
// cells show what the column cuts off.
bool LiteralsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QModelIndex current = m_table->currentIndex();
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && current.isValid()) {
                choose(current, true);
                return true;
            }
            if (key->key() == Qt::Key_Space && current.isValid()) {
                const QModelIndex box = current.siblingAtColumn(LiteralsModel::RowColumn);
                const bool on = box.data(Qt::CheckStateRole).toInt() == int(Qt::Checked);
                m_proxy->setData(box, int(on ? Qt::Unchecked : Qt::Checked), Qt::CheckStateRole);
                return true;
            }
        }
    } else if (watched == m_filter && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && !m_filter->text().isEmpty()) {
            m_filter->clear();
            applyFilter();
            return true;
        }
    } else if (watched == m_table->viewport() && event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = cellToolTip(m_table->indexAt(help->pos()));
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, m_table->viewport());
        return true;
    }
    return QDockWidget::eventFilter(watched, event);
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
    for (int row = 0; row < m_proxy->rowCount(); ++row)
        if (const int i = m_proxy->sourceRow(row); m_model->isChecked(i))
            starts.push_back(ls[size_t(i)].start);
    std::sort(starts.begin(), starts.end());
    return [starts = std::move(starts)](const Batch::Literal &l) {
        return std::binary_search(starts.begin(), starts.end(), l.start);
    };
}

std::map<int, bool> LiteralsPanel::marks(QPlainTextEdit *editor) const
{
    const int p = pageOf(editor);
    return p >= 0 ? m_watched[size_t(p)].checks : std::map<int, bool>();
}

void LiteralsPanel::restoreMarks(QPlainTextEdit *editor, const std::map<int, bool> &marks)
{
    const int p = pageOf(editor);
    if (p < 0 || marks.empty())
        return;
    std::map<int, bool> &checks = m_watched[size_t(p)].checks;
    std::map<int, bool> restored;
    for (const auto &[at, on] : marks)
        if (checks.emplace(at, on).second)
            restored.emplace(at, on);
    if (editor == m_editor && !restored.empty())
        m_model->applyMarks(restored);
}

const Batch::Literal *LiteralsPanel::currentLiteral() const
{
    const QModelIndex source = m_proxy->mapToSource(m_table->currentIndex());
    return source.isValid() ? &m_model->literals()[size_t(source.row())] : nullptr;
}
