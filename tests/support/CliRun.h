#pragma once
// vtqx-cli run inside the test's process, with what it wrote kept.
#include "cli/Command.h"

#include <QProcess>
#include <QStringList>
#include <QTextStream>

struct CliRun
{
    int exit = 0;
    QString out, err;
};

inline CliRun runCliCaptured(QStringList args)
{
    CliRun r;
    QTextStream o(&r.out), e(&r.err);
    CliStreams io{o, e, false};
    args.prepend(QStringLiteral("vtqx-cli"));
    r.exit = runCli(args, io);
    o.flush();
    e.flush();
    return r;
}

// The program run as a process of its own under a German locale: what it
// wrote to standard output, then to standard error.
inline QString runCliInGerman(const QString &program, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}
