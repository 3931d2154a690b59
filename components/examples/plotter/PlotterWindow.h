#pragma once
// Demo window for TVGraphics: a few graphs on a grid, a PointsOnly switch
// and a button that saves the picture as PNG.
#include "components/Vgraphics/Vgraphics.h"

#include <QImage>
#include <QWidget>

class QCheckBox;
class QLabel;

class PlotterWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PlotterWindow(QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }

public slots:
    void redraw();
    void savePicture();

private:
    TVGraphics *m_graphics;
    QImage m_picture;
    QLabel *m_view;
    QCheckBox *m_pointsOnly;
};
