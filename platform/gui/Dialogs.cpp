#include "platform/gui/Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

namespace {
Dialogs *g_installed = nullptr;

QFileDialog::Options qtOptions(Dialogs::FileOptions o)
{
    QFileDialog::Options opts = QFileDialog::DontUseNativeDialog;
    if (!(o & Dialogs::OverwritePrompt))
        opts |= QFileDialog::DontConfirmOverwrite;
    // Qt's dialog has no read-only check box, so HideReadOnly needs nothing;
    // the must-exist checks are the file modes chosen below.
    return opts;
}

enum class FileMode { Open, OpenSeveral, Save };

std::optional<QStringList> runFileDialog(QWidget *parent, const Dialogs::FileRequest &r, FileMode mode)
{
    const bool save = mode == FileMode::Save;
    QFileDialog dlg(parent, r.title, r.initialDir, Dialogs::toQtFilter(r.filter));
    dlg.setOptions(qtOptions(r.options));
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save                           ? QFileDialog::AnyFile
                    : mode == FileMode::OpenSeveral ? QFileDialog::ExistingFiles
                                                    : QFileDialog::ExistingFile);
    QString ext = r.defaultExt;
    if (ext.startsWith(u'.'))
        ext.remove(0, 1);
    if (!ext.isEmpty())
        dlg.setDefaultSuffix(ext);
    if (!r.fileName.isEmpty())
        dlg.selectFile(r.fileName);
    dlg.setSizeGripEnabled(r.options & Dialogs::EnableSizing);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles();
}
} // namespace

Dialogs &Dialogs::instance()
{
    static QtDialogs qt;
    return g_installed ? *g_installed : qt;
}

void Dialogs::install(Dialogs *d)
{
    g_installed = d;
}

void Dialogs::showError(QWidget *parent, const QString &text)
{
    message(parent, QStringLiteral("VTQX"), text, Icon::Error, Buttons::Ok);
}

QString Dialogs::toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(u';', Qt::SkipEmptyParts);
        for (QString &p : patterns)
            p = p.trimmed();
        out << parts.at(i).trimmed() + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    if (out.isEmpty() && !filter.isEmpty())
        out << filter;
    return out.join(QStringLiteral(";;"));
}

Dialogs::Button QtDialogs::message(QWidget *parent, const QString &caption, const QString &text, Icon icon,
                                   Buttons buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    switch (box.standardButton(clicked)) {
    case QMessageBox::Ok: return Button::Ok;
    case QMessageBox::Yes: return Button::Yes;
    case QMessageBox::No: return Button::No;
    default: return buttons == Buttons::Ok ? Button::Ok : Button::Cancel;
    }
}

std::optional<QString> QtDialogs::openFile(QWidget *parent, const FileRequest &request)
{
    const auto files = runFileDialog(parent, request, FileMode::Open);
    return files ? std::optional<QString>(files->constFirst()) : std::nullopt;
}

std::optional<QStringList> QtDialogs::openFiles(QWidget *parent, const FileRequest &request)
{
    return runFileDialog(parent, request, FileMode::OpenSeveral);
}

std::optional<QString> QtDialogs::saveFile(QWidget *parent, const FileRequest &request)
{
    const auto files = runFileDialog(parent, request, FileMode::Save);
    return files ? std::optional<QString>(files->constFirst()) : std::nullopt;
}

std::optional<QString> QtDialogs::input(QWidget *parent, const QString &caption, const QString &prompt,
                                        const QString &defaultAnswer)
{
    QInputDialog dlg(parent);
    dlg.setWindowTitle(caption);
    dlg.setLabelText(prompt);
    dlg.setTextValue(defaultAnswer);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.textValue();
}

void QtDialogs::showModal(QDialog *dialog)
{
    dialog->exec();
}

Dialogs::FileOptions Dialogs::saveOptions()
{
    return OverwritePrompt | HideReadOnly | PathMustExist | EnableSizing;
}
