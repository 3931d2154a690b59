#pragma once
// Reading and writing PO files through libgettextpo.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace PoFile {

struct TemplateMessage
{
    QString context;
    QString text;
    QString comment;        // for the translator (#.)
    QStringList references; // file names (#:)
};

// A PO template in UTF-8: the usual header, then the messages in order, each
// with an empty translation.
QByteArray writeTemplate(const QString &project, const QDateTime &created, const QList<TemplateMessage> &messages);

struct Message
{
    QString context; // "" when the message has none
    QString text;    // msgid
    QString translation;
    bool fuzzy = false;
};

struct Catalog
{
    QString language;        // header field Language, "" when missing
    QList<Message> messages; // without header and obsolete messages
};

// Reads the PO file at path; texts are converted from the header's charset.
// Raises Exception naming the file and the first problem when the file
// cannot be read or parsed.
Catalog read(const QString &path);

} // namespace PoFile
