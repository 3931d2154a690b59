#pragma once
// The window program's command line: vtqx [FILE], --help, --version.
#include <QString>
#include <QStringList>

// The unit file named by arguments (program name first), "" for none.
// --help, --version and a wrong option print their text and end the process.
QString unitFileArgument(const QStringList &arguments);
