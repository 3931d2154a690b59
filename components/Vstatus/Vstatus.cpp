#include "components/Vstatus/Vstatus.h"

#include "components/platform/core/ComponentPalette.h"

#include <QLabel>

QString TVStatusPanel::Text() const { return m_label->text(); }
void TVStatusPanel::SetText(const QString &text)
{
    if (m_label->text() != text)
        m_label->setText(text);
    showWholeWhenCut();
}
int TVStatusPanel::Width() const { return m_label->width(); }
void TVStatusPanel::SetWidth(int pixels)
{
    m_label->setFixedWidth(pixels);
    showWholeWhenCut();
}

// A text wider than its panel shows whole as the panel's tool tip.
void TVStatusPanel::showWholeWhenCut()
{
    const QMargins m = m_label->contentsMargins();
    const int room = m_label->maximumWidth() - m.left() - m.right() - 2 * m_label->margin();
    const QString &text = m_label->text();
    m_label->setToolTip(m_label->fontMetrics().horizontalAdvance(text) > room ? text : QString());
}

TVStatus::TVStatus(QWidget *Owner) : QStatusBar(Owner), m_simpleLabel(new QLabel(this))
{
    // Texts are shown as they are: a file named "<b>x" is not markup.
    m_simpleLabel->setTextFormat(Qt::PlainText);
    setSizeGripEnabled(true);
    addWidget(m_simpleLabel, 1);
    m_simpleLabel->hide();
}

TVStatusPanel &TVStatus::AddPanel(int width)
{
    auto *label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setObjectName(QStringLiteral("Panel%1").arg(m_panels.size()));
    addWidget(label);
    label->setVisible(!m_simple);
    m_panels.push_back(TVStatusPanel(label));
    m_panels.back().SetWidth(width);
    return m_panels.back();
}

void TVStatus::SetSimplePanel(bool on)
{
    m_simple = on;
    for (TVStatusPanel &p : m_panels)
        p.m_label->setVisible(!on);
    m_simpleLabel->setVisible(on);
}

QString TVStatus::SimpleText() const { return m_simpleLabel->text(); }
void TVStatus::SetSimpleText(const QString &text) { m_simpleLabel->setText(text); }

void Vstatus::Register()
{
    RegisterComponentClass(QStringLiteral("Varnosel"), QStringLiteral("TVStatus"));
}
