#include "app/AboutBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(351, 209);

    auto *layout = new QHBoxLayout(this);
    auto *side = new QFrame(this);
    side->setObjectName(QStringLiteral("Panel1"));
    side->setAutoFillBackground(true);
    QPalette p = side->palette();
    p.setColor(QPalette::Window, Qt::black);
    side->setPalette(p);
    side->setFixedWidth(90);
    auto *images = new QVBoxLayout(side);
    const QStyle::StandardPixmap pics[] = {QStyle::SP_FileIcon, QStyle::SP_DirIcon, QStyle::SP_ComputerIcon,
                                           QStyle::SP_DriveHDIcon, QStyle::SP_DesktopIcon};
    for (int i = 0; i < 5; ++i) {
        auto *img = new QLabel(side);
        img->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        img->setPixmap(style()->standardIcon(pics[i]).pixmap(20, 20));
        images->addWidget(img, 0, Qt::AlignHCenter);
    }
    layout->addWidget(side);

    auto *right = new QVBoxLayout;
    auto label = [this](const char *name, const QString &text, int px, bool bold) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(px);
        f.setBold(bold);
        l->setFont(f);
        return l;
    };
    right->addWidget(label("Label1", QStringLiteral("varnosel"), 16, true));
    right->addWidget(label("Label2", QStringLiteral("Tessaro"), 21, true));
    right->addWidget(label("Label3", QStringLiteral("Version 1.2"), 12, false));
    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    right->addWidget(rule);
    right->addStretch();
    auto *ok = new QToolButton(this);
    ok->setObjectName(QStringLiteral("SpeedButton1"));
    ok->setText(QStringLiteral("&Ok"));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ok->setAutoRaise(true);
    connect(ok, &QToolButton::clicked, this, &QDialog::accept);
    right->addWidget(ok, 0, Qt::AlignRight);
    layout->addLayout(right, 1);
}
