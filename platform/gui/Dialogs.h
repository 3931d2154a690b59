#pragma once
// Every modal question of the program goes through this interface, so that
// tests can answer them from a script. The production implementation uses
// Qt's own widget dialogs.
#include "platform/core/Exception.h"

#include <QFlags>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QWidget;

class Dialogs
{
public:
    enum class Icon { None, Information, Question, Exclamation, Error };
    enum class Button { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };
    enum class Buttons { Ok, YesNoCancel, YesNo, OkCancel };

    enum FileOption {
        HideReadOnly = 0x1,
        PathMustExist = 0x2,
        FileMustExist = 0x4,
        OverwritePrompt = 0x8,
        EnableSizing = 0x10,
    };
    Q_DECLARE_FLAGS(FileOptions, FileOption)

    struct FileRequest
    {
        QString title;
        QString filter;        // "Description |*.a;*.b|Other |*.c"
        QString defaultExt;    // ".cpp" or "" for none
        QString initialDir;    // "" lets the dialog choose
        QString fileName;      // proposed name, without folder
        FileOptions options;
    };

    virtual ~Dialogs() = default;

    virtual Button message(QWidget *parent, const QString &caption, const QString &text, Icon icon,
                           Buttons buttons) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> openFile(QWidget *parent, const FileRequest &request) = 0;
    virtual std::optional<QString> saveFile(QWidget *parent, const FileRequest &request) = 0;
    // Several existing files at once; nothing when the user cancels.
    virtual std::optional<QStringList> openFiles(QWidget *parent, const FileRequest &request) = 0;
    // The answer, or nothing when the user cancels.
    virtual std::optional<QString> input(QWidget *parent, const QString &caption, const QString &prompt,
                                         const QString &defaultAnswer) = 0;
    // Shows a window modally; returns when it is closed.
    virtual void showModal(QDialog *dialog) = 0;

    // The application's standard error display.
    void showError(QWidget *parent, const QString &text);

    // The dialogs in use; Qt's own unless a test installed others.
    static Dialogs &instance();
    // Installs d (not owned); nullptr restores Qt's dialogs.
    static void install(Dialogs *d);

    // The options of every save dialog of the tool.
    static FileOptions saveOptions();

    // "CPP Files |*.cpp;*.h;*.dfm" -> "CPP Files (*.cpp *.h *.dfm)", one
    // entry per description and pattern pair, joined by ";;".
    static QString toQtFilter(const QString &filter);
};
Q_DECLARE_OPERATORS_FOR_FLAGS(Dialogs::FileOptions)

class QtDialogs : public Dialogs
{
public:
    Button message(QWidget *parent, const QString &caption, const QString &text, Icon icon,
                   Buttons buttons) override;
    std::optional<QString> openFile(QWidget *parent, const FileRequest &request) override;
    std::optional<QString> saveFile(QWidget *parent, const FileRequest &request) override;
    std::optional<QStringList> openFiles(QWidget *parent, const FileRequest &request) override;
    std::optional<QString> input(QWidget *parent, const QString &caption, const QString &prompt,
                                 const QString &defaultAnswer) override;
    void showModal(QDialog *dialog) override;
};

// Runs a command handler and shows what it lets escape in the standard error
// display; the window keeps its state.
template <typename F>
void runGuarded(QWidget *parent, F &&command)
{
    try {
        command();
    } catch (const Exception &e) {
        Dialogs::instance().showError(parent, e.Message());
    } catch (const std::exception &e) {
        Dialogs::instance().showError(parent, QString::fromLocal8Bit(e.what()));
    }
}

// Connects signal to command, which then runs guarded in receiver.
template <typename Sender, typename Signal, typename Receiver, typename F>
void connectGuarded(Sender *sender, Signal signal, Receiver *receiver, F command)
{
    QObject::connect(sender, signal, receiver, [receiver, command] { runGuarded(receiver, command); });
}

// The same for a handler of receiver that takes no argument.
template <typename Sender, typename Signal, typename Receiver>
void connectGuarded(Sender *sender, Signal signal, Receiver *receiver, void (Receiver::*handler)())
{
    connectGuarded(sender, signal, receiver, [receiver, handler] { (receiver->*handler)(); });
}
