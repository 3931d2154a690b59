#include "cli/Command.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <memory>

#include <cstdio>
#include <unistd.h>

namespace {
// Whether the run measures or draws forms: that needs fonts, so a GUI
// application (offscreen unless a platform is chosen).
bool needsFonts(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--check-fit") == 0 || std::strncmp(argv[i], "--preview", 9) == 0)
            return true;
    return false;
}
} // namespace

int main(int argc, char *argv[])
{
    const bool gui = needsFonts(argc, argv);
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application(gui ? new QGuiApplication(argc, argv)
                                                            : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vtqx-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VTQX_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliStreams io{out, err, isatty(STDERR_FILENO) != 0};
    return runCli(QCoreApplication::arguments(), io);
}
