// TVGraphics demo. With a file name as argument it only writes the picture
// there as PNG and ends (for a quick look without a display).
#include "components/examples/plotter/PlotterWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    PlotterWindow window;
    if (argc > 1)
        return window.picture().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
    window.show();
    return app.exec();
}
