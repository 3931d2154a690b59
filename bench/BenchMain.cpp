#include "BenchMain.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int runBenchmarks(int argc, char **argv)
{
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/vtqx-bench-XXXXXX"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
