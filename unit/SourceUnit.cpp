#include "SourceUnit.h"

#include "Exception.h"
#include "Paths.h"

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
        LoadedText loaded = TextFile::load(f.path);
        f.text = std::move(loaded.text);
        f.encoding = loaded.encoding;
        f.loaded = true;
    } catch (const Exception &e) {
        f.error = e.Message();
        // A missing file is simply created by a save; one that exists but
        // could not be read must never be replaced by the page.
        f.loadFailed = QFileInfo::exists(f.path);
    }
}

void SourceUnit::save(SourcePage p, const QString &text) const
{
    if (page(p).loadFailed)
        throw Exception(message(FileText::PageNotRead, page(p).path));
    write(p, page(p).path, text);
}

void SourceUnit::saveAs(SourcePage p, const QString &path, const QString &text) const
{
    if (page(p).loadFailed && QFileInfo(path) == QFileInfo(page(p).path))
        throw Exception(message(FileText::SaveAsOverUnread, path));
    write(p, path, text);
}

void SourceUnit::write(SourcePage p, const QString &path, const QString &text) const
{
    const QByteArray bytes = TextFile::encode(text, page(p).encoding);
    // The tool must be able to open every file it writes.
    if (bytes.size() > TextFile::kMaxSize)
        throw Exception(message(FileText::TooLargeToSave, path).arg(bytes.size()));
    TextFile::writeAtomically(path, bytes);
}

QString SourceUnit::message(FileText id, const QString &path) const
{
    return fileText(id, m_language).arg(QDir::toNativeSeparators(path));
}
