#pragma once
// The classic drawing canvas over a QImage: brush and pen colours, FillRect,
// FloodFill, MoveTo and LineTo. Colours are 0x00BBGGRR integers (red in the
// lowest byte, 255 is red; the top byte is ignored). Lines are one pixel
// wide and not antialiased, and like the classic LineTo they leave out their
// end point, so that joined segments set each pixel once. Everything outside
// the image is clipped; coordinates may lie anywhere in the int range.
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRgb>

class Canvas
{
public:
    // Draws into `image`, converted to Format_RGB32 if it has another format.
    // `holder`, when given, is the object the image lives and dies with.
    explicit Canvas(QImage &image, QObject *holder = nullptr);

    // False once the holder is destroyed: the image is gone too.
    bool isAlive() const { return !m_hasHolder || !m_holder.isNull(); }

    int brushColor() const { return m_brush; }
    void setBrushColor(int color) { m_brush = color; }
    int penColor() const { return m_pen; }
    void setPenColor(int color) { m_pen = color; }
    QPoint penPos() const { return m_pos; }

    // Fills columns left..right-1 and rows top..bottom-1 with the brush.
    void fillRect(int left, int top, int right, int bottom);
    // Fills the 4-connected surface of the colour found at (x, y) with the brush.
    void floodFill(int x, int y);
    void moveTo(int x, int y);
    // A line from the pen position to (x, y), without (x, y); the pen moves there.
    void lineTo(int x, int y);

    static QRgb toRgb(int color);
    static int fromRgb(QRgb rgb);

private:
    void setPixel(qint64 x, qint64 y, QRgb rgb);

    QImage &m_image;
    QPointer<QObject> m_holder;
    bool m_hasHolder;
    int m_brush = 0xFFFFFF;
    int m_pen = 0;
    QPoint m_pos;
};
