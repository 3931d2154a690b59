#include "components/Vhtml/Vhtml.h"

#include "components/platform/core/ComponentPalette.h"

#include "components/Vhtml/MarkupScan.h"
#include "platform/core/MessagePump.h"
#include "components/platform/web/WebDocument.h"

#include <QListWidget>

namespace {

// Runs one scan over the body markup into a list box. The list box is
// guarded: events pumped while waiting for the page or while scanning may
// destroy it, which ends the scan.
template <typename Scan>
bool scanInto(QWebEngineView *browser, QListWidget *list, Scan scan)
{
    if (!browser || !list)
        return false;
    QPointer<QListWidget> target(list);
    const auto markup = WebDocument(browser).bodyMarkup();
    if (!markup || !target)
        return false;
    MessagePump pump;
    const int found = scan(
        *markup, [&](const QString &value) { target->addItem(value); },
        [&] {
            pump.step();
            return !target.isNull();
        });
    return found > 0;
}

template <typename Scan>
bool scanInto(QWebEngineView *browser, QStringList &list, Scan scan)
{
    if (!browser)
        return false;
    const auto markup = WebDocument(browser).bodyMarkup();
    if (!markup)
        return false;
    MessagePump pump;
    const int found = scan(
        *markup, [&](const QString &value) { list.append(value); },
        [&] {
            pump.step();
            return true;
        });
    return found > 0;
}

auto linkScan()
{
    return [](QStringView h, const MarkupScan::Sink &sink, const MarkupScan::PassHook &pass) {
        return MarkupScan::links(h, sink, pass);
    };
}

auto imageScan()
{
    return [](QStringView h, const MarkupScan::Sink &sink, const MarkupScan::PassHook &pass) {
        return MarkupScan::images(h, sink, pass);
    };
}

auto valueScan(const QString &tagOpener, const QString &valueOpener, const QString &terminator)
{
    return [=](QStringView h, const MarkupScan::Sink &sink, const MarkupScan::PassHook &pass) {
        return MarkupScan::values(h, tagOpener, valueOpener, terminator, sink, pass);
    };
}

} // namespace

TVHTML::TVHTML(QObject *Owner) : QObject(Owner) {}

QString TVHTML::GetTitel()
{
    return WebDocument(WebBrowser).title().value_or(QString());
}

QString TVHTML::GetBodyText()
{
    return WebDocument(WebBrowser).bodyText().value_or(QString());
}

QString TVHTML::GetBodyHtml()
{
    return WebDocument(WebBrowser).bodyMarkup().value_or(QString());
}

bool TVHTML::GetAllLinks(QListWidget *List)
{
    return scanInto(WebBrowser, List, linkScan());
}

bool TVHTML::GetAllLinks(QStringList &List)
{
    return scanInto(WebBrowser, List, linkScan());
}

bool TVHTML::GetAllImages(QListWidget *List)
{
    return scanInto(WebBrowser, List, imageScan());
}

bool TVHTML::GetAllImages(QStringList &List)
{
    return scanInto(WebBrowser, List, imageScan());
}

bool TVHTML::GetAllVar(QListWidget *List, const QString &TagOpener, const QString &ValueOpener,
                       const QString &Terminator)
{
    return scanInto(WebBrowser, List, valueScan(TagOpener, ValueOpener, Terminator));
}

bool TVHTML::GetAllVar(QStringList &List, const QString &TagOpener, const QString &ValueOpener,
                       const QString &Terminator)
{
    return scanInto(WebBrowser, List, valueScan(TagOpener, ValueOpener, Terminator));
}

QString TVHTML::GetActiveImage(int X, int Y)
{
    Q_UNUSED(X);
    Q_UNUSED(Y);
    return QString();
}

void TVHTML::CallExternUrl(const QString &Url)
{
    WebDocument::openExternal(Url);
}

void TVHTML::BrowseTo(const QString &Url)
{
    WebDocument(WebBrowser).navigate(Url);
}

namespace Vhtml {

void Register()
{
    RegisterComponentClass(QStringLiteral("Varnosel"), QStringLiteral("TVHTML"));
}

} // namespace Vhtml
