#include "CommandLine.h"
#include "ToolbarIcons.h"
#include "Unit1.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnosel Tessaro Tool"));
    QApplication::setApplicationDisplayName(QStringLiteral("Varnosel Tessaro Tool"));
    QApplication::setApplicationVersion(QStringLiteral(VTQX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.varnosel.vtqx"));
    const QString file = unitFileArgument(QApplication::arguments());
    chooseIconTheme();
    try {
        TForm1 form;
        form.show();
        if (!file.isEmpty())
            form.openFromCommandLine(file);
        return app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("VTQX"), QString::fromLocal8Bit(e.what()));
        return 0;
    }
}
