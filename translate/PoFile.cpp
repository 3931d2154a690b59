#include "translate/PoFile.h"

#include "platform/core/Exception.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <gettext-po.h>

#include <cstdlib>
#include <memory>

namespace PoFile {

namespace {
// The library reports through plain function pointers: collect into the list
// of the call in progress (one at a time per thread).
thread_local QStringList *g_problems = nullptr;

QString where(const char *file, size_t line)
{
    if (!file)
        return QString();
    QString w = QString::fromLocal8Bit(file);
    if (line != size_t(-1))
        w += u':' + QString::number(line);
    return w + QStringLiteral(": ");
}

void xerror(int severity, po_message_t, const char *file, size_t line, size_t, int, const char *text)
{
    if (g_problems && severity >= PO_SEVERITY_ERROR)
        *g_problems << where(file, line) + QString::fromUtf8(text).trimmed();
}

void xerror2(int severity, po_message_t, const char *file1, size_t line1, size_t, int, const char *text1, po_message_t,
             const char *, size_t, size_t, int, const char *text2)
{
    if (g_problems && severity >= PO_SEVERITY_ERROR)
        *g_problems << where(file1, line1) + QString::fromUtf8(text1).trimmed() + u' '
                           + QString::fromUtf8(text2).trimmed();
}

const po_xerror_handler kHandler{xerror, xerror2};

struct Collect
{
    QStringList problems;
    Collect() { g_problems = &problems; }
    ~Collect() { g_problems = nullptr; }
};

struct FileFree
{
    void operator()(po_file *f) const { po_file_free(f); }
};
using File = std::unique_ptr<po_file, FileFree>;

QString fieldOf(const char *header, const char *name)
{
    if (!header)
        return QString();
    char *value = po_header_field(header, name);
    const QString out = value ? QString::fromUtf8(value).trimmed() : QString();
    std::free(value);
    return out;
}

const QString kHeader = QStringLiteral("Project-Id-Version: %1\n"
                                       "Report-Msgid-Bugs-To: \n"
                                       "POT-Creation-Date: %2\n"
                                       "PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\n"
                                       "Last-Translator: FULL NAME <EMAIL@ADDRESS>\n"
                                       "Language-Team: LANGUAGE <LL@li.org>\n"
                                       "Language: \n"
                                       "MIME-Version: 1.0\n"
                                       "Content-Type: text/plain; charset=UTF-8\n"
                                       "Content-Transfer-Encoding: 8bit\n");
} // namespace

qsizetype directiveLength(const QString &text, qsizetype at)
{
    // flags, width, precision, length modifier, conversion; an argument
    // position ahead (%1$s) as the printf of POSIX takes it.
    static const QRegularExpression directive(QStringLiteral(
        "%(?:[1-9][0-9]*\\$)?[-+#0']*(?:[0-9]+|\\*)?(?:\\.(?:[0-9]+|\\*)?)?(?:hh|h|ll|l|L|q|j|z|t)?[diouxXeEfFgGaAcspn%]"));
    const QRegularExpressionMatch m =
        directive.match(text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    return m.hasMatch() ? m.capturedLength() : 0;
}

bool isCFormat(const QString &text)
{
    bool any = false, numbered = false, unnumbered = false;
    for (qsizetype at = text.indexOf(u'%'); at >= 0; at = text.indexOf(u'%', at)) {
        const qsizetype length = directiveLength(text, at);
        if (length == 0)
            return false;
        any = true;
        const QStringView d = QStringView(text).sliced(at, length);
        if (!d.endsWith(u'%'))
            (d.contains(u'$') ? numbered : unnumbered) = true;
        at += length;
    }
    // printf takes arguments either all by position or none.
    return any && !(numbered && unnumbered);
}

QByteArray writeTemplate(const QString &project, const QDateTime &created, const QList<TemplateMessage> &messages)
{
    return writeCatalog(project, created, QString(), messages);
}

QByteArray writeCatalog(const QString &project, const QDateTime &created, const QString &language,
                        const QList<TemplateMessage> &messages)
{
    // "2026-12-07 11:40+0100"
    const int offset = created.offsetFromUtc() / 60;
    const QString creationDate = created.toString(QStringLiteral("yyyy-MM-dd HH:mm")) + (offset < 0 ? u'-' : u'+')
                                 + QStringLiteral("%1%2")
                                       .arg(qAbs(offset) / 60, 2, 10, QLatin1Char('0'))
                                       .arg(qAbs(offset) % 60, 2, 10, QLatin1Char('0'));
    File file(po_file_create());
    po_message_iterator_t it = po_message_iterator(file.get(), nullptr);
    po_message_t header = po_message_create();
    po_message_set_msgid(header, "");
    QString head = kHeader.arg(project, creationDate);
    if (!language.isEmpty())
        head.replace(QStringLiteral("YEAR-MO-DA HO:MI+ZONE"), creationDate)
            .replace(QStringLiteral("FULL NAME <EMAIL@ADDRESS>"), QStringLiteral("vtqx-cli"))
            .replace(QStringLiteral("LANGUAGE <LL@li.org>"), language)
            .replace(QStringLiteral("Language: \n"), QStringLiteral("Language: ") + language + u'\n');
    po_message_set_msgstr(header, head.toUtf8().constData());
    po_message_set_fuzzy(header, language.isEmpty() ? 1 : 0);
    po_message_insert(it, header);
    for (const TemplateMessage &m : messages) {
        po_message_t message = po_message_create();
        po_message_set_msgctxt(message, m.context.toUtf8().constData());
        po_message_set_msgid(message, m.text.toUtf8().constData());
        po_message_set_msgstr(message, m.translation.toUtf8().constData());
        if (!m.comment.isEmpty())
            po_message_set_extracted_comments(message, m.comment.toUtf8().constData());
        for (const Reference &ref : m.references)
            po_message_add_filepos(message, ref.file.toUtf8().constData(),
                                   ref.line > 0 ? size_t(ref.line) : size_t(-1));
        if (m.cFormat)
            po_message_set_format(message, "c-format", 1);
        po_message_insert(it, message);
    }
    po_message_iterator_free(it);

    QTemporaryFile out(QDir::tempPath() + QStringLiteral("/vtqx-XXXXXX.pot"));
    if (!out.open())
        throw Exception(QStringLiteral("Cannot create a temporary file. %1").arg(out.errorString()));
    out.close();
    Collect collect;
    po_file_write(file.get(), QFile::encodeName(out.fileName()).constData(), &kHandler);
    if (!collect.problems.isEmpty())
        throw Exception(collect.problems.first());
    if (!out.open())
        throw Exception(QStringLiteral("Cannot read \"%1\". %2").arg(out.fileName(), out.errorString()));
    return out.readAll();
}

Catalog read(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        throw Exception(QStringLiteral("Cannot open file \"%1\".").arg(shown));
    Collect collect;
    File file(po_file_read(QFile::encodeName(path).constData(), &kHandler));
    if (!collect.problems.isEmpty())
        throw Exception(QStringLiteral("%1 is not a valid PO file: %2").arg(shown, collect.problems.first()));
    if (!file)
        throw Exception(QStringLiteral("Cannot read file \"%1\".").arg(shown));

    Catalog catalog;
    // The library hands out a copy of the header that the caller frees.
    char *header = const_cast<char *>(po_file_domain_header(file.get(), nullptr));
    catalog.language = fieldOf(header, "Language");
    catalog.pluralForms = fieldOf(header, "Plural-Forms");
    // Content-Type: text/plain; charset=UTF-8
    const QString type = fieldOf(header, "Content-Type");
    std::free(header);
    const auto charset = QRegularExpression(QStringLiteral("charset=([^;\\s]+)")).match(type).captured(1);
    const QByteArray charsetName =
        charset.isEmpty() || charset == u"CHARSET" ? QByteArray("UTF-8") : charset.toLatin1();
    QStringDecoder decoder(charsetName.constData());
    if (!decoder.isValid())
        throw Exception(QStringLiteral("%1: unknown character set \"%2\".").arg(shown, charset));
    const auto text = [&](const char *s) { return s ? decoder.decode(QByteArrayView(s)) : QString(); };

    po_message_iterator_t it = po_message_iterator(file.get(), nullptr);
    while (po_message_t m = po_next_message(it)) {
        if (po_message_is_obsolete(m))
            continue;
        const char *context = po_message_msgctxt(m);
        if (!context && *po_message_msgid(m) == '\0')
            continue; // the header
        Message message;
        message.context = text(context);
        message.text = text(po_message_msgid(m));
        message.translation = text(po_message_msgid_plural(m) ? po_message_msgstr_plural(m, 0) : po_message_msgstr(m));
        message.fuzzy = po_message_is_fuzzy(m) != 0;
        catalog.hasPlurals = catalog.hasPlurals || po_message_msgid_plural(m);
        catalog.messages << message;
    }
    po_message_iterator_free(it);
    return catalog;
}

} // namespace PoFile
