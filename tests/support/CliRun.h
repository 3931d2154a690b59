#pragma once
// vtqx-cli run inside the test's process, with what it wrote kept.
#include "Command.h"

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
