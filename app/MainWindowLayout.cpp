// The window's remembered layout (geometry, the dock's state and width, the
// panel's column widths) and a toolbar that never hides a command.
#include "app/MainWindow.h"

#include "platform/core/Exception.h"
#include "app/LiteralsPanel.h"
#include "app/WindowPlacement.h"
#include "components/Vreg/Vreg.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {
// Settings values of the layout: the toolkit's own state records, as base64
// text (the settings hold text only).
const QString kGeometry = QStringLiteral("WindowGeometry");
const QString kState = QStringLiteral("WindowState");
const QString kColumns = QStringLiteral("LiteralsColumns");

QByteArray stored(TVReg *reg, const QString &name)
{
    try {
        return QByteArray::fromBase64(reg->Pop(name).toLatin1());
    } catch (const Exception &) {
        return {}; // not text: the layout's default
    }
}
} // namespace

void MainWindow::storeLayout()
{
    m_settings->Push(kGeometry, QString::fromLatin1(saveGeometry().toBase64()));
    m_settings->Push(kState, QString::fromLatin1(saveState().toBase64()));
    m_settings->Push(kColumns, QString::fromLatin1(m_panel->table()->horizontalHeader()->saveState().toBase64()));
}

void MainWindow::restoreLayout()
{
    // A value that cannot be read leaves its part of the layout as it is.
    m_geometryRestored = restoreGeometry(stored(m_settings, kGeometry));
    restoreState(stored(m_settings, kState));
    m_panel->table()->horizontalHeader()->restoreState(stored(m_settings, kColumns));
    // A geometry stored on a screen that is gone, or larger than today's.
    keepOnScreen();
}

void MainWindow::keepOnScreen()
{
    if (isMaximized() || isFullScreen())
        return;
    QList<QRect> areas;
    for (const QScreen *s : QGuiApplication::screens())
        areas << s->availableGeometry();
    const QRect frame = frameGeometry();
    const QRect inside = keptInside(frame, homeArea(frame, areas));
    if (inside.size() != frame.size())
        resize(size() - (frame.size() - inside.size()));
    if (inside.topLeft() != frame.topLeft())
        move(inside.topLeft());
}

// Without a stored geometry the window keeps its first size until the panel
// is first shown, and then grows by the panel's width (within the screen).
void MainWindow::growForPanel()
{
    if (m_geometryRestored || m_grownForPanel || !m_panel->isVisible() || m_panel->isFloating())
        return;
    m_grownForPanel = true;
    if (dockWidgetArea(m_panel) == Qt::BottomDockWidgetArea)
        return;
    const int grow = std::max(m_panel->sizeHint().width(), 360);
    int width = this->width() + grow;
    if (const QScreen *s = screen())
        width = std::min(width, s->availableGeometry().width() - (frameGeometry().width() - this->width()));
    // The window grows as far as its screen allows, and moves in from the
    // screen's edge where it would cross it; beyond that the editors give up
    // width, down to the panel's smallest.
    if (width > this->width()) {
        const int dock = std::max(200, width - this->width());
        resize(width, height());
        resizeDocks({m_panel}, {dock}, Qt::Horizontal);
    }
    keepOnScreen();
}

// Text under the icons only while every button has room for it; else icons
// alone (the tool tips name each command), and the central area keeps room
// for those.
void MainWindow::fitToolBar()
{
    if (m_fittingToolBar)
        return;
    const QScopedValueRollback guard(m_fittingToolBar, true);
    const auto setStyle = [this](Qt::ToolButtonStyle style) {
        const bool text = style == Qt::ToolButtonTextUnderIcon;
        m_toolBar->setToolButtonStyle(style);
        for (QToolButton *b : m_toolBar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
            if (b->objectName().startsWith(u"qt_"))
                continue; // the toolbar's own extension button
            b->setToolButtonStyle(style);
            b->setMinimumSize(text ? 66 : 40, 52);
        }
        return m_toolBar->sizeHint().width();
    };
    const int narrow = setStyle(Qt::ToolButtonIconOnly);
    m_toolArea->setMinimumWidth(narrow);
    const int wide = setStyle(Qt::ToolButtonTextUnderIcon);
    if (wide > m_toolArea->width())
        setStyle(Qt::ToolButtonIconOnly);
}
