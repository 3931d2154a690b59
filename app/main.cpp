#include "app/AppIdentity.h"
#include "app/CommandLine.h"
#include "app/ToolbarIcons.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char **argv)
{
    QString file;
    {
        // --help and --version answer without a display.
        QCoreApplication commandLine(argc, argv);
        setApplicationIdentity();
        file = unitFileArgument(QCoreApplication::arguments());
    }
    QApplication app(argc, argv);
    setApplicationIdentity();
    QApplication::setDesktopFileName(QStringLiteral("org.varnosel.vtqx"));
    chooseIconTheme();
    try {
        MainWindow form;
        form.show();
        if (!file.isEmpty())
            form.openFromCommandLine(file);
        return app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("VTQX"), QString::fromLocal8Bit(e.what()));
        return 0;
    }
}
