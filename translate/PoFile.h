#pragma once
// Reading and writing PO files through libgettextpo.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace PoFile {

struct Reference
{
    QString file;
    int line = 0; // 1-based; 0 when unknown
};

struct TemplateMessage
{
    QString context;
    QString text;
    QString comment;           // for the translator (#.)
    QList<Reference> references; // #: file:line
    bool cFormat = false;      // #, c-format
    QString translation;       // msgstr; "" in a template
};

// The length of the printf directive at text[at] ("%d", "%5.2f", "%1$s",
// "%%"); 0 when none begins there.
qsizetype directiveLength(const QString &text, qsizetype at);

// Whether text is a printf format: it holds at least one directive (%d,
// %s, %5.2f, %%, %1$s ...) and every % begins one. A % followed by a blank
// ("100% done") is taken as a plain percent sign, not as the space flag.
bool isCFormat(const QString &text);

// A PO template in UTF-8: the usual header, then the messages in order, each
// with an empty translation.
QByteArray writeTemplate(const QString &project, const QDateTime &created, const QList<TemplateMessage> &messages);

// A PO file of language in UTF-8: the header filled in (not fuzzy), then the
// messages with their translations. writeTemplate is this with no language.
QByteArray writeCatalog(const QString &project, const QDateTime &created, const QString &language,
                        const QList<TemplateMessage> &messages);

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
    QString pluralForms;     // header field Plural-Forms, "" when missing
    bool hasPlurals = false; // some message has msgid_plural
    QList<Message> messages; // without header and obsolete messages
};

// Reads the PO file at path; texts are converted from the header's charset.
// Raises Exception naming the file and the first problem when the file
// cannot be read or parsed.
Catalog read(const QString &path);

} // namespace PoFile
