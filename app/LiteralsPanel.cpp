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
    // The arrow keys move between cells; Tab leaves the table for the next
    // control (the Extract choice and Extract checked).
    m_table->setTabKeyNavigation(false);
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
