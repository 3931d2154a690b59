#pragma once
// Status bar component: a status bar with a collection of fixed-width text
// panels and a single-text mode. Other controls may be placed on it (every
// Qt widget accepts child widgets, so nothing needs declaring).
#include <QStatusBar>
#include <QString>
#include <vector>

class QLabel;

class TVStatus;

// One panel: a text and a width in pixels. A text wider than the panel
// shows whole as its tool tip.
class TVStatusPanel
{
public:
    QString Text() const;
    void SetText(const QString &text);
    int Width() const;
    void SetWidth(int pixels);

private:
    friend class TVStatus;
    explicit TVStatusPanel(QLabel *label) : m_label(label) {}
    void showWholeWhenCut();
    QLabel *m_label;
};

class TVStatus : public QStatusBar
{
    Q_OBJECT
    Q_PROPERTY(bool SimplePanel READ SimplePanel WRITE SetSimplePanel)
    Q_PROPERTY(QString SimpleText READ SimpleText WRITE SetSimpleText)
public:
    explicit TVStatus(QWidget *Owner = nullptr);

    // Appends a panel of the given width and returns it.
    TVStatusPanel &AddPanel(int width);
    int PanelCount() const { return int(m_panels.size()); }
    TVStatusPanel &Panel(int i) { return m_panels.at(size_t(i)); }
    const TVStatusPanel &Panel(int i) const { return m_panels.at(size_t(i)); }

    bool SimplePanel() const { return m_simple; }
    void SetSimplePanel(bool on);
    QString SimpleText() const;
    void SetSimpleText(const QString &text);

private:
    std::vector<TVStatusPanel> m_panels;
    QLabel *m_simpleLabel;
    bool m_simple = false;
};

namespace Vstatus {
// Records the component classes of this unit on their designer page.
void Register();
}
