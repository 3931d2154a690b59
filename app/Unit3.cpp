#include "Unit3.h"

#include "Dialogs.h"
#include "EditorLook.h"
#include "EditorModel.h"
#include "OutputTexts.h"
#include "Paths.h"
#include "UiLanguage.h"
#include "FolderMemory.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

TForm3::TForm3(QWidget *parent, UiLanguage *language, FolderMemory *folders, CppTarget cpp)
    : QDialog(parent), m_language(language), m_folders(folders), m_cpp(std::move(cpp))
{
    setObjectName(QStringLiteral("Form3"));
    resize(576, 330);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(89);
    auto button = [this](const char *name, int top, QStyle::StandardPixmap picture) {
        auto *b = new QToolButton(Panel1);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(4, top, 81, 49);
        b->setIcon(style()->standardIcon(picture));
        b->setIconSize(QSize(24, 24));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        return b;
    };
    SpeedButton1 = button("SpeedButton1", 8, QStyle::SP_DialogSaveButton);
    SpeedButton3 = button("SpeedButton3", 64, QStyle::SP_FileDialogContentsView);
    SpeedButton4 = button("SpeedButton4", 120, QStyle::SP_FileDialogNewFolder);
    SpeedButton2 = button("SpeedButton2", 176, QStyle::SP_DialogCloseButton);
    layout->addWidget(Panel1);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    applyEditorLook(Memo1);
    layout->addWidget(Memo1, 1);

    const auto guarded = [this](QToolButton *b, void (TForm3::*handler)()) {
        connectGuarded(b, &QToolButton::clicked, this, handler);
    };
    guarded(SpeedButton1, &TForm3::SpeedButton1Click);
    guarded(SpeedButton3, &TForm3::SpeedButton3Click);
    guarded(SpeedButton4, &TForm3::SpeedButton4Click);
    guarded(SpeedButton2, &TForm3::SpeedButton2Click);
    connect(m_language, &UiLanguage::switched, this, &TForm3::FormCreate);

    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    FormCreate();
}

QString TForm3::ownText(unsigned n) const
{
    return outputText(n, m_language->language());
}

void TForm3::FormCreate()
{
    const Language lang = m_language->language();
    SpeedButton1->setText(outputButtonCaption(OutputButton::SaveToDisk, lang));
    SpeedButton3->setText(outputButtonCaption(OutputButton::ToClipboard, lang));
    SpeedButton4->setText(outputButtonCaption(OutputButton::AddToCpp, lang));
    SpeedButton2->setText(outputButtonCaption(OutputButton::CloseWindow, lang));
}

void TForm3::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void TForm3::clearText()
{
    EditorModel::of(Memo1).setText(QString());
}

void TForm3::appendLine(const QString &line)
{
    appendLines({line});
}

void TForm3::appendLines(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    // A text the user left without a final line break gets one first.
    EditorModel::of(Memo1).appendOnNewLine(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void TForm3::showModally()
{
    Dialogs::instance().showModal(this);
}

QString TForm3::text() const
{
    return EditorModel::of(Memo1).text();
}

void TForm3::keyPressEvent(QKeyEvent *event)
{
    // Only a generator refills the window, so closing on Esc would lose
    // the corrections made since.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm3::SpeedButton1Click()
{
    Dialogs::FileRequest request;
    request.title = ownText(1);
    request.filter = ownText(2);
    request.defaultExt = QStringLiteral(".txt");
    request.initialDir = m_folders->recall(QStringLiteral("InitSaveDir"));
    request.options = Dialogs::saveOptions();
    const std::optional<QString> path = Dialogs::instance().saveFile(this, request);
    if (!path)
        return;
    m_folders->remember(this, QStringLiteral("InitSaveDir"), Paths::directoryPart(*path));
    saveOutputText(*path, text(), m_kind);
    writtenOut();
}

void TForm3::SpeedButton3Click()
{
    // The whole text, whatever is selected; the selection stays as it was.
    QString t = text();
    QApplication::clipboard()->setText(t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    writtenOut();
}

void TForm3::SpeedButton4Click()
{
    if (!m_cpp.editor)
        return;
    EditorModel &cpp = EditorModel::of(m_cpp.editor);
    cpp.append(addToCppBlock(text(), !cpp.endsWithLineBreak(), m_language->language()));
    if (m_cpp.markModified)
        m_cpp.markModified();
    writtenOut();
}

void TForm3::writtenOut()
{
    if (m_writtenOut)
        m_writtenOut();
}

void TForm3::SpeedButton2Click()
{
    close();
}
