// Writes the large benchmark unit: large_unit FOLDER [LINES] gives
// FOLDER/Large.cpp, Large.h and Large.dfm.
#include "LargeUnit.h"

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
    int literals = 0;
    const QString cpp = QStringLiteral("#include \"Large.h\"\r\nvoid TLarge::Fill()\r\n{\r\n") +
                        largeUnit(lines, &literals) + QStringLiteral("}\r\n");
    const bool ok = write(folder + QStringLiteral("Large.cpp"), cpp.toUtf8()) &&
                    write(folder + QStringLiteral("Large.h"), "class TLarge;\r\n") &&
                    write(folder + QStringLiteral("Large.dfm"), "object Large: TLarge\r\nend\r\n");
    std::printf("%d lines, %d literals, %lld bytes\n", lines, literals + 1, static_cast<long long>(cpp.toUtf8().size()));
    return ok ? 0 : 1;
}
