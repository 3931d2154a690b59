#include "app/AppIdentity.h"

#include <QCoreApplication>

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Varnosel Tessaro Tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VTQX_VERSION));
}
