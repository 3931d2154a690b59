#include "OutputTexts.h"

QString outputText(unsigned n, Language lang)
{
    const bool german = lang == Language::German;
    switch (n) {
    case 1:
        return german ? QStringLiteral("Datei speichern") : QStringLiteral("Save File");
    case 2:
        return german ? QStringLiteral("Recource Dateien |*.rc|Textdateien |*.txt|CPP Dateien |*.cpp")
                      : QStringLiteral("Recource Files |*.rc|Text Files |*.txt|CPP Files |*.cpp");
    case 3:
        return german ? QStringLiteral("// Der folgende Text wurde von Varnosel TQX angefügt          //")
                      : QStringLiteral("// The following Text was inserted by Varnosel TQX //");
    case 4:
        return german ? QStringLiteral("// Korrigieren Sie ihn und entfernen Sie die Kommentarzeichen //")
                      : QStringLiteral("// Correct it and then delete the commentsingns    //");
    default:
        return QString();
    }
}

QString outputButtonCaption(OutputButton button, Language lang)
{
    const bool german = lang == Language::German;
    switch (button) {
    case OutputButton::SaveToDisk: return german ? QStringLiteral("Speichern") : QStringLiteral("Save To Disk");
    case OutputButton::ToClipboard: return german ? QStringLiteral("Kopieren") : QStringLiteral("To Clipboard");
    case OutputButton::AddToCpp: return german ? QStringLiteral("Anfügen CPP") : QStringLiteral("Add to CPP");
    case OutputButton::CloseWindow: return german ? QStringLiteral("Schließen") : QStringLiteral("Close Window");
    }
    return QString();
}

QString addToCppBlock(const QString &output, bool sourceOpen, Language lang)
{
    const QString crlf = QStringLiteral("\r\n");
    QString out = output;
    if (!out.isEmpty() && out.back() != u'\n' && out.back() != u'\r')
        out += crlf;
    return (sourceOpen ? crlf : QString()) + crlf + QStringLiteral("//") + QString(75, u'-') + crlf + crlf +
           outputText(3, lang) + crlf + outputText(4, lang) + crlf + QStringLiteral("/*") + crlf + out +
           QStringLiteral("*/") + crlf;
}
