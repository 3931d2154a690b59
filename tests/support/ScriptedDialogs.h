#pragma once
// Dialogs for tests: every question is recorded and answered from a prepared
// script. A question that the script does not expect fails the test and gets
// the safest answer (Cancel / nothing).
#include "platform/gui/Dialogs.h"

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind { Message, OpenFile, SaveFile, Input, Modal, OpenFiles };

    struct Question
    {
        Kind kind;
        QString caption;   // message caption, input caption
        QString text;      // message text, input prompt, default answer for input
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        FileRequest file;  // open and save dialogs
        QString defaultAnswer;
        QDialog *dialog = nullptr;
    };

    struct Answer
    {
        Kind kind;
        Button button = Button::None;          // messages
        std::optional<QString> text;           // files and input; nothing = cancel
        std::function<void(QDialog *)> whileShown; // modal windows
        std::optional<QStringList> files;      // several files; nothing = cancel
    };

    ScriptedDialogs() { Dialogs::install(this); }
    ~ScriptedDialogs() override;

    // Script the next answers, in order.
    ScriptedDialogs &answerMessage(Button b) { m_script.push_back({Kind::Message, b, {}, {}, {}}); return *this; }
    ScriptedDialogs &answerOpen(std::optional<QString> path) { m_script.push_back({Kind::OpenFile, Button::None, std::move(path), {}, {}}); return *this; }
    ScriptedDialogs &answerSave(std::optional<QString> path) { m_script.push_back({Kind::SaveFile, Button::None, std::move(path), {}, {}}); return *this; }
    ScriptedDialogs &answerOpenFiles(std::optional<QStringList> paths) { m_script.push_back({Kind::OpenFiles, Button::None, {}, {}, std::move(paths)}); return *this; }
    ScriptedDialogs &answerInput(std::optional<QString> text) { m_script.push_back({Kind::Input, Button::None, std::move(text), {}, {}}); return *this; }
    ScriptedDialogs &answerModal(std::function<void(QDialog *)> whileShown = {}) { m_script.push_back({Kind::Modal, Button::None, {}, std::move(whileShown), {}}); return *this; }

    const std::vector<Question> &asked() const { return m_asked; }
    const Question &last() const { return m_asked.back(); }
    int pending() const { return int(m_script.size()); }
    void clear() { m_asked.clear(); m_script.clear(); }

    Button message(QWidget *parent, const QString &caption, const QString &text, Icon icon, Buttons buttons) override;
    std::optional<QString> openFile(QWidget *parent, const FileRequest &request) override;
    std::optional<QString> saveFile(QWidget *parent, const FileRequest &request) override;
    std::optional<QStringList> openFiles(QWidget *parent, const FileRequest &request) override;
    std::optional<QString> input(QWidget *parent, const QString &caption, const QString &prompt,
                                 const QString &defaultAnswer) override;
    void showModal(QDialog *dialog) override;

private:
    std::optional<Answer> next(Kind kind, const Question &q);
    std::deque<Answer> m_script;
    std::vector<Question> m_asked;
};
