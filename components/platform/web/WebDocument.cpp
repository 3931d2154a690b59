#include "components/platform/web/WebDocument.h"

#include "platform/core/Exception.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <memory>

#if defined(__SANITIZE_ADDRESS__)
// The web engine's browser side runs inside this process and frees some of
// its own objects with a sized delete of another type; AddressSanitizer stops
// at that (new-delete-type-mismatch) on the first page load. It is not in our
// code and that report cannot be suppressed by library, so programs that host
// the engine turn off this one check; every other check stays on. The
// environment's ASAN_OPTIONS still take precedence.
extern "C" __attribute__((visibility("default"), used)) const char *__asan_default_options()
{
    return "new_delete_type_mismatch=0";
}
#endif

namespace {

// Scripts run in the application's own script world: the page shares the DOM
// with us but cannot replace the built-ins we call.
const QString titleScript = QStringLiteral("({title: document.title})");

const QString bodyTextScript = QStringLiteral(
    "(function () { var b = document.body;"
    " return b ? {body: true, value: b.innerText} : {body: false}; })()");

// Serialises the body's children like innerHTML does, but with tag names in
// upper case. Iterative, so that deeply nested documents cannot exhaust the
// script stack.
const QString bodyMarkupScript = QStringLiteral(R"JS(
(function () {
  var body = document.body;
  if (!body) return {body: false};
  var VOID = {AREA: 1, BASE: 1, BASEFONT: 1, BGSOUND: 1, BR: 1, COL: 1, EMBED: 1, FRAME: 1, HR: 1,
              IMG: 1, INPUT: 1, KEYGEN: 1, LINK: 1, META: 1, PARAM: 1, SOURCE: 1, TRACK: 1, WBR: 1};
  var RAW = {STYLE: 1, SCRIPT: 1, XMP: 1, IFRAME: 1, NOEMBED: 1, NOFRAMES: 1, PLAINTEXT: 1, NOSCRIPT: 1};
  function text(s) {
    return s.replace(/&/g, '&amp;').replace(/\u00A0/g, '&nbsp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
  }
  function attr(s) {
    return s.replace(/&/g, '&amp;').replace(/\u00A0/g, '&nbsp;').replace(/"/g, '&quot;');
  }
  var out = [];
  var work = []; // pending nodes in reverse document order; a string is a closing tag
  function pushChildren(node, raw) {
    for (var c = node.lastChild; c; c = c.previousSibling) work.push({node: c, raw: raw});
  }
  pushChildren(body, false);
  while (work.length) {
    var item = work.pop();
    if (typeof item === 'string') { out.push(item); continue; }
    var n = item.node;
    switch (n.nodeType) {
    case 1:
      var tag = n.tagName.toUpperCase();
      var open = '<' + tag;
      for (var i = 0; i < n.attributes.length; ++i)
        open += ' ' + n.attributes[i].name + '="' + attr(n.attributes[i].value) + '"';
      out.push(open + '>');
      if (VOID[tag] === 1) break;
      work.push('</' + tag + '>');
      pushChildren(tag === 'TEMPLATE' && n.content ? n.content : n, RAW[tag] === 1);
      break;
    case 3: out.push(item.raw ? n.data : text(n.data)); break;
    case 4: out.push('<![CDATA[' + n.data + ']]>'); break;
    case 7: out.push('<?' + n.target + ' ' + n.data + '>'); break;
    case 8: out.push('<!--' + n.data + '-->'); break;
    }
  }
  return {body: true, value: out.join('')};
})()
)JS");

} // namespace

WebDocument::WebDocument(QWebEngineView *view, int timeoutMs) : m_view(view), m_timeoutMs(timeoutMs) {}

bool WebDocument::hasDocument() const
{
    return m_view && !m_view->url().isEmpty();
}

std::optional<QString> WebDocument::title()
{
    const auto answer = query(titleScript);
    if (!answer)
        return std::nullopt;
    return answer->value(QStringLiteral("title")).toString();
}

std::optional<QString> WebDocument::bodyText()
{
    return bodyValue(bodyTextScript);
}

std::optional<QString> WebDocument::bodyMarkup()
{
    return bodyValue(bodyMarkupScript);
}

std::optional<QString> WebDocument::bodyValue(const QString &script)
{
    const auto answer = query(script);
    if (!answer || !answer->value(QStringLiteral("body")).toBool())
        return std::nullopt;
    return answer->value(QStringLiteral("value")).toString();
}

std::optional<QVariantMap> WebDocument::query(const QString &script)
{
    if (!hasDocument())
        return std::nullopt;

    // Shared with the callback: the engine may answer after this wait has
    // given up, or synchronously while the page is being destroyed.
    struct Answer
    {
        bool arrived = false;
        QVariant value;
        QPointer<QEventLoop> loop;
    };
    auto answer = std::make_shared<Answer>();
    QEventLoop loop;
    answer->loop = &loop;
    m_view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [answer](const QVariant &value) {
        answer->arrived = true;
        answer->value = value;
        if (answer->loop)
            answer->loop->quit();
    });

    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(m_view.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
    if (!answer->arrived) {
        limit.start(m_timeoutMs);
        loop.exec();
    }
    answer->loop = nullptr;

    if (!m_view)
        return std::nullopt;
    if (!answer->arrived) {
        if (limit.isActive())
            throw Exception(QStringLiteral("The wait for the web page was interrupted"));
        throw Exception(QStringLiteral("The web page did not answer within %1 ms").arg(m_timeoutMs));
    }
    // Our scripts always answer with an object; anything else means the
    // script failed or the page went away while it ran.
    if (answer->value.typeId() != QMetaType::QVariantMap)
        throw Exception(QStringLiteral("The web page gave no usable answer"));
    return answer->value.toMap();
}

void WebDocument::navigate(const QString &address)
{
    if (!m_view)
        return;
    const QUrl url = addressToUrl(address);
    if (!url.isValid())
        throw Exception(QStringLiteral("Not a valid address: \"%1\"").arg(address));
    m_view->load(url);
}

bool WebDocument::openExternal(const QString &address)
{
    const QUrl url = addressToUrl(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

QUrl WebDocument::addressToUrl(const QString &address)
{
    return QUrl::fromUserInput(address, QDir::currentPath());
}
