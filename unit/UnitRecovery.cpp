#include "unit/UnitRecovery.h"

#include "platform/core/StagedFiles.h"
#include "uitext/FileTexts.h"

#include <QDir>

QString recoverUnit(const QString &folder, const QString &base, Language lang)
{
    const StagedRecovery r = recoverStaged(folder, base);
    const QString unit = QDir::toNativeSeparators(QDir(folder).filePath(base));
    QStringList files;
    for (const QString &f : r.files)
        files << QDir::toNativeSeparators(f);
    switch (r.outcome) {
    case StagedRecovery::Nothing:
        return QString();
    case StagedRecovery::Cleaned:
        return fileText(FileText::RecoveryCleaned, lang).arg(unit).arg(r.removed);
    case StagedRecovery::RolledForward:
        return fileText(FileText::RecoveryForward, lang).arg(unit, files.join(QStringLiteral(", ")));
    case StagedRecovery::RolledBack:
        return fileText(FileText::RecoveryBack, lang).arg(unit, files.join(QStringLiteral(", ")));
    case StagedRecovery::Failed:
        break;
    }
    return fileText(FileText::RecoveryFailed, lang).arg(unit, r.reason);
}
