#include "app/OutputWindow.h"

#include "platform/gui/Dialogs.h"
#include "platform/gui/EditorLook.h"
#include "platform/gui/EditorModel.h"
#include "generate/OutputTexts.h"
#include "platform/core/Paths.h"
#include "uitext/UiLanguage.h"
#include "app/FolderMemory.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

OutputWindow::OutputWindow(QWidget *parent, UiLanguage *language, FolderMemory *folders, CppTarget cpp)
    : QDialog(parent), m_language(language), m_folders(folders), m_cpp(std::move(cpp))
{
    setObjectName(QStringLiteral("Form3"));
    resize(576, 330);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_buttonBar = new QWidget(this);
    m_buttonBar->setObjectName(QStringLiteral("Panel1"));
    m_buttonBar->setFixedWidth(89);
    auto button = [this](const char *name, int top, QStyle::StandardPixmap picture) {
        auto *b = new QToolButton(m_buttonBar);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(4, top, 81, 49);
        b->setIcon(style()->standardIcon(picture));
        b->setIconSize(QSize(24, 24));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        return b;
    };
    m_saveButton = button("SpeedButton1", 8, QStyle::SP_DialogSaveButton);
    m_copyButton = button("SpeedButton3", 64, QStyle::SP_FileDialogContentsView);
    m_addButton = button("SpeedButton4", 120, QStyle::SP_FileDialogNewFolder);
    m_closeButton = button("SpeedButton2", 176, QStyle::SP_DialogCloseButton);
    layout->addWidget(m_buttonBar);

    // The warning about entries that give broken output sits above the text,
    // so that it is read with the output and never stands in its way.
    auto *right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    m_warning = new QLabel(this);
    m_warning->setObjectName(QStringLiteral("ListWarning"));
    m_warning->setTextFormat(Qt::PlainText);
    m_warning->setWordWrap(true);
    m_warning->setMargin(6);
    m_warning->setStyleSheet(QStringLiteral("background: #fff3c4; color: #5c4400;"));
    m_warning->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_warning->hide();
    right->addWidget(m_warning);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Memo1"));
    applyEditorLook(m_text);
    right->addWidget(m_text, 1);
    layout->addLayout(right, 1);

    const auto guarded = [this](QToolButton *b, void (OutputWindow::*handler)()) {
        connectGuarded(b, &QToolButton::clicked, this, handler);
    };
    guarded(m_saveButton, &OutputWindow::saveToDisk);
    guarded(m_copyButton, &OutputWindow::copyToClipboard);
    guarded(m_addButton, &OutputWindow::addToCpp);
    guarded(m_closeButton, &OutputWindow::closeWindow);
    connect(m_language, &UiLanguage::switched, this, &OutputWindow::applyCaptions);

    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    applyCaptions();
}

QString OutputWindow::ownText(unsigned n) const
{
    return outputText(n, m_language->language());
}

void OutputWindow::applyCaptions()
{
    const Language lang = m_language->language();
    m_saveButton->setText(outputButtonCaption(OutputButton::SaveToDisk, lang));
    m_copyButton->setText(outputButtonCaption(OutputButton::ToClipboard, lang));
    m_addButton->setText(outputButtonCaption(OutputButton::AddToCpp, lang));
    m_closeButton->setText(outputButtonCaption(OutputButton::CloseWindow, lang));
    // The buttons are as wide as their longest caption needs, and the bar
    // beside the text with them.
    const QList<QToolButton *> buttons = {m_saveButton, m_copyButton, m_addButton, m_closeButton};
    int width = 81;
    for (QToolButton *b : buttons)
        width = std::max(width, b->sizeHint().width());
    for (QToolButton *b : buttons)
        b->resize(width, b->height());
    m_buttonBar->setFixedWidth(width + 8);
}

void OutputWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void OutputWindow::setWarning(const QString &warning)
{
    m_warning->setText(warning);
    m_warning->setVisible(!warning.isEmpty());
}

void OutputWindow::clearText()
{
    EditorModel::of(m_text).setText(QString());
}

void OutputWindow::appendLine(const QString &line)
{
    appendLines({line});
}

void OutputWindow::appendLines(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    // A text the user left without a final line break gets one first.
    EditorModel::of(m_text).appendOnNewLine(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void OutputWindow::showModally()
{
    Dialogs::instance().showModal(this);
}

QString OutputWindow::text() const
{
    return EditorModel::of(m_text).text();
}

void OutputWindow::keyPressEvent(QKeyEvent *event)
{
    // Only a generator refills the window, so closing on Esc would lose
    // the corrections made since.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void OutputWindow::saveToDisk()
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
    saveOutputText(*path, text(), m_kind, m_codePage);
    writtenOut();
}

void OutputWindow::copyToClipboard()
{
    // The whole text, whatever is selected; the selection stays as it was.
    QString t = text();
    QApplication::clipboard()->setText(t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    writtenOut();
}

void OutputWindow::addToCpp()
{
    if (!m_cpp.editor)
        return;
    EditorModel &cpp = EditorModel::of(m_cpp.editor);
    cpp.append(addToCppBlock(text(), !cpp.endsWithLineBreak(), m_language->language()));
    if (m_cpp.markModified)
        m_cpp.markModified();
    writtenOut();
}

void OutputWindow::writtenOut()
{
    if (m_writtenOut)
        m_writtenOut();
}

void OutputWindow::closeWindow()
{
    close();
}
