// Open and Save All of a unit whose C++ source is 10 MB, through the main
// window. Reports seconds per command and the peak memory growth of the
// process relative to the unit's size.
#include "bench/BenchWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

namespace {
long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

QByteArray makeSource(qint64 bytes)
{
    QByteArray line = "    Label1->Caption = \"Hello, world\"; x = y + 12345; // a comment\r\n";
    QByteArray out;
    out.reserve(bytes + line.size());
    while (out.size() < bytes)
        out += line;
    return out;
}

struct Unit
{
    QTemporaryDir dir;
    qint64 size = 0;
    Unit()
    {
        const QByteArray cpp = makeSource(10 * 1000 * 1000);
        for (const auto &[name, bytes] : {std::pair{"Big.cpp", cpp}, std::pair{"Big.h", QByteArray("class X;\r\n")},
                                          std::pair{"Big.dfm", QByteArray("object Form1: TForm1\r\nend\r\n")}}) {
            QFile f(dir.filePath(QLatin1String(name)));
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            size += bytes.size();
        }
    }
};

void BM_Open10MB(benchmark::State &state)
{
    Unit unit;
    QuietDialogs dialogs;
    dialogs.openAnswer = unit.dir.filePath(QStringLiteral("Big.cpp"));
    Dialogs::install(&dialogs);
    const long before = peakKb();
    {
        MainWindow form;
        for (auto _ : state)
            form.run(Command::Open);
    }
    state.counters["peak_growth_x_unit"] = double(peakKb() - before) * 1024.0 / double(unit.size);
    state.SetBytesProcessed(state.iterations() * unit.size);
    Dialogs::install(nullptr);
}
BENCHMARK(BM_Open10MB)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveAll10MB(benchmark::State &state)
{
    Unit unit;
    QuietDialogs dialogs;
    dialogs.openAnswer = unit.dir.filePath(QStringLiteral("Big.cpp"));
    Dialogs::install(&dialogs);
    MainWindow form;
    form.run(Command::Open);
    for (auto _ : state)
        form.run(Command::SaveAll);
    state.SetBytesProcessed(state.iterations() * unit.size);
    Dialogs::install(nullptr);
}
BENCHMARK(BM_SaveAll10MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// Open of a unit whose C++ source is one line of 10 MB, with the window
// shown and painted afterwards.
void BM_OpenOneLine10MB(benchmark::State &state)
{
    QTemporaryDir dir;
    QByteArray cpp = makeSource(10 * 1000 * 1000);
    cpp.replace("\r\n", " ");
    for (const auto &[name, bytes] : {std::pair{"Line.cpp", cpp}, std::pair{"Line.h", QByteArray("class X;")},
                                      std::pair{"Line.dfm", QByteArray("object Form1: TForm1\r\nend\r\n")}}) {
        QFile f(dir.filePath(QLatin1String(name)));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QuietDialogs dialogs;
    dialogs.openAnswer = dir.filePath(QStringLiteral("Line.cpp"));
    Dialogs::install(&dialogs);
    const long before = peakKb();
    {
        MainWindow form;
        form.show();
        QApplication::processEvents();
        for (auto _ : state) {
            form.run(Command::Open);
            form.repaint();
            QApplication::processEvents();
        }
    }
    state.counters["peak_growth_MB"] = double(peakKb() - before) / 1024.0;
    state.SetBytesProcessed(state.iterations() * cpp.size());
    Dialogs::install(nullptr);
}
BENCHMARK(BM_OpenOneLine10MB)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace
