#pragma once
// TVGraphics: draws the graphs of expressions of x onto a canvas, with an
// optional grid and coordinate cross. Line i of Expressions is drawn in
// colour line i of Colors (decimal 0x00BBGGRR) with step line i of Steps (x
// units). The expressions go through a private parser state with its own
// tree root; TVParser objects are not affected.
//
// Drawing runs on the caller's thread and pumps the event queue before each
// grid line and each expression; Cancel, called from such an event, stops it.
#include "components/Vparser/Tree.h"

#include <QObject>
#include <QStringList>

class Canvas;

class TVGraphics : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList Expressions READ Expressions WRITE SetExpressions)
    Q_PROPERTY(QStringList Colors READ Colors WRITE SetColors)
    Q_PROPERTY(QStringList Steps READ Steps WRITE SetSteps)
    Q_PROPERTY(int Background READ Background WRITE setBackground)
    Q_PROPERTY(bool PointsOnly READ PointsOnly WRITE setPointsOnly)
    Q_PROPERTY(bool Cross READ Cross WRITE setCross)
    Q_PROPERTY(int CrossColor READ CrossColor WRITE setCrossColor)
    Q_PROPERTY(bool Grid READ Grid WRITE setGrid)
    Q_PROPERTY(int GridColor READ GridColor WRITE setGridColor)
    Q_PROPERTY(long double GridSpace READ GridSpace WRITE SetGridSpace)
    Q_PROPERTY(long double X_From READ X_From WRITE SetMinusX)
    Q_PROPERTY(long double X_To READ X_To WRITE SetPlusX)
    Q_PROPERTY(long double Y_From READ Y_From WRITE SetMinusY)
    Q_PROPERTY(long double Y_To READ Y_To WRITE SetPlusY)
    Q_PROPERTY(int DestinationWidth READ DestinationWidth WRITE SetDestWidth)
    Q_PROPERTY(int DestinationHeight READ DestinationHeight WRITE SetDestHeight)
    Q_PROPERTY(long double Y_MaxDifference READ Y_MaxDifference WRITE SetAbstand)
    Q_PROPERTY(bool ClearCanvas READ ClearCanvas WRITE setClearCanvas)

public:
    explicit TVGraphics(QObject *owner = nullptr);

    // The lists are the component's own: setters copy the given lines.
    QStringList Expressions() const { return m_expressions; }
    void SetExpressions(const QStringList &lines) { m_expressions = lines; }
    QStringList Colors() const { return m_colors; }
    void SetColors(const QStringList &lines) { m_colors = lines; }
    QStringList Steps() const { return m_steps; }
    void SetSteps(const QStringList &lines) { m_steps = lines; }

    int Background() const { return m_background; }
    void setBackground(int color) { m_background = color; }
    bool PointsOnly() const { return m_pointsOnly; }
    void setPointsOnly(bool on) { m_pointsOnly = on; }
    bool Cross() const { return m_cross; }
    void setCross(bool on) { m_cross = on; }
    int CrossColor() const { return m_crossColor; }
    void setCrossColor(int color) { m_crossColor = color; }
    bool Grid() const { return m_grid; }
    void setGrid(bool on) { m_grid = on; }
    int GridColor() const { return m_gridColor; }
    void setGridColor(int color) { m_gridColor = color; }
    long double GridSpace() const { return m_gridSpace; }
    void SetGridSpace(long double space) { m_gridSpace = space; }
    long double X_From() const { return m_xFrom; }
    void SetMinusX(long double value) { m_xFrom = value; }
    long double X_To() const { return m_xTo; }
    void SetPlusX(long double value) { m_xTo = value; }
    long double Y_From() const { return m_yFrom; }
    void SetMinusY(long double value) { m_yFrom = value; }
    long double Y_To() const { return m_yTo; }
    void SetPlusY(long double value) { m_yTo = value; }
    int DestinationWidth() const { return m_width; }
    void SetDestWidth(int width) { m_width = width; }
    int DestinationHeight() const { return m_height; }
    void SetDestHeight(int height) { m_height = height; }
    long double Y_MaxDifference() const { return m_maxDifference; }
    void SetAbstand(long double difference) { m_maxDifference = difference; }
    bool ClearCanvas() const { return m_clearCanvas; }
    void setClearCanvas(bool on) { m_clearCanvas = on; }

    // Draws everything; returns 0, the 1-based number of the last expression
    // that did not build, or -1 when cancelled or when the component or the
    // canvas's image went away during an event. Raises Exception before
    // drawing anything for ranges that are not finite or narrower than one
    // unit and for a grid whose GridSpace is 0, and while drawing when Colors
    // or Steps has fewer lines than Expressions. Grid lines closer than one
    // pixel are left out; a sample whose row lies beyond the int range fails.
    Q_INVOKABLE int DrawToCanvas(Canvas &canvas);
    Q_INVOKABLE void Cancel() { m_cancelled = true; }

    /* column = trunc((value - from) * size / trunc(to - from)), clamped to int */
    Q_INVOKABLE int UmrechnenX(long double value, int size, double from, double to);
    /* row = trunc((to - value) * size / trunc(to - from)), clamped to int */
    Q_INVOKABLE int UmrechnenY(long double value, int size, double from, double to);

    // The unit's tree root, used by every TVGraphics object.
    static Tree &TreeRoot();

private:
    void checkRanges() const;

    QStringList m_expressions, m_colors, m_steps;
    int m_background = 16777215;
    bool m_pointsOnly = true;
    bool m_cross = true;
    int m_crossColor = 0;
    bool m_grid = false;
    int m_gridColor = 12632256;
    long double m_gridSpace = 1;
    long double m_xFrom = -10, m_xTo = 10, m_yFrom = -10, m_yTo = 10;
    int m_width = 640, m_height = 480;
    long double m_maxDifference = 0;
    bool m_clearCanvas = true;
    bool m_cancelled = false;
};

namespace Vgraphics {
// Registers TVGraphics on the component palette page "Varnosel".
void Register();
} // namespace Vgraphics
