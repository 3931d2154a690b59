#pragma once
// Synchronous access to the document shown in a web view. The engine answers
// script queries asynchronously; every read waits for its answer in a local
// event loop (the user interface stays alive) for at most timeoutMs and
// raises Exception when none arrives. A view destroyed meanwhile reads as
// missing, never as a dangling pointer.
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariantMap>

#include <optional>

class QWebEngineView;

class WebDocument
{
public:
    static constexpr int defaultTimeoutMs = 5000;

    explicit WebDocument(QWebEngineView *view, int timeoutMs = defaultTimeoutMs);

    bool hasView() const { return !m_view.isNull(); }
    // A fresh view holds no document until it has been given an address or
    // content to show.
    bool hasDocument() const;

    // nullopt: no view or no document.
    std::optional<QString> title();
    // nullopt: no view, no document or a document without a body.
    std::optional<QString> bodyText();
    // The body's markup, serialised with tag names in upper case; attribute
    // names and values as the document holds them (escaped as any markup).
    std::optional<QString> bodyMarkup();

    // Loads an address into the view; does nothing without a view.
    // Raises Exception when the address is not a usable URL.
    void navigate(const QString &address);

    // Hands an address to the desktop's default handler; false if it refused.
    static bool openExternal(const QString &address);

    // "www.x.org" → http, an existing local path → file URL; empty → invalid.
    static QUrl addressToUrl(const QString &address);

private:
    // Runs a script that answers with an object. nullopt when the view is
    // (or becomes) missing; raises Exception on time-out or a broken answer.
    std::optional<QVariantMap> query(const QString &script);
    std::optional<QString> bodyValue(const QString &script);

    QPointer<QWebEngineView> m_view;
    int m_timeoutMs;
};
