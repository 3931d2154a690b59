#pragma once
// Several files replaced all together or not at all: each new content is
// written to a temporary file beside its target and closed at once; only
// commit() renames them over their targets. An error before then, or
// destruction without commit(), removes every temporary file and leaves
// every target as it was.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <utility>
#include <vector>

class StagedFiles
{
public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;
    ~StagedFiles();

    // Raises Exception unless target can be replaced: its folder exists and
    // is writable, and it is missing or a regular, writable file.
    static void checkTarget(const QString &target);
    // Writes bytes to a new temporary file beside target. Raises Exception
    // naming target and the system's reason ("No space left on device").
    void stage(const QString &target, QByteArrayView bytes);
    // The same with the bytes in pieces: begin(), write() as often as
    // needed, restart() to drop what was written, end() to close the file.
    void begin(const QString &target);
    void write(QByteArrayView bytes);
    void restart();
    void end();
    // Renames every staged file over its target, in the order staged.
    // Raises Exception naming the target that could not be replaced.
    void commit();

private:
    void removeAll();
    [[noreturn]] void failed(const QString &reason);
    std::vector<std::pair<QString, QString>> m_staged; // temporary, target
    QFile m_file; // the one being written
};
