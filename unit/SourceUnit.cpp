#include "unit/SourceUnit.h"

#include "platform/core/Exception.h"
#include "platform/core/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace UnitFiles {
bool isUnreachableName(const QString &path)
{
    // Qt decodes a file name that is not UTF-8 with replacement characters;
    // the decoded name then leads to no file, and a save would create a new
    // file of another name next to the real one.
    return path.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(path);
}
} // namespace UnitFiles

SourceUnit SourceUnit::locate(const QString &path, Language lang)
{
    SourceUnit unit;
    unit.m_language = lang;
    if (UnitFiles::isUnreachableName(path))
        throw Exception(unit.message(FileText::NameNotReachable, path));
    // A relative path (command line) is taken from the current folder.
    const QString full = QDir::isRelativePath(path) ? QDir::current().absoluteFilePath(path) : path;
    unit.m_baseName = Paths::baseName(full);
    unit.m_folder = Paths::withTrailingSeparator(Paths::directoryPart(full));
    for (SourcePage p : kSourcePages)
        unit.m_pages[size_t(p)].path =
            Paths::resolveCaseInsensitive(unit.m_folder, unit.m_baseName + sourcePageExtension(p));
    return unit;
}

SourceUnit SourceUnit::open(const QString &path, Language lang)
{
    SourceUnit unit = locate(path, lang);
    for (SourcePage p : kSourcePages)
        unit.load(p);
    return unit;
}

void SourceUnit::load(SourcePage p)
{
    PageFile &f = m_pages[size_t(p)];
    const QString path = f.path;
    f = PageFile();
    f.path = path;
    if (!isOpen())
        return;
    try {
        LoadedText loaded = loadBeside(f.path);
        f.text = std::move(loaded.text);
        f.encoding = loaded.encoding;
        f.notKept = loaded.notKept;
        f.loaded = true;
    } catch (const Exception &e) {
        f.error = e.Message();
        // A missing file is simply created by a save; one that exists but
        // could not be read must never be replaced by the page.
        f.loadFailed = QFileInfo::exists(f.path);
    }
}

void SourceUnit::setEncodingChoice(std::optional<TextEncoding> chosen)
{
    m_choice = chosen;
    m_guessed = false;
    m_guess.reset();
}

void SourceUnit::setProjectEncoding(std::optional<TextEncoding> named)
{
    m_project = named;
    m_guessed = false;
    m_guess.reset();
}

TextEncoding SourceUnit::codePage() const
{
    if (given())
        return *given();
    findGuess();
    return m_guess ? m_guess->encoding : TextEncoding::Cp1252;
}

std::optional<CodePages::Guess> SourceUnit::guess() const
{
    if (given())
        return std::nullopt;
    findGuess();
    return m_guess;
}

void SourceUnit::findGuess() const
{
    if (m_guessed)
        return;
    m_guessed = true;
    if (!isOpen())
        return;
    // A header or form with a few accented letters says little alone: the
    // unit's 8-bit files are measured together, with the files named after
    // it (its lists hold the texts extracted from it).
    QStringList files;
    for (const PageFile &f : m_pages)
        files << f.path;
    const QDir folder(m_folder);
    for (const QFileInfo &info : folder.entryInfoList({m_baseName + QStringLiteral(".*")}, QDir::Files, QDir::Name))
        if (!files.contains(info.filePath()))
            files << info.filePath();
    QByteArray eightBit;
    for (const QString &path : files) {
        try {
            const QByteArray bytes = TextFile::read(path);
            if (!TextFile::isUnicode(bytes))
                eightBit += bytes + '\n';
        } catch (const Exception &) {
            // A missing or unreadable page tells nothing.
        }
    }
    if (!eightBit.isEmpty())
        m_guess = CodePages::guess(eightBit);
}

LoadedText SourceUnit::loadBeside(const QString &path) const
{
    const QByteArray bytes = TextFile::read(path);
    if (given() || TextFile::isUnicode(bytes))
        return TextFile::decode(bytes, given());
    return TextFile::decode(bytes, std::nullopt, codePage());
}

void SourceUnit::save(SourcePage p, const QString &text) const
{
    PageWriter w = saver(p);
    w.write(text);
    w.commit();
}

void SourceUnit::saveAs(SourcePage p, const QString &path, const QString &text) const
{
    PageWriter w = saverAs(p, path);
    w.write(text);
    w.commit();
}

PageWriter SourceUnit::saver(SourcePage p, bool dry) const
{
    if (page(p).loadFailed)
        throw Exception(message(FileText::PageNotRead, page(p).path));
    if (page(p).notKept.row != 0)
        throw Exception(notKeptMessage(p));
    return writer(p, page(p).path, dry);
}

PageWriter SourceUnit::saverAs(SourcePage p, const QString &path, bool dry) const
{
    if (page(p).loadFailed && QFileInfo(path) == QFileInfo(page(p).path))
        throw Exception(message(FileText::SaveAsOverUnread, path));
    return writer(p, path, dry);
}

PageWriter SourceUnit::writer(SourcePage p, const QString &path, bool dry) const
{
    return PageWriter(path, page(p).encoding, message(FileText::TooLargeToSave, path), dry);
}

namespace {
constexpr qsizetype kChunk = 256 * 1024;
}

PageWriter::PageWriter(const QString &path, TextEncoding encoding, QString tooLarge, bool dry)
    : m_encoder(encoding), m_tooLarge(std::move(tooLarge))
{
    if (!dry)
        m_file = std::make_unique<TextFile::AtomicFile>(path);
}

void PageWriter::write(QStringView piece)
{
    // Large pieces are encoded in parts, which keeps the buffer small.
    for (qsizetype at = 0; at < piece.size(); at += kChunk) {
        m_encoder.encode(piece.sliced(at, std::min(kChunk, piece.size() - at)), m_buffer);
        if (m_buffer.size() >= kChunk)
            flush();
    }
}

void PageWriter::flush()
{
    m_size += m_buffer.size();
    if (m_file)
        m_file->write(m_buffer);
    m_buffer.resize(0); // keeps the capacity for the next chunk
}

void PageWriter::commit()
{
    m_encoder.finish(m_buffer);
    flush();
    // The tool must be able to open every file it writes.
    if (m_size > TextFile::kMaxSize)
        throw Exception(m_tooLarge.arg(m_size));
    if (m_file)
        m_file->commit();
}

QString SourceUnit::notKeptMessage(SourcePage p) const
{
    const PageFile &f = page(p);
    return message(FileText::BytesNotKept, f.path)
        .arg(f.notKept.row)
        .arg(f.notKept.col)
        .arg(CodePages::displayName(f.encoding));
}

QString SourceUnit::message(FileText id, const QString &path) const
{
    return fileText(id, m_language).arg(QDir::toNativeSeparators(path));
}
