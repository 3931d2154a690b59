#pragma once
// The main window: three editor pages of one form unit, the found text box,
// the extraction list, the toolbar, the menus and the status bar. Its parts
// live in files of their own: MainWindowCommands.cpp (the command table),
// MainWindowFiles.cpp, MainWindowScan.cpp, MainWindowExtract.cpp,
// MainWindowPanel.cpp, MainWindowGenerate.cpp, MainWindowTranslate.cpp,
// MainWindowLists.cpp, MainWindowRecent.cpp, MainWindowEncoding.cpp,
// MainWindowLayout.cpp and MainWindowOptions.cpp.
#include "uitext/Catalogue.h"
#include "platform/gui/Dialogs.h"
#include "platform/core/MessagePump.h"
#include "workspace/PageArray.h"
#include "workspace/PageUndo.h"
#include "app/RecentUnits.h"
#include "app/UnitEncodings.h"
#include "platform/core/SourcePage.h"
#include "extract/StringMode.h"
#include "workspace/Workspace.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <set>
#include <vector>

struct ScanResult;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QTabWidget;
class QTextDocument;
class QToolBar;
class QToolButton;
class AboutBox;
class BusyState;
class EditorModel;
class FolderMemory;
class LiteralsPanel;
class MainWindowDriver;
class OutputWindow;
class TVReg;
class TVStatus;
class ToolkitTexts;
class UiLanguage;
class UnitLock;
class UnitWatch;

// The commands of the menus and the toolbar. Each runs through run(), which
// checks what it needs before the handler runs.
enum class Command {
    Open, Save, SaveAll, SaveCpp, SaveHeader, SaveForm, SaveAs,
    WithoutResourceFile, ForResourceFile, ResourceScript,
    ExportForTranslation, ScriptFromTranslations, OpenExtractionList, Exit,
    FindNext, ChangeToggle, Extract, ExtractC, ExtractChecked, FindText, Stop, EditCounter, Undo, Redo,
    PromptEqualStrings, FindNextOnExtract, GlobalStrings, FormStrings, FunctionStrings, English, German,
    About,
};

// What a command needs before it runs.
enum CommandNeeds { Anything = 0, OpenUnit = 1, Idle = 2, OpenAndIdle = OpenUnit | Idle };

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Page indexes of the window (tabs, editors, sessions).
    static constexpr int CppPage = int(SourcePage::Cpp);
    static constexpr int HeaderPage = int(SourcePage::Header);
    static constexpr int DfmPage = int(SourcePage::Dfm);

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Runs a command as its menu item or button does, when what it needs is
    // there (an open unit, no scan running); errors escape to the caller.
    void run(Command command);

    // Open after the dialog: chosen is any of the unit's three files.
    void openUnit(const QString &chosen);
    // Opens file as Open would, once the event loop runs after show(); a
    // file that does not exist is reported instead.
    void openFromCommandLine(const QString &file);
    // Opens a recent unit; one whose files are gone is reported and dropped.
    void openRecentUnit(const QString &path);
    const RecentUnits &recentUnits() const { return m_recent; }

    // Selects the literal at start of page as Find Next selects what it
    // finds; the focus stays where it is.
    void showLiteral(int page, int start, int length);
    // Appends the keep marker to line of page, or removes it when it is there.
    void toggleKeepMarker(int page, int line);

    // Extract gave a name the C++ page used before; "" when not.
    const QString &nameInUseWarning() const { return m_nameInUseWarning; }

    // The clock of the busy state's and the scans' pumps (tests set their own).
    void setPumpClock(MessagePump::Clock clock);
    MessagePump::Clock pumpClock() const { return m_pumpClock; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class BusyState;
    friend class MainWindowDriver; // tests/support: presses commands, reads the pages

    // --- Commands (MainWindowCommands.cpp wires them) ---
    bool ready(int needs) const;
    void wireCommands();
    void openWithDialog();
    void saveShownPage();
    void saveAll();
    void findNext();
    void findText();
    // Shows what a scan of page ended with; true when it selected something.
    bool showScanResult(int page, const ScanResult &result);
    void stopScan();
    void changeSelection();
    void editCounter();
    void extractSelection(bool extractC);
    void extractChecked();
    void undoOrRedo(bool redo);
    void generate(Command generator);
    void openExtractionList();
    void exportForTranslation();
    void createScriptFromTranslations();
    void togglePromptEqualStrings();
    void toggleFindNextOnExtract();
    void setModeChecked(QAction *chosen);
    void switchLanguage(Language lang);
    void showAbout();

    // --- Controls (MainWindowControls.cpp) ---
    void buildLayout();
    void buildMenus();
    void buildToolBar();

    // --- Start-up, captions, status (MainWindow.cpp) ---
    void wire();
    void applyCaptions(); // the caption table of the UI language
    void updateToolTips();
    void restoreOnShow();
    void queryClose(bool &canClose);
    // Panel 0 and the page-dependent commands.
    void showPageStatus();
    // Panels 1 and 2: the caret's and the last edit's positions.
    void showStatus();
    void pageSwitched();
    void applyProtection();
    void applyToggleFound();
    void pageTyped(int page);
    void pageSelectionReleased(int page);

    // --- Helpers over the state ---
    PageSession &session(int page) { return m_workspace.session(page); }
    // The unit of m_baseFolder and m_baseName (located afresh when they were
    // set by other means than Open).
    SourceUnit &unit();
    // Pumps for the busy state: at most once per pump interval.
    void busyPump();
    int activePage() const;
    QPlainTextEdit *pageEditor(int page) const;
    EditorModel &pageModel(int page) const;
    static QString pageExtension(int page);
    // Catalogue entry n in the current UI language.
    QString msg(unsigned n) const;
    StringMode stringMode() const;
    // A message box titled "VTQX".
    Dialogs::Button ask(const QString &text, Dialogs::Icon icon, Dialogs::Buttons buttons);
    // Caption of the number button after a change of the C++ page's counter.
    void showCounter();
    // Routines of the form description (line n of the DFM editor).
    QString objectNameOfLine(int n) const;
    QString classNameOfLine(int n) const;

    // --- Options and layout (MainWindowOptions.cpp, MainWindowLayout.cpp) ---
    void storeOptions();
    void restoreOptions();
    void storeLayout();
    void restoreLayout();
    void growForPanel();
    void applyButtonKeys();
    void keepOnScreen(); // moves (and shrinks) the window into its screen's available area
    void fitToolBar();

    // --- Files (MainWindowFiles.cpp) ---
    // Save page p to its file; raises on failure. Asks first when the file
    // changed on disk; false when the user chose to leave it.
    bool savePage(int page);
    // Load page p from its file (the file-missing text when it cannot).
    void loadPage(int page);
    bool savePageForPrompt(int page);
    bool saveAs(int page);
    // The close and Open questions about unsaved pages and lists; false
    // when the user cancelled.
    bool settleUnsaved(unsigned firstPageText, Dialogs::Icon icon, bool prefixBaseName);
    // The extraction list of a page (its session's document, which the list
    // editor shows while the page is shown).
    QString listText(int page) const;
    bool saveList(int page);
    void listWrittenOut();

    // --- The panel, undo steps (MainWindowPanel.cpp) ---
    void buildPanel();
    void applyPanelCaptions();
    void updateUndoActions();
    // A page's list, counter and last edit, as its undo steps carry them.
    PageState pageState(int page) const;
    // builtList: state.list already filled into a document (shown as it is).
    void setPageState(int page, const PageState &state, std::unique_ptr<QTextDocument> builtList = {});
    // After the workspace put a page's state in place: the counter's button,
    // and the check marks an undo gives back.
    void pageStateApplied(int page, const std::map<int, bool> &marks);

    // --- Guards over the user's work (MainWindowDisk.cpp) ---
    void wireGuards();
    // A page's file changed on disk: the user is asked once the window is
    // idle and no question is open.
    void noteDiskChange(SourcePage p);
    void settleDiskChanges();
    // Takes the lock of the unit about to be opened, or keeps this window's
    // own; when another holds it, the user may open the unit read-only
    // (lock stays empty). False: the user cancelled.
    bool takeUnitLock(const SourceUnit &opened, std::unique_ptr<UnitLock> &lock);
    // After Open took the lock: a run killed in the middle of its commit is
    // finished or undone, and the user is told.
    void recoverOpenedUnit();
    // Raises unless this window holds the unit's lock (taken now if its
    // holder has let go meanwhile).
    void checkUnitWritable();
    // Reads the page's file again as one undo step of the page.
    void reloadPage(int page);
    // Before a save: true when the file is as the window read it, or the
    // user agreed to write over the change.
    bool mayOverwrite(int page);
    QString pageFileName(int page) const;

    // --- Output window, recent units, translations, lists ---
    void createOutputWindow();
    void buildRecentMenu();
    void showRecentMenu();
    void rememberUnit(const QString &chosen);
    void storeRecentUnits();
    void createTranslateItems(QMenu *menu);
    void createListItems(QMenu *menu);
    void hintListBeside();                 // after Open: a list file beside the unit, the numbers the page uses
    void showListBeside();                 // the status bar's button for that list, in the current language

    // --- The unit's encoding (MainWindowEncoding.cpp) ---
    void buildEncodingMenu();
    // Reads the unit again in the encoding chosen (nothing: detect), after
    // the Open questions, and remembers the choice for the unit.
    void chooseEncoding(std::optional<TextEncoding> choice);
    // u's encodings: choice, else the one its project file names (a bad
    // project file is the command line's to tell, as for the verdicts).
    static void setUnitEncodings(SourceUnit &u, std::optional<TextEncoding> choice);
    // The status bar's button and the menu's check mark for the shown page.
    void showEncoding();
    // After loading: the first page whose bytes would not survive a save is
    // named in a message; such pages stay read-only.
    void tellUnkeptPages();
    bool isUnkept(int page) const;
    // The code page of what the window writes for a page: its list, the
    // generated code and scripts.
    TextEncoding outputCodePageOf(int page) const;

    void noteNewName(const QString &name); // after Extract: warns when the page used the name before
    void setNameInUseWarning(const QString &name); // the warning that the page used name before; empty: none
    void showNameInUse(bool shown);
    void followNameInUse();

    // --- State ---
    Workspace m_workspace; // the open unit and the page sessions; the arrays below view them
    QString m_baseName;    // "" while no unit is open
    QString m_baseFolder;  // ends with the platform's separator
    SavedFlags m_saved{m_workspace}; // each page: its document is not modified
    PageArray<int, &PageSession::resNumber> m_counter{m_workspace};
    PageArray<RowCol, &PageSession::tracked> m_tracked{m_workspace};
    PageArray<RowCol, &PageSession::lastEdit> m_lastEdit{m_workspace};
    bool m_busy = false;
    bool m_stopRequest = false;
    bool m_closePending = false; // the window was asked to close during a scan
    int m_currentPage = 0;
    bool m_shownOnce = false;
    bool m_releasing = false; // a mouse release is being handed to an editor first
    bool m_typing = false;    // a key press is being handed to an editor first
    bool m_geometryRestored = false;
    bool m_grownForPanel = false;
    bool m_fittingToolBar = false;
    QString m_searchText; // Find Text's search text, kept for the run
    RecentUnits m_recent;
    UnitEncodings m_encodings; // the choices made in the window, per unit
    std::set<int> m_numbersInUse; // the numbers of names the C++ page used when opened
    QString m_nameInUseWarning;
    QString m_warnedName;
    MessagePump::Clock m_pumpClock = MessagePump::steadyMs;
    MessagePump m_busyPump{10, [this] { return m_pumpClock(); }};
    UnitWatch *m_watch;          // the open unit's files on disk
    std::unique_ptr<UnitLock> m_lock; // one writer per unit; empty while no unit or read-only
    bool m_readOnlyUnit = false; // opened while another held the lock
    std::set<int> m_diskChanged; // pages whose change on disk is not asked about yet
    bool m_askingDisk = false;

    // --- Controls (their object names, which the caption table, the
    // settings and the tests use, are given where they are built) ---
    QWidget *m_toolArea;
    QToolBar *m_toolBar;
    QToolButton *m_openButton, *m_saveButton, *m_saveAllButton, *m_findTextButton, *m_changeButton,
        *m_extractCButton, *m_extractButton, *m_findNextButton, *m_stopButton, *m_exitButton;
    QWidget *m_leftColumn, *m_pageArea, *m_optionsArea, *m_rootBar;
    QCheckBox *m_protectBox, *m_toggleFoundBox;
    QLabel *m_foundLabel, *m_rootLabel, *m_counterLabel, *m_counterIcon, *m_resourceIcon;
    QPlainTextEdit *m_foundText;
    QToolButton *m_counterButton;
    QPlainTextEdit *m_listEditor, *m_cppEditor, *m_headerEditor, *m_formEditor;
    QTabWidget *m_pages;
    QWidget *m_cppSheet, *m_headerSheet, *m_formSheet;
    QLineEdit *m_rootEdit;
    TVStatus *m_statusBar;
    QToolButton *m_listBesideButton; // shown while a list lies beside the unit: opens it
    QString m_listBeside;            // that list's file name
    TVReg *m_settings;
    FolderMemory *m_folders; // InitOpenDir, InitSaveDir, the recent units over m_settings
    QMenuBar *m_menuBar;
    QMenu *m_fileMenu, *m_editMenu, *m_optionsMenu, *m_helpMenu;
    QMenu *m_recentMenu = nullptr; // "RecentUnits1", in the File menu after Open
    QMenu *m_encodingMenu = nullptr; // "CodePage1", in the Options menu and behind the status bar's button
    QToolButton *m_encodingButton = nullptr; // "EncodingButton", in the status bar
    std::vector<std::pair<QAction *, std::optional<TextEncoding>>> m_encodingActions;
    QAction *m_openAction, *m_saveAsAction, *m_saveAllAction, *m_saveCppAction, *m_saveHeaderAction,
        *m_saveFormAction, *m_exitAction,
        *m_findNextAction, *m_changeAction, *m_extractAction, *m_extractCAction, *m_findTextAction,
        *m_promptEqualAction, *m_findNextOnExtractAction, *m_globalModeAction, *m_formModeAction,
        *m_functionModeAction, *m_englishAction, *m_germanAction, *m_aboutAction;
    std::array<QAction *, 3> m_generatorActions; // in the order of the generator table
    QAction *m_exportPotAction, *m_translatedScriptAction, *m_openListAction;
    LiteralsPanel *m_panel;
    QAction *m_panelAction, *m_extractCheckedAction, *m_undoAction, *m_redoAction, *m_keepAction,
        *m_focusFilterAction; // Ctrl+F puts the focus in the panel's filter box
    AboutBox *m_aboutBox;
    OutputWindow *m_output;
    UiLanguage *m_language;
    ToolkitTexts *m_toolkitTexts; // the toolkit's own texts follow m_language
};
