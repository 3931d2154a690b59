#pragma once
// Several files replaced all together or not at all: each new content is
// written to a temporary file beside its target, synced and closed at once;
// only commit() renames them over their targets. An error before then, or
// destruction without commit(), removes every temporary file and leaves
// every target as it was.
//
// A unit's files (the constructor with folder and base) commit through a
// journal, so that a kill at any instant leaves the unit wholly old or,
// once recoverStaged() has looked at it, wholly new:
//   stage   every file as .<base>.vtqx-XXXXXXXX.tmp, synced
//   record  .<base>.vtqx-journal: each temporary, its target, size and hash;
//           synced, then the folder synced
//   rename  every temporary over its target, then the folders synced
//   forget  the journal removed
#include "platform/core/FileOps.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>
#include <QStringList>

#include <vector>

class StagedFiles
{
public:
    explicit StagedFiles(FileOps &ops = FileOps::system());
    // The files of unit base in folder (ending with or without a separator).
    StagedFiles(const QString &folder, const QString &base, FileOps &ops = FileOps::system());
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;
    ~StagedFiles();

    // Raises Exception unless target can be replaced: its folder exists and
    // is writable, and it is missing or a regular file with a write
    // permission bit (a read-only source stays read-only: it is refused).
    // A symbolic link counts as the file it leads to.
    static void checkTarget(const QString &target);
    // Writes bytes to a new temporary file beside target (beside the file a
    // link leads to). Raises Exception naming target and the system's
    // reason ("No space left on device").
    void stage(const QString &target, QByteArrayView bytes);
    // The same with the bytes in pieces: begin(), write() as often as
    // needed, restart() to drop what was written, end() to sync and close.
    void begin(const QString &target);
    void write(QByteArrayView bytes);
    void restart();
    void end();
    // Renames every staged file over its target, in the order staged.
    // Raises Exception naming the target that could not be replaced and the
    // reason. A unit's commit that fails after its journal is in place
    // leaves the journal for recoverStaged() to finish.
    void commit();

private:
    struct Staged
    {
        QString temporary, target;
        qint64 size = 0;
        QByteArray hash;
    };
    QString temporaryName(const QString &target) const;
    void writeJournal();
    void flushBuffer();
    void removeAll();
    [[noreturn]] void failed(const QString &reason);
    FileOps &m_ops;
    QString m_folder, m_base; // empty: no journal
    std::vector<Staged> m_staged;
    QFile m_file; // the one being written
    QByteArray m_buffer; // written to it when full and at end()
    static constexpr qsizetype kBufferSize = 256 * 1024;
    QCryptographicHash m_hash{QCryptographicHash::Md5};
};

// The journal's and the temporary files' names of unit base.
QString journalName(const QString &base);
bool isStagedFileName(const QString &name, const QString &base);

// What recoverStaged() found and did with a unit's files.
struct StagedRecovery
{
    enum Outcome {
        Nothing,       // no journal, no temporary file
        Cleaned,       // no journal: the temporary files of a run that stopped were removed
        RolledForward, // the journal's renames were finished
        RolledBack,    // the journal named files that were not complete: nothing was renamed
        Failed,        // the journal could not be carried out (reason): left in place
    } outcome = Nothing;
    QStringList files;       // the targets renamed (forward) or left as they were (back)
    int removed = 0;         // temporary files removed
    QString reason;          // Failed: what stopped it
};

// Looks for a journal of unit base in folder left by a run that stopped and
// rolls the unit forward, when every staged file is complete and present,
// or back; then removes the unit's left temporary files. The caller holds
// the unit's lock.
StagedRecovery recoverStaged(const QString &folder, const QString &base, FileOps &ops = FileOps::system());
