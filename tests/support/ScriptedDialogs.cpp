#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {
const char *kindName(ScriptedDialogs::Kind k)
{
    switch (k) {
    case ScriptedDialogs::Kind::Message: return "message box";
    case ScriptedDialogs::Kind::OpenFile: return "open dialog";
    case ScriptedDialogs::Kind::SaveFile: return "save dialog";
    case ScriptedDialogs::Kind::Input: return "input box";
    case ScriptedDialogs::Kind::Modal: return "modal window";
    case ScriptedDialogs::Kind::OpenFiles: return "open dialog for several files";
    }
    return "?";
}
} // namespace

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(nullptr);
    EXPECT_TRUE(m_script.empty()) << m_script.size() << " scripted answer(s) were never asked for, the first a "
                                  << kindName(m_script.front().kind);
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::next(Kind kind, const Question &q)
{
    m_asked.push_back(q);
    if (m_script.empty() || m_script.front().kind != kind) {
        ADD_FAILURE() << "Unexpected " << kindName(kind) << ": \"" << q.caption.toStdString() << "\" / \""
                      << q.text.toStdString() << "\"" << (m_script.empty() ? "" : ", expected a ")
                      << (m_script.empty() ? "" : kindName(m_script.front().kind));
        return std::nullopt;
    }
    Answer a = std::move(m_script.front());
    m_script.pop_front();
    return a;
}

Dialogs::Button ScriptedDialogs::message(QWidget *, const QString &caption, const QString &text, Icon icon,
                                         Buttons buttons)
{
    Question q{Kind::Message, caption, text, icon, buttons, {}, {}, nullptr};
    const auto a = next(Kind::Message, q);
    if (!a)
        return buttons == Buttons::Ok ? Button::Ok : Button::Cancel;
    return a->button;
}

std::optional<QString> ScriptedDialogs::openFile(QWidget *, const FileRequest &request)
{
    Question q{Kind::OpenFile, request.title, {}, Icon::None, Buttons::Ok, request, {}, nullptr};
    const auto a = next(Kind::OpenFile, q);
    return a ? a->text : std::nullopt;
}

std::optional<QStringList> ScriptedDialogs::openFiles(QWidget *, const FileRequest &request)
{
    Question q{Kind::OpenFiles, request.title, {}, Icon::None, Buttons::Ok, request, {}, nullptr};
    const auto a = next(Kind::OpenFiles, q);
    return a ? a->files : std::nullopt;
}

std::optional<QString> ScriptedDialogs::saveFile(QWidget *, const FileRequest &request)
{
    Question q{Kind::SaveFile, request.title, {}, Icon::None, Buttons::Ok, request, {}, nullptr};
    const auto a = next(Kind::SaveFile, q);
    return a ? a->text : std::nullopt;
}

std::optional<QString> ScriptedDialogs::input(QWidget *, const QString &caption, const QString &prompt,
                                              const QString &defaultAnswer)
{
    Question q{Kind::Input, caption, prompt, Icon::None, Buttons::Ok, {}, defaultAnswer, nullptr};
    const auto a = next(Kind::Input, q);
    return a ? a->text : std::nullopt;
}

void ScriptedDialogs::showModal(QDialog *dialog)
{
    Question q{Kind::Modal, {}, {}, Icon::None, Buttons::Ok, {}, {}, dialog};
    const auto a = next(Kind::Modal, q);
    if (a && a->whileShown)
        a->whileShown(dialog);
}
