#include "cli/Command.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vtqx-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VTQX_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliStreams io{out, err, isatty(STDERR_FILENO) != 0};
    return runCli(QCoreApplication::arguments(), io);
}
