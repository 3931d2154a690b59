#include "StagedFiles.h"

#include "Exception.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

StagedFiles::~StagedFiles()
{
    removeAll();
}

void StagedFiles::checkTarget(const QString &target)
{
    const QFileInfo info(target);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        throw Exception(QStringLiteral("%1: the folder does not exist").arg(target));
    if (!folder.isWritable())
        throw Exception(QStringLiteral("%1: %2").arg(target, QString::fromLocal8Bit(std::strerror(EACCES))));
    if (info.exists() || info.isSymLink()) {
        if (!info.isFile())
            throw Exception(QStringLiteral("%1: not a regular file").arg(target));
        if (!info.isWritable())
            throw Exception(QStringLiteral("%1: %2").arg(target, QString::fromLocal8Bit(std::strerror(EACCES))));
    }
}

void StagedFiles::stage(const QString &target, const QByteArray &bytes)
{
    const QFileInfo info(target);
    QFile file;
    for (int attempt = 0;; ++attempt) {
        file.setFileName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                         QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (attempt == 8 || file.error() != QFileDevice::OpenError || !QFile::exists(file.fileName()))
            throw Exception(QStringLiteral("%1: %2").arg(target, file.errorString()));
    }
    m_staged.emplace_back(file.fileName(), target);
    // A replaced file keeps its permissions.
    if (info.exists())
        file.setPermissions(info.permissions());
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    const QString reason = file.errorString();
    file.close();
    if (!written || file.error() != QFileDevice::NoError)
        throw Exception(QStringLiteral("%1: %2").arg(target, written ? file.errorString() : reason));
}

void StagedFiles::commit()
{
    while (!m_staged.empty()) {
        const auto &[temporary, target] = m_staged.front();
        if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0)
            throw Exception(QStringLiteral("%1: %2").arg(target, QString::fromLocal8Bit(std::strerror(errno))));
        m_staged.erase(m_staged.begin());
    }
}

void StagedFiles::removeAll()
{
    for (const auto &staged : m_staged)
        QFile::remove(staged.first);
    m_staged.clear();
}
