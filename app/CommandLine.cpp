#include "app/CommandLine.h"

#include <QCommandLineParser>

QString unitFileArgument(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prepares a C++ form unit (.cpp, .h and .dfm) for several display languages."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Any of the unit's three files; opened as the Open dialog would."),
                                 QStringLiteral("[FILE]"));
    parser.process(arguments);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        parser.showHelp(1);
    return files.value(0);
}
