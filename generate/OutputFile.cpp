#include "OutputFile.h"

#include "Cp1252.h"
#include "Exception.h"
#include "ExtractionList.h"

#include <QDir>
#include <QSaveFile>

QByteArray encodeOutputText(const QString &text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (const QString &line : ExtractionList::lines(text))
        out += line + QStringLiteral("\r\n");
    bool fits = false;
    const QByteArray single = encodeCp1252(out, &fits);
    return fits ? single : out.toUtf8();
}

void saveOutputText(const QString &path, const QString &text)
{
    const QByteArray bytes = encodeOutputText(text);
    QSaveFile file(path);
    const auto fail = [&] {
        throw Exception(QStringLiteral("Cannot create file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        fail();
    }
    if (!file.commit())
        fail();
}
