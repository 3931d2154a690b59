// TVHTML and the web document adapter through a real web view, offscreen,
// on local pages written into a temporary folder. Every wait is bounded.
#include "platform/core/Exception.h"
#include "components/platform/core/ComponentPalette.h"
#include "components/Vhtml/Vhtml.h"
#include "components/platform/web/WebDocument.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>

void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

constexpr int loadLimitMs = 10000;

QStringList items(const QListWidget &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

class Browser : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        view = std::make_unique<QWebEngineView>();
        view->resize(800, 600);
        view->show();
        html.WebBrowser = view.get();
    }

    // Pages go before the application does.
    void TearDown() override { view.reset(); }

    QString page(const QString &name, const QByteArray &source)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(source);
        return path;
    }

    QString htmlPage(const QString &name, const QByteArray &title, const QByteArray &body)
    {
        return page(name, "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title +
                              "</title></head><body>" + body + "</body></html>");
    }

    // Runs start() and waits for the view to finish loading successfully.
    testing::AssertionResult loaded(const std::function<void()> &start)
    {
        QSignalSpy spy(view.get(), &QWebEngineView::loadFinished);
        start();
        if (spy.isEmpty() && !spy.wait(loadLimitMs))
            return testing::AssertionFailure() << "no load finished within " << loadLimitMs << " ms";
        if (!spy.first().first().toBool())
            return testing::AssertionFailure() << "the load failed";
        return testing::AssertionSuccess();
    }

    testing::AssertionResult load(const QString &path)
    {
        return loaded([&] { view->load(QUrl::fromLocalFile(path)); });
    }

    QTemporaryDir dir;
    std::unique_ptr<QWebEngineView> view;
    TVHTML html;
};

// ---------------------------------------------------------------- reads

TEST_F(Browser, TitleWithEntities)
{
    ASSERT_TRUE(load(htmlPage("t.html", "Caf&eacute; &amp; &lt;Bar&gt; &#8364;5", "x")));
    EXPECT_EQ(html.GetTitel(), QString::fromUtf8("Café & <Bar> €5"));

    // The operations can be driven by name.
    QString byName;
    ASSERT_TRUE(QMetaObject::invokeMethod(&html, "GetTitel", Q_RETURN_ARG(QString, byName)));
    EXPECT_EQ(byName, html.GetTitel());
}

TEST_F(Browser, ContentSetDirectlyCountsAsDocument)
{
    ASSERT_TRUE(loaded([&] { view->setHtml("<html><head><title>Set</title></head><body>Direct</body></html>"); }));
    EXPECT_EQ(html.GetTitel(), "Set");
    EXPECT_EQ(html.GetBodyText(), "Direct");
}

TEST_F(Browser, BodyTextIsRenderedText)
{
    ASSERT_TRUE(load(htmlPage("b.html", "B", "<p>Hello <b>world</b></p><p style=\"display:none\">hidden</p>")));
    EXPECT_EQ(html.GetBodyText(), "Hello world");
}

TEST_F(Browser, BodyMarkupHasUpperCaseTags)
{
    ASSERT_TRUE(load(htmlPage("m.html", "M",
                              "<p class=\"Mixed\">Fish &amp; chips&nbsp;<br>"
                              "<a href=\"x.html?a=1&amp;b=2\" title='say \"hi\"'>L</a><!-- note -->"
                              "<img alt=\"A\" src=\"i.png\"></p><script>if (1 < 2) {}</script>"
                              "<svg><linearGradient id=\"g\"></linearGradient></svg>")));
    EXPECT_EQ(html.GetBodyHtml(), "<P class=\"Mixed\">Fish &amp; chips&nbsp;<BR>"
                                  "<A href=\"x.html?a=1&amp;b=2\" title=\"say &quot;hi&quot;\">L</A><!-- note -->"
                                  "<IMG alt=\"A\" src=\"i.png\"></P><SCRIPT>if (1 < 2) {}</SCRIPT>"
                                  "<SVG><LINEARGRADIENT id=\"g\"></LINEARGRADIENT></SVG>");
}

TEST_F(Browser, DeeplyNestedBodyIsSerialised)
{
    // Built by script: the markup parser would cap the nesting itself. Far
    // deeper than a recursive serialiser's script stack allows.
    const int depth = 50000;
    ASSERT_TRUE(load(htmlPage("deep.html", "D",
                              "<div style=\"display:none\"></div><script>"
                              "var n = document.body.firstChild;"
                              "for (var i = 0; i < " + QByteArray::number(depth) + "; ++i)"
                              " n = n.appendChild(document.createElement('span'));"
                              "n.textContent = 'x';</script>")));
    const QString markup = html.GetBodyHtml();
    EXPECT_TRUE(markup.startsWith("<DIV style=\"display:none\"><SPAN><SPAN>"));
    EXPECT_EQ(markup.count("<SPAN>"), depth);
    EXPECT_EQ(markup.count("</SPAN>"), depth);
    EXPECT_TRUE(markup.contains("<SPAN>x</SPAN>"));
}

// ---------------------------------------------------------------- lists

const QByteArray listBody = "<p><a href=\"a.html\" title=\"First\">A</a> <a href=\"sub/b.html\" title=\"Second\">B</a>"
                            "<img src=\"a.png\" alt=\"one\"><img alt=\"two\" width=\"5\" src=\"b.png\"></p>";

TEST_F(Browser, LinksAndImagesIntoListBox)
{
    ASSERT_TRUE(load(htmlPage("l.html", "L", listBody)));
    QListWidget list;
    EXPECT_TRUE(html.GetAllLinks(&list));
    EXPECT_EQ(items(list), QStringList({"a.html", "sub/b.html"}));
    // Appended again, nothing cleared.
    EXPECT_TRUE(html.GetAllLinks(&list));
    EXPECT_TRUE(html.GetAllImages(&list));
    EXPECT_TRUE(html.GetAllVar(&list, "<A ", "title=\"", "\""));
    EXPECT_EQ(items(list), QStringList({"a.html", "sub/b.html", "a.html", "sub/b.html", "a.png", "b.png", "First",
                                        "Second"}));
}

TEST_F(Browser, LinksAndImagesIntoStringList)
{
    ASSERT_TRUE(load(htmlPage("l.html", "L", listBody)));
    QStringList list{"kept"};
    EXPECT_TRUE(html.GetAllImages(list));
    EXPECT_TRUE(html.GetAllLinks(list));
    EXPECT_TRUE(html.GetAllVar(list, "<IMG ", "alt=\"", "\""));
    EXPECT_EQ(list, QStringList({"kept", "a.png", "b.png", "a.html", "sub/b.html", "one", "two"}));
}

TEST_F(Browser, NothingFoundGivesFalse)
{
    ASSERT_TRUE(load(htmlPage("n.html", "N", "<p>No links, <b>no images</b>.</p>")));
    QListWidget box;
    QStringList list{"kept"};
    EXPECT_FALSE(html.GetAllLinks(&box));
    EXPECT_FALSE(html.GetAllImages(&box));
    EXPECT_FALSE(html.GetAllVar(&box, "<B ", "id=\"", "\""));
    EXPECT_FALSE(html.GetAllLinks(list));
    EXPECT_FALSE(html.GetAllImages(list));
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(list, QStringList{"kept"});
}

// Events pumped during a scan may destroy the list box; the scan then ends.
TEST_F(Browser, ListBoxDestroyedDuringScan)
{
    QByteArray body;
    for (int i = 0; i < 30000; ++i)
        body += "<a href=\"l" + QByteArray::number(i) + ".html\">x</a> ";
    ASSERT_TRUE(load(htmlPage("big.html", "Big", body)));

    auto *box = new QListWidget;
    QPointer<QListWidget> guard(box);
    QObject::connect(
        box->model(), &QAbstractItemModel::rowsInserted, qApp,
        [guard] { QTimer::singleShot(0, qApp, [guard] { delete guard.data(); }); }, Qt::SingleShotConnection);
    EXPECT_TRUE(html.GetAllLinks(box));
    EXPECT_TRUE(guard.isNull());
    delete guard.data();
}

// ---------------------------------------------------------------- navigation

TEST_F(Browser, BrowseToLoadsSecondPage)
{
    ASSERT_TRUE(load(htmlPage("one.html", "One", "<p>1</p>")));
    const QString two = htmlPage("two.html", "Two", "<p>2</p>");
    const QString three = htmlPage("three.html", "Three", "<p>3</p>");

    ASSERT_TRUE(loaded([&] { html.BrowseTo(two); }));
    EXPECT_EQ(html.GetTitel(), "Two");
    EXPECT_EQ(html.GetBodyText(), "2");

    ASSERT_TRUE(loaded([&] { html.BrowseTo(QUrl::fromLocalFile(three).toString()); }));
    EXPECT_EQ(html.GetTitel(), "Three");
}

TEST_F(Browser, BrowseToEmptyAddressRaises)
{
    EXPECT_THROW(html.BrowseTo(""), Exception);
}

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

TEST(CallExternUrl, HandsAddressToDesktop)
{
    UrlRecorder recorder;
    // The desktop's handler for a scheme is replaceable; no browser needed.
    QDesktopServices::setUrlHandler("https", &recorder, "open");
    TVHTML html;
    html.CallExternUrl("https://example.org/a?b=1");
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(recorder.urls, QList<QUrl>{QUrl("https://example.org/a?b=1")});
}

// ---------------------------------------------------------------- missing objects

// Every read gives an empty text or false and leaves the lists alone.
void expectNoBody(TVHTML &html)
{
    QListWidget box;
    QStringList list{"kept"};
    EXPECT_EQ(html.GetBodyText(), "");
    EXPECT_EQ(html.GetBodyHtml(), "");
    EXPECT_FALSE(html.GetAllLinks(&box));
    EXPECT_FALSE(html.GetAllLinks(list));
    EXPECT_FALSE(html.GetAllImages(&box));
    EXPECT_FALSE(html.GetAllImages(list));
    EXPECT_FALSE(html.GetAllVar(&box, "<", "/", ">"));
    EXPECT_FALSE(html.GetAllVar(list, "<", "/", ">"));
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(list, QStringList{"kept"});
}

TEST(MissingBrowser, EverythingEmpty)
{
    TVHTML html;
    EXPECT_EQ(html.GetTitel(), "");
    expectNoBody(html);
    EXPECT_NO_THROW(html.BrowseTo("https://example.org/"));
    EXPECT_EQ(html.GetActiveImage(1, 2), "");
}

TEST_F(Browser, DestroyedBrowserReadsAsMissing)
{
    ASSERT_TRUE(load(htmlPage("d.html", "D", listBody)));
    view.reset();
    EXPECT_EQ(html.GetTitel(), "");
    expectNoBody(html);
    EXPECT_NO_THROW(html.BrowseTo("https://example.org/"));
}

TEST_F(Browser, NoDocumentLoaded)
{
    EXPECT_EQ(html.GetTitel(), "");
    expectNoBody(html);
}

TEST_F(Browser, DocumentWithoutBody)
{
    const QString svg = page("p.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">"
                                      "<title>Drawing</title><a href=\"x\"/></svg>");
    ASSERT_TRUE(load(svg));
    EXPECT_EQ(html.GetTitel(), "Drawing");
    expectNoBody(html);
}

// ---------------------------------------------------------------- bounded waits

TEST_F(Browser, SlowPageRaisesAfterTimeLimit)
{
    ASSERT_TRUE(load(htmlPage("s.html", "Slow", "<p>s</p>")));
    // Keep the page's script thread busy well beyond the time limit.
    view->page()->runJavaScript("var end = Date.now() + 1500; while (Date.now() < end) {}");
    QElapsedTimer clock;
    clock.start();
    try {
        WebDocument(view.get(), 300).title();
        ADD_FAILURE() << "no time-out raised";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), "The web page did not answer within 300 ms");
    }
    EXPECT_LT(clock.elapsed(), 1200);

    // The late answer arrives after the wait gave up and must find nothing
    // freed; then the page answers normally again.
    EXPECT_EQ(WebDocument(view.get()).title(), "Slow");
}

TEST_F(Browser, BrowserDestroyedWhileWaiting)
{
    ASSERT_TRUE(load(htmlPage("w.html", "W", listBody)));
    view->page()->runJavaScript("var end = Date.now() + 500; while (Date.now() < end) {}");
    QTimer::singleShot(0, qApp, [this] { view.reset(); });
    EXPECT_EQ(html.GetBodyHtml(), "");
    EXPECT_EQ(view, nullptr);
}

// ---------------------------------------------------------------- palette

TEST(Palette, RegisterRecordsClassOnce)
{
    Vhtml::Register();
    Vhtml::Register();
    const auto all = RegisteredComponentClasses();
    EXPECT_EQ(std::count(all.begin(), all.end(), std::pair{QStringLiteral("Varnosel"), QStringLiteral("TVHTML")}), 1);
}

} // namespace

#include "VhtmlBrowserTest.moc"
