// Writes the large benchmark unit: large_unit FOLDER [LINES] gives
// FOLDER/Large.cpp, Large.h and Large.dfm; large_unit FOLDER LINES repeat
// gives the unit of repeated short texts as FOLDER/Repeat.*.
#include "bench/LargeUnit.h"

#include <QFile>
#include <QString>

#include <cstdio>

namespace {
bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: large_unit FOLDER [LINES]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + u'/';
    const int lines = argc > 2 ? std::atoi(argv[2]) : 100000;
    const bool repeat = argc > 3 && QByteArray(argv[3]) == "repeat";
    const QString name = repeat ? QStringLiteral("Repeat") : QStringLiteral("Large");
    int literals = 0;
    const QString cpp = QStringLiteral("#include \"%1.h\"\r\nvoid T%1::Fill()\r\n{\r\n").arg(name) +
                        (repeat ? repeatedTextsUnit(lines, &literals) : largeUnit(lines, &literals)) +
                        QStringLiteral("}\r\n");
    const bool ok = write(folder + name + QStringLiteral(".cpp"), cpp.toUtf8()) &&
                    write(folder + name + QStringLiteral(".h"), QStringLiteral("class T%1;\r\n").arg(name).toUtf8()) &&
                    write(folder + name + QStringLiteral(".dfm"),
                          QStringLiteral("object %1: T%1\r\nend\r\n").arg(name).toUtf8());
    std::printf("%d lines, %d literals, %lld bytes\n", lines, literals + 1, static_cast<long long>(cpp.toUtf8().size()));
    return ok ? 0 : 1;
}
