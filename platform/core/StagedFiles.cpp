#include "platform/core/StagedFiles.h"

#include "platform/core/Exception.h"

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

void StagedFiles::stage(const QString &target, QByteArrayView bytes)
{
    begin(target);
    write(bytes);
    end();
}

void StagedFiles::begin(const QString &target)
{
    const QFileInfo info(target);
    for (int attempt = 0;; ++attempt) {
        m_file.setFileName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                           QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')));
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (attempt == 8 || !QFile::exists(m_file.fileName()))
            throw Exception(QStringLiteral("%1: %2").arg(target, m_file.errorString()));
    }
    m_staged.emplace_back(m_file.fileName(), target);
    // A replaced file keeps its permissions.
    if (info.exists())
        m_file.setPermissions(info.permissions());
}

void StagedFiles::write(QByteArrayView bytes)
{
    if (m_file.write(bytes.data(), bytes.size()) != bytes.size())
        failed(m_file.errorString());
}

void StagedFiles::restart()
{
    if (!m_file.resize(0) || !m_file.seek(0))
        failed(m_file.errorString());
}

void StagedFiles::end()
{
    const bool flushed = m_file.flush();
    const QString reason = m_file.errorString();
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError)
        failed(flushed ? m_file.errorString() : reason);
}

void StagedFiles::failed(const QString &reason)
{
    m_file.close();
    throw Exception(QStringLiteral("%1: %2").arg(m_staged.back().second, reason));
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
    m_file.close();
    for (const auto &staged : m_staged)
        QFile::remove(staged.first);
    m_staged.clear();
}
