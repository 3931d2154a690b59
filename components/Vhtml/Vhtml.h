#pragma once
// TVHTML reads the page shown in a web browser control: title, body text,
// body markup, and lists of link targets, image sources or any attribute
// values found in the markup; it can also load a page and hand an address
// to the desktop. Without a browser, a document or a body every read gives
// an empty text or false and touches none of the missing objects.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWebEngineView>

class QListWidget;

class TVHTML : public QObject
{
    Q_OBJECT

public:
    explicit TVHTML(QObject *Owner = nullptr);

    // Set by the user, not owned. Guarded: reads as unset once the view is
    // destroyed.
    QPointer<QWebEngineView> WebBrowser;

    Q_INVOKABLE QString GetTitel();
    Q_INVOKABLE QString GetBodyText();
    Q_INVOKABLE QString GetBodyHtml();

    // The list operations append what they find to the given list (nothing
    // is cleared) and return whether at least one value was found. A list
    // box destroyed during the scan ends it.
    Q_INVOKABLE bool GetAllLinks(QListWidget *List);
    Q_INVOKABLE bool GetAllLinks(QStringList &List);
    Q_INVOKABLE bool GetAllImages(QListWidget *List);
    Q_INVOKABLE bool GetAllImages(QStringList &List);
    Q_INVOKABLE bool GetAllVar(QListWidget *List, const QString &TagOpener, const QString &ValueOpener,
                               const QString &Terminator);
    Q_INVOKABLE bool GetAllVar(QStringList &List, const QString &TagOpener, const QString &ValueOpener,
                               const QString &Terminator);

    // Kept in the interface for existing callers; does no work and gives "".
    Q_INVOKABLE QString GetActiveImage(int X, int Y);

    // Hands the address to the desktop's default handler; the outcome is
    // not reported.
    Q_INVOKABLE void CallExternUrl(const QString &Url);
    // Makes the browser load the address (no browser: nothing happens).
    Q_INVOKABLE void BrowseTo(const QString &Url);
};

namespace Vhtml {

// Records TVHTML on the palette page "Varnosel" (once, however often called).
void Register();

} // namespace Vhtml
