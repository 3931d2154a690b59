#pragma once
// The literals panel's rows and its filter index over them.
#include "batch/BatchExtract.h"
#include "uitext/Catalogue.h"

#include <QAbstractProxyModel>
#include <QAbstractTableModel>

#include <map>
#include <vector>

// Rows of literals; the first column carries the check box.
class LiteralsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { RowColumn, ColColumn, TextColumn, HintsColumn, VerdictColumn, ColumnCount };
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the rows; checks[start] overrides the default check of a literal.
    void setLiterals(std::vector<Batch::Literal> literals, const std::map<int, bool> *checks);
    void setLanguage(Language lang);
    const std::vector<Batch::Literal> &literals() const { return m_literals; }
    bool isChecked(int row) const { return m_checked[size_t(row)]; }
    int checkedCount() const { return m_checkedCount; }
    // Sets the check of every row whose literal starts at a key of marks.
    void applyMarks(const std::map<int, bool> &marks);
    // Default check: user text without the keep marker.
    static bool checkedByDefault(const Batch::Literal &l);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    void checkChanged(int start, bool checked);

private:
    std::vector<Batch::Literal> m_literals;
    std::vector<bool> m_checked;
    int m_checkedCount = 0;
    Language m_lang = Language::English;
};

// The rows whose text holds the filter text (ignoring case), in page order.
class LiteralsFilter : public QAbstractProxyModel
{
    Q_OBJECT
public:
    explicit LiteralsFilter(LiteralsModel *source, QObject *parent = nullptr);

    void setFilterText(const QString &text);
    const QString &filterText() const { return m_text; }
    int sourceRow(int row) const { return m_rows[size_t(row)]; }
    // Checked rows among those shown.
    int checkedShown() const { return m_checkedShown; }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;

signals:
    void countsChanged();

private:
    void rebuild(bool narrowing);
    LiteralsModel *m_model;
    QString m_text;
    std::vector<int> m_rows;
    int m_checkedShown = 0;
};
