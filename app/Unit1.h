#pragma once
// The main window: three editor pages of one form unit, the found text box,
// the extraction list, the toolbar, the menus and the status bar.
#include "Catalogue.h"
#include "Dialogs.h"
#include "MessagePump.h"
#include "PageArray.h"
#include "PageUndo.h"
#include "RecentUnits.h"
#include "SourcePage.h"
#include "ExtractStep.h"
#include "StringMode.h"
#include "Workspace.h"

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <memory>
#include <set>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QTabWidget;
class QTextDocument;
class QTimer;
class QToolBar;
class QToolButton;
class EditorModel;
class LiteralsPanel;
class TForm2;
class TForm3;
class FolderMemory;
class TVReg;
class TVStatus;
class ToolkitTexts;
class UiLanguage;

class TForm1 : public QMainWindow
{
    Q_OBJECT
    // The open unit and the page sessions; the given names below view them.
    Workspace m_workspace;

public:
    // Page indexes of the window (tabs, editors, sessions).
    static constexpr int CppPage = int(SourcePage::Cpp);
    static constexpr int HeaderPage = int(SourcePage::Header);
    static constexpr int DfmPage = int(SourcePage::Dfm);

    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // --- Main window state, shared by the commands ---
    QString BaseName;   // "" while no unit is open
    QString BaseFolder; // ends with the platform's separator
    SavedFlags Saved{m_workspace}; // each page: its document is not modified
    PageArray<QString, &PageSession::listSlot> ListSlot{m_workspace};
    PageArray<int, &PageSession::resNumber> ResNumber{m_workspace};
    PageArray<RowCol, &PageSession::tracked> Tracked{m_workspace};
    PageArray<RowCol, &PageSession::lastEdit> LastEdit{m_workspace};
    bool Busy = false;
    bool StopRequest = false;
    bool closePending = false; // the window was asked to close during a scan

    PageSession &session(int page) { return m_workspace.session(page); }
    // The unit of BaseFolder and BaseName (located afresh when they were set
    // by other means than Open).
    SourceUnit &unit();
    // The clock of the busy state's and the scans' pumps (tests set their own).
    void setPumpClock(MessagePump::Clock clock);
    MessagePump::Clock pumpClock() const { return m_pumpClock; }
    // Pumps for the busy state: at most once per tick of the status timer.
    void busyPump();

    // --- Controls (objectName = member name) ---
    QWidget *CoolBar1;
    QToolBar *ToolBar1;
    QToolButton *ToolButton1, *ToolButton12, *ToolButton2, *ToolButton13, *ToolButton3, *ToolButton6,
        *ToolButton5, *ToolButton4, *ToolButton8, *ToolButton7;
    QWidget *Panel1, *Panel2, *Panel3, *Panel4;
    QCheckBox *CheckBox1, *CheckBox2;
    QLabel *Label1, *Label3, *Label4, *Image1, *Image2;
    QPlainTextEdit *Edit1;
    QToolButton *SpeedButton7;
    QPlainTextEdit *Memo1, *Memo2, *Memo3, *Memo4;
    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3;
    QLineEdit *Edit3;
    TVStatus *VStatus1;
    TVReg *VReg1;
    FolderMemory *Folders; // InitOpenDir, InitSaveDir, the recent units over VReg1
    QMenuBar *MainMenu1;
    QMenu *Datei1, *Berabeiten1, *Options1, *N8;
    QAction *Open1, *Saveas1, *SaveAll1, *SaveCPP1, *HSpeichern1, *SaveDFM1, *CreateFormOnLoad1,
        *CreateLoadTextRC1, *CreateRCFile1, *Exit1, *FindNext1, *ChangeToggle1, *Extract1, *ExtractC1,
        *FindText1, *PromtEqualStrings2, *OnExtractFindNext2, *UseglobalStrings2, *UseFormStrings2,
        *UseFunction2, *English1, *German1, *About1;
    QAction *ExportForTranslation1, *CreateRCFromTranslations1; // Unit1Translate.cpp
    QAction *OpenExtractionList1;                               // Unit1Lists.cpp
    QTimer *Timer1;
    // The literals panel and its commands (objectNames LiteralsPanel,
    // LiteralsPanel1, ExtractChecked1, Undo1, Redo1, EditorKeepMarker1).
    LiteralsPanel *literalsPanel;
    QAction *literalsPanelAction, *extractCheckedAction, *undoAction, *redoAction, *editorKeepAction,
        *focusFilterAction; // FocusFilter1: Ctrl+F puts the focus in the panel's filter box
    TForm2 *Form2;
    TForm3 *Form3;
    UiLanguage *UiLang;
    ToolkitTexts *QtTexts; // the toolkit's own texts follow UiLang

    // --- Helpers over the state ---
    int activePage() const;
    QPlainTextEdit *pageEditor(int page) const;
    EditorModel &pageModel(int page) const;
    static QString pageExtension(int page);
    // Catalogue entry n in the current UI language.
    QString Msg(unsigned n) const;
    StringMode stringMode() const;
    // A message box titled "VTQX".
    Dialogs::Button Ask(const QString &text, Dialogs::Icon icon, Dialogs::Buttons buttons);
    // Caption of the number button after a change of the C++ page's counter.
    void showResNumber();

    // Routines of the form description (line n of the DFM editor).
    QString ObjectNameOfLine(int n) const;
    QString ClassNameOfLine(int n) const;

    // The page status routine: panel 0 and the page-dependent commands.
    void PageStatus();

    // Stores and restores the options record.
    void StoreOptions();
    void RestoreOptions();

    // Save page p to its file; raises on failure. No check of its own.
    void SavePage(int page);
    // Load page p from its file (the file-missing text when it cannot).
    void LoadPage(int page);

    // Open after the dialog: chosen is any of the unit's three files.
    void openUnit(const QString &chosen);
    // Opens file as Open would, once the event loop runs after show(); a
    // file that does not exist is reported instead.
    void openFromCommandLine(const QString &file);
    // Opens a recent unit; one whose files are gone is reported and dropped.
    void openRecentUnit(const QString &path);
    const RecentUnits &recentUnits() const { return m_recent; }

public slots:
    // Start-up and window
    void FormCreate(); // applies the caption table of the UI language
    void FormShow();
    void FormCloseQuery(bool &CanClose);
    void Timer1Timer();
    void PageControl1Changing(int leaving);
    void PageControl1Change();
    void Exit1Click();
    void About1Click();
    void English1Click();
    void German1Click();

    // Files
    void SpeedButton1Click(); // Open
    void ToolButton12Click(); // Save
    void SaveAll1Click();
    void SaveCPP1Click();
    void HSpeichern1Click();
    void SaveDFM1Click();
    void Saveas1Click();

    // Editor views
    void CheckBox1Click();
    void CheckBox2Click();
    void Memo2KeyPress();
    void Memo3KeyPress();
    void Memo4KeyPress();
    void Memo2MouseUp();
    void Memo3MouseUp();
    void Memo4MouseUp();

    // Scanner and editing
    void SpeedButton4Click(); // Find Next
    void ToolButton8Click();  // Stop
    void SpeedButton3Click(); // Change/Toggle
    void ToolButton13Click(); // Find Text

    // Extraction
    void SpeedButton7Click(); // resource number
    void SpeedButton5Click(QObject *Sender); // Extract and Extract C
    void PromtEqualStrings1Click();
    void OnExtractFindNext1Click();
    void UseglobalStrings1Click();
    void UseFormStrings1Click();
    void UseFunction1Click();

    // Literals panel, Extract checked, the keep marker, undo and redo
    // Selects the literal at start of page as Find Next selects what it
    // finds; the focus stays where it is.
    void showLiteral(int page, int start, int length);
    // Extracts the panel's checked literals of the shown page in one step.
    void extractChecked();
    // Appends the keep marker to line of page, or removes it when it is there.
    void toggleKeepMarker(int page, int line);
    void undoPageEdit();
    void redoPageEdit();

    // Generators
    void CreateFormOnLoad1Click();
    void CreateLoadTextRC1Click();
    void CreateRCFile1Click();

    // Translations
    void OpenExtractionList1Click();
    void ExportForTranslation1Click();
    void CreateRCFromTranslations1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void buildMenus();
    void buildToolBar();
    void wire();
    void keyPressed(int page);
    void mouseReleased(int page);
    bool m_releasing = false; // a mouse release is being handed to an editor first
    bool m_typing = false;    // a key press is being handed to an editor first
    void setModeChecked(QAction *chosen);
    // Tool tips of the toolbar buttons and the icons, in the UI language.
    void updateToolTips();
    // The layout, in Unit1Layout.cpp.
    void storeLayout();
    void restoreLayout();
    void growForPanel();
    void fitToolBar();
    bool m_geometryRestored = false;
    bool m_grownForPanel = false;
    bool m_fittingToolBar = false;
    void createOutputWindow(); // Form3, in Unit1Generate.cpp
    // The panel and its commands, in Unit1Panel.cpp.
    void buildPanel();
    void applyPanelCaptions();
    void updateUndoActions();
    // A page's list, counter and last edit, as its undo steps carry them.
    PageState pageState(int page) const;
    // builtList: state.list already filled into a document (shown as it is).
    void setPageState(int page, const PageState &state, std::unique_ptr<QTextDocument> builtList = {});
    PageStateRead pageStateRead(int page);
    PageStateApply pageStateApply(int page);
    // Recent units, in Unit1Recent.cpp.
    void buildRecentMenu();
    void showRecentMenu();
    void rememberUnit(const QString &chosen);
    void storeRecentUnits();
    RecentUnits m_recent;
    QMenu *m_recentMenu = nullptr; // "RecentUnits1", in the File menu after Open
    void createTranslateItems(QMenu *menu); // in Unit1Translate.cpp
    // Unit1Lists.cpp: the lists that last beside a unit.
    void createListItems(QMenu *menu);
    void hintListBeside();             // after Open: a list file beside the unit, the numbers the page uses
    void noteNewName(const QString &name); // after Extract: warns when the page used the name before
    void setNameInUseWarning(const QString &warning);
    std::set<int> m_numbersInUse; // the numbers of names the C++ page used when opened
    QString m_nameInUseWarning;

public:
    // Extract gave a name the C++ page used before; "" when not.
    const QString &nameInUseWarning() const { return m_nameInUseWarning; }

private:

    bool savePageForPrompt(int page);
    bool saveAs(int page);
    // The close and Open questions about unsaved pages and lists; false
    // when the user cancelled.
    bool settleUnsaved(unsigned firstPageText, Dialogs::Icon icon, bool prefixBaseName);
    // The extraction list of a page: the list editor for the shown page,
    // else its slot. syncList() moves the list editor's changes into the
    // shown page's session.
    QString listText(int page) const;
    void syncList();
    bool saveList(int page);
    void listWrittenOut();

    MessagePump::Clock m_pumpClock = MessagePump::steadyMs;
    MessagePump m_busyPump{10, [this] { return m_pumpClock(); }};

    int m_currentPage = 0;
    bool m_shownOnce = false;
    QString m_searchText; // Find Text's search text, kept for the run
};
