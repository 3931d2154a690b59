#include "components/examples/plotter/PlotterWindow.h"

#include "components/platform/gui/Canvas.h"
#include "platform/core/Exception.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

PlotterWindow::PlotterWindow(QWidget *parent)
    : QWidget(parent), m_graphics(new TVGraphics(this)), m_picture(640, 480, QImage::Format_RGB32),
      m_view(new QLabel(this)), m_pointsOnly(new QCheckBox(tr("PointsOnly"), this))
{
    setWindowTitle(tr("TVGraphics demo"));
    m_view->setObjectName(QStringLiteral("View"));
    m_pointsOnly->setObjectName(QStringLiteral("PointsOnly"));
    auto *save = new QPushButton(tr("Save as PNG..."), this);
    save->setObjectName(QStringLiteral("SavePicture"));

    m_graphics->setGrid(true);
    m_graphics->SetExpressions({QStringLiteral("sin(x)"), QStringLiteral("x^2/10"), QStringLiteral("1/x"),
                                QStringLiteral("3*cos(x/2)")});
    // 0x00BBGGRR: red, blue, dark green, purple
    m_graphics->SetColors({QStringLiteral("255"), QStringLiteral("16711680"), QStringLiteral("32768"),
                           QStringLiteral("8388736")});
    m_graphics->SetSteps({QStringLiteral("0.1"), QStringLiteral("0.1"), QStringLiteral("0.05"), QStringLiteral("0.5")});
    m_pointsOnly->setChecked(false);

    auto *controls = new QHBoxLayout;
    controls->addWidget(m_pointsOnly);
    controls->addStretch();
    controls->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(controls);

    connect(m_pointsOnly, &QCheckBox::toggled, this, &PlotterWindow::redraw);
    connect(save, &QPushButton::clicked, this, &PlotterWindow::savePicture);
    redraw();
}

void PlotterWindow::redraw()
{
    m_graphics->setPointsOnly(m_pointsOnly->isChecked());
    Canvas canvas(m_picture, this);
    try {
        const int failed = m_graphics->DrawToCanvas(canvas);
        if (failed > 0)
            QMessageBox::warning(this, windowTitle(), tr("Expression %1 could not be read.").arg(failed));
    } catch (const Exception &e) {
        QMessageBox::warning(this, windowTitle(), e.Message());
    }
    m_view->setPixmap(QPixmap::fromImage(m_picture));
}

void PlotterWindow::savePicture()
{
    const QString file = QFileDialog::getSaveFileName(this, tr("Save picture"), QStringLiteral("plot.png"),
                                                      tr("PNG images (*.png)"), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (!file.isEmpty() && !m_picture.save(file, "PNG"))
        QMessageBox::warning(this, windowTitle(), tr("Could not write %1.").arg(file));
}
