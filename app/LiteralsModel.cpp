#include "app/LiteralsModel.h"

#include "uitext/PanelTexts.h"
#include "scan/VerdictReason.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <algorithm>

// ---------------------------------------------------------------------------
// LiteralsModel

bool LiteralsModel::checkedByDefault(const Batch::Literal &l)
{
    return l.isUnmarkedUserText();
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
    const LiteralVerdict verdict = l.verdict();
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
    if (role == Qt::ToolTipRole && index.column() == VerdictColumn)
        return verdictReason(l.hints, l.use, m_lang);
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
