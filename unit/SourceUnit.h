#pragma once
// A source unit: the C++ source, its header and its form description, one
// base name in one folder. Finds the page files (ignoring case where the
// exact name is missing), loads them keeping their encodings, and saves
// atomically, never over a file a page failed to read and never a file too
// large to load again. Used by the window and by the command line alike.
#include "uitext/Catalogue.h"
#include "uitext/FileTexts.h"
#include "platform/core/SourcePage.h"
#include "platform/core/CodePages.h"
#include "platform/core/TextFile.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

struct PageFile
{
    QString path;              // the file the page reads and writes
    QString text;              // the loaded text (line breaks as in the file)
    TextEncoding encoding = TextEncoding::Utf8; // a missing file is saved as UTF-8
    bool loaded = false;       // text is the file's content
    bool loadFailed = false;   // the file exists but could not be read
    RowCol notKept;            // where the bytes would not survive a save (row 0: they all do)
    QString error;             // why it did not load
};

// A page's text saved in pieces, so that a large text need not exist whole:
// the bytes and the errors of SourceUnit::save() or saveAs(), the file
// replaced only by commit(). A dry writer writes nothing: it only checks.
class PageWriter
{
public:
    // Raises when a character does not fit the encoding or a write fails.
    void write(QStringView piece);
    // Raises, leaving the old file, when the bytes exceed the load limit.
    void commit();

private:
    friend class SourceUnit;
    PageWriter(const QString &path, TextEncoding encoding, QString tooLarge, bool dry);
    void flush();

    TextFile::Encoder m_encoder;
    std::unique_ptr<TextFile::AtomicFile> m_file; // none when dry
    QByteArray m_buffer;
    qint64 m_size = 0;
    QString m_tooLarge; // the message, with %1 for the size
};

class SourceUnit
{
public:
    // No unit: every page without a file.
    SourceUnit() = default;

    // The unit that path names (any of its three files, as Open takes it),
    // its pages not loaded yet. A name without a dot gives no unit. Raises
    // when the name cannot reach the file system unchanged (not UTF-8).
    static SourceUnit locate(const QString &path, Language lang = Language::English);
    // locate() and load() of every page.
    static SourceUnit open(const QString &path, Language lang = Language::English);

    bool isOpen() const { return !m_baseName.isEmpty(); }
    QString baseName() const { return m_baseName; }
    QString folder() const { return m_folder; } // ends with the separator
    const PageFile &page(SourcePage p) const { return m_pages[size_t(p)]; }
    QString path(SourcePage p) const { return page(p).path; }
    // The page was loaded, and its file did not exist.
    bool isMissing(SourcePage p) const { return !page(p).loaded && !page(p).loadFailed; }

    // Language of the messages raised from now on.
    void setLanguage(Language lang) { m_language = lang; }

    // The encoding chosen for the unit (command line, window), else the one
    // its project file names, is used for every file without a byte order
    // mark; with neither: UTF-8 when the bytes are valid UTF-8, else
    // codePage().
    void setEncodingChoice(std::optional<TextEncoding> chosen);
    std::optional<TextEncoding> encodingChoice() const { return m_choice; }
    void setProjectEncoding(std::optional<TextEncoding> named);
    // The code page of the unit's files that are neither marked nor UTF-8:
    // the choice, else the project file's, else the guess over those files
    // and the files named after the unit (its lists) together, else
    // Windows-1252. Reads the files the first time it is asked.
    TextEncoding codePage() const;
    // The guess codePage() rests on, when it rests on one.
    std::optional<CodePages::Guess> guess() const;
    // A file of the unit (a list beside it) decoded as its pages are.
    LoadedText loadBeside(const QString &path) const;

    // Reads the page's file (nothing without a unit). Never raises: a file
    // that exists but cannot be read is marked loadFailed.
    void load(SourcePage p);
    // The loaded text, handed over without a copy (the page keeps none).
    QString takeText(SourcePage p) { return std::move(m_pages[size_t(p)].text); }

    // Writes text to the page's file in the page's encoding. Raises, writing
    // nothing, when the page failed to load from that file or its bytes would
    // not survive (notKept), a character does
    // not fit the encoding, the bytes exceed the load limit, or the write
    // fails (the old file then stays as it was).
    void save(SourcePage p, const QString &text) const;
    // The same to another file (Save as); refuses the file the page failed
    // to read.
    void saveAs(SourcePage p, const QString &path, const QString &text) const;
    // save() and saveAs() in pieces; the refusals come here already.
    PageWriter saver(SourcePage p, bool dry = false) const;
    PageWriter saverAs(SourcePage p, const QString &path, bool dry = false) const;
    // Why the page is protected when its bytes would not survive a save:
    // the file, the first place and the encoding.
    QString notKeptMessage(SourcePage p) const;

private:
    QString message(FileText id, const QString &path) const;
    void findGuess() const;
    PageWriter writer(SourcePage p, const QString &path, bool dry) const;
    // The choice, else the project file's encoding.
    std::optional<TextEncoding> given() const { return m_choice ? m_choice : m_project; }

    QString m_baseName;
    QString m_folder;
    std::array<PageFile, 3> m_pages;
    Language m_language = Language::English;
    std::optional<TextEncoding> m_choice;
    std::optional<TextEncoding> m_project;
    mutable bool m_guessed = false; // m_guess holds the answer
    mutable std::optional<CodePages::Guess> m_guess;
};

namespace UnitFiles {
// True when path names nothing that exists but was decoded from a file name
// that is not UTF-8 (such a name cannot be reached through the decoded one).
bool isUnreachableName(const QString &path);
} // namespace UnitFiles
