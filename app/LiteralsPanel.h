#pragma once
// The literals panel: every literal Find Next finds on the shown page, with
// its hints and verdict and a check box (checked for user text), a filter
// box, and the Extract checked button with its Extract / Extract C choice.
// It follows the page: an edit schedules a rescan after a pause that grows
// with what a rescan holds the window's thread (twice the last one, 20 ms to
// 2 s), so that a held key never starts one. The rescan reads the text on the window's thread and
// finds the literals on a worker; its rows are dropped when the page changed
// meanwhile. A hidden panel rescans when it is shown.
//
// The filter is an index over the rows (LiteralsFilter): changing it reads
// each row's text once (a longer filter only the rows shown) and resets the
// view in one step, so a quarter million rows filter between two key presses.
// Extract checked takes the checked rows the filter shows.
#include "app/LiteralsModel.h"
#include "batch/BatchExtract.h"
#include "uitext/Catalogue.h"

#include <QDockWidget>

#include <array>
#include <functional>
#include <future>
#include <map>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class QTimer;
class QToolButton;

class LiteralsPanel : public QDockWidget
{
    Q_OBJECT
public:
    explicit LiteralsPanel(QWidget *parent = nullptr);

    // Follows editor (page kind; the header page has no literals).
    void setPage(QPlainTextEdit *editor, SourcePage kind);
    // Where the open unit lies: its project file (vtqx.project) extends the
    // verdicts' knowledge.
    void setUnitFolder(std::function<QString()> folder) { m_unitFolder = std::move(folder); }
    // What the verdicts know for the open unit; the built-in table when its
    // project file is missing or bad.
    std::shared_ptr<const UseRules> rules() const;
    // Connects a page's document so the check marks follow its edits.
    void watch(QPlainTextEdit *editor);
    void setLanguage(Language lang);

    // Rescans now (on this thread) when an edit left the rows out of date.
    void refresh();
    // A warning above the rows; "" hides it.
    void setWarning(const QString &warning);
    bool isUpToDate() const { return !m_dirty; }
    // Milliseconds the last rescan took (reading the text and finding the
    // literals), the part of it that ran on the window's thread (reading the
    // text, replacing the rows), and the pause before the next one.
    qint64 lastRescanMs() const { return m_lastCostMs; }
    qint64 lastBlockingMs() const { return m_lastBlockingMs; }
    int rescanDelayMs() const;

    const LiteralsModel &model() const { return *m_model; }
    const LiteralsFilter &filter() const { return *m_proxy; }
    bool extractC() const;
    // Whether the literal at start is checked and shown (false when it is no
    // row or the filter hides it).
    std::function<bool(const Batch::Literal &)> chooser() const;
    // Checked rows the filter hides: Extract checked leaves them out.
    int checkedHidden() const { return m_model->checkedCount() - m_proxy->checkedShown(); }
    // The user's check marks of editor's page, by literal start.
    std::map<int, bool> marks(QPlainTextEdit *editor) const;
    // Puts back marks that an edit dropped (an undo brought their literals
    // back); marks present now stay as they are.
    void restoreMarks(QPlainTextEdit *editor, const std::map<int, bool> &marks);
    // The tool tip of a cell: the whole text where the column cuts it off.
    QString cellToolTip(const QModelIndex &index) const;
    QString countText() const;
    // The literal of the current row, if any.
    const Batch::Literal *currentLiteral() const;

    QLineEdit *filterBox() const { return m_filter; }
    QTableView *table() const { return m_table; }
    QToolButton *extractButton() const { return m_extract; }
    QComboBox *modeBox() const { return m_mode; }
    QLabel *countLabel() const { return m_count; }
    QAction *keepAction() const { return m_keep; }

signals:
    // The current row changed or a row was clicked: select its literal.
    void literalChosen(int start, int length);
    // Enter on a row: the editor takes the focus at its literal.
    void literalActivated(int start, int length);
    void extractCheckedRequested();
    void keepRequested(int start);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void schedule();
    void rescan();
    void replaceRows(std::vector<Batch::Literal> literals, int page);
    void startBackgroundRescan();
    void collectBackgroundRescan();
    void dropBackgroundRescan();
    void noteChange(QPlainTextEdit *editor, int position, int removed, int added);
    int pageOf(QPlainTextEdit *editor) const;
    void fitColumns();
    void updateCounts();
    void applyFilter();
    void choose(const QModelIndex &index, bool activate);

    LiteralsModel *m_model;
    LiteralsFilter *m_proxy;
    QLabel *m_count;
    QLabel *m_warning;
    QTimer *m_filterTimer;
    bool m_restoringCurrent = false;
    int m_menuStart = -1; // the literal the open context menu was opened for
    QTableView *m_table;
    QLineEdit *m_filter;
    QToolButton *m_extract;
    QComboBox *m_mode;
    QAction *m_keep;
    QTimer *m_timer;
    QTimer *m_poll;
    struct Scan
    {
        std::vector<Batch::Literal> literals;
        qint64 ms = 0;
    };
    std::future<Scan> m_pending;
    QPlainTextEdit *m_pendingEditor = nullptr;
    int m_pendingRevision = 0;
    qint64 m_pendingReadMs = 0;
    qint64 m_lastBlockingMs = 0;
    QPlainTextEdit *m_editor = nullptr;
    SourcePage m_kind = SourcePage::Cpp;
    std::function<QString()> m_unitFolder;
    bool m_dirty = true;
    qint64 m_lastCostMs = 0;
    Language m_lang = Language::English;
    // Per watched editor: its length (CR LF counting) and the user's check
    // marks by literal start, shifted as the page is edited.
    struct Watched
    {
        QPlainTextEdit *editor;
        int length;
        std::map<int, bool> checks;
    };
    std::vector<Watched> m_watched;
};
