#pragma once
// The general exception class of the program: one class, told apart only by
// its message text. Command handlers let it escape; the window wiring shows
// the text in the application's standard error display.
#include <QString>
#include <exception>
#include <string>

class Exception : public std::exception
{
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toStdString()) {}
    const QString &Message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};
