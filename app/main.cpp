#include "AppIdentity.h"
#include "Unit1.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    try {
        TForm1 form;
        form.show();
        return app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("VTQX"), QString::fromLocal8Bit(e.what()));
        return 0;
    }
}
