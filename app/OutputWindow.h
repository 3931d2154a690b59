#pragma once
// The output window: shows what a generator produced and saves it, copies it
// or appends it to the C++ source as a comment block. Created once, shown
// modally by the generators.
#include "generate/OutputFile.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QToolButton;
class FolderMemory;
class UiLanguage;

class OutputWindow : public QDialog
{
    Q_OBJECT
public:
    // Where Add to CPP writes: the main window's C++ source editor, and how
    // that page is marked modified afterwards.
    struct CppTarget
    {
        QPlainTextEdit *editor = nullptr;
        std::function<void()> markModified;
    };

    // language: follows its switch announcement; folders: holds InitSaveDir.
    OutputWindow(QWidget *parent, UiLanguage *language, FolderMemory *folders, CppTarget cpp);

    // --- Operations used by the generators ---
    void setCaption(const QString &caption);
    // What the generator made; decides how Save To Disk marks UTF-8.
    // What the text is, and the code page a save writes it in.
    void setOutputKind(OutputKind kind, TextEncoding codePage = TextEncoding::Cp1252)
    {
        m_kind = kind;
        m_codePage = codePage;
    }
    // Called after the text was saved, copied or added to the source.
    void setWrittenOut(std::function<void()> writtenOut) { m_writtenOut = std::move(writtenOut); }
    // Shows warning above the text; "" hides it.
    void setWarning(const QString &warning);
    void clearText();
    // Adds one line at the end; the text always ends with a line break.
    void appendLine(const QString &line);
    void appendLines(const QStringList &lines);
    // Shows the window; returns when it is closed.
    void showModally();
    // Whole text with CR LF line breaks.
    QString text() const;

public slots:
    void applyCaptions(); // button captions of the UI language
    void saveToDisk();
    void copyToClipboard();
    void addToCpp();
    void closeWindow();

protected:
    // Esc leaves the window open: its text may hold the user's corrections.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Object names Panel1, SpeedButton1 (Save To Disk), SpeedButton3 (To
    // Clipboard), SpeedButton4 (Add to CPP), SpeedButton2 (Close Window),
    // Memo1 and ListWarning.
    QWidget *m_buttonBar;
    QToolButton *m_saveButton;
    QToolButton *m_copyButton;
    QToolButton *m_addButton;
    QToolButton *m_closeButton;
    QPlainTextEdit *m_text;
    QLabel *m_warning; // above the text; hidden unless the list gives broken output

    QString ownText(unsigned n) const;
    void writtenOut();

    UiLanguage *m_language;
    FolderMemory *m_folders;
    CppTarget m_cpp;
    OutputKind m_kind = OutputKind::Text;
    TextEncoding m_codePage = TextEncoding::Cp1252;
    std::function<void()> m_writtenOut;
};
