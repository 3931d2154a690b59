// Small program to try TVHTML: an address line, the browser view, and
// buttons that fill a list with what the component reads from the page.
//   html_demo [address]
#include "platform/core/Exception.h"
#include "components/Vhtml/Vhtml.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <QWidget>

#include <functional>

namespace {

// Shown when no address is given, so that the demo works offline.
const char *samplePage = R"(<!DOCTYPE html>
<html><head><title>Sample &amp; demo page</title></head>
<body>
<h1>TVHTML sample</h1>
<p>Links: <a href="https://example.org/first" title="First link">first</a>,
<a href="second.html" title="Second link">second</a>.</p>
<p>Images: <img src="one.png" alt="Image one"> <img alt="Image two" src="two.png"></p>
</body></html>)";

class DemoWindow : public QWidget
{
public:
    DemoWindow()
    {
        setWindowTitle(QStringLiteral("TVHTML demo"));
        resize(1100, 700);

        auto *address = new QLineEdit;
        address->setObjectName(QStringLiteral("AddressEdit"));
        address->setPlaceholderText(QStringLiteral("Address or file path"));
        auto *go = new QPushButton(QStringLiteral("Go"));
        go->setObjectName(QStringLiteral("GoButton"));
        auto *top = new QHBoxLayout;
        top->addWidget(address, 1);
        top->addWidget(go);

        m_view = new QWebEngineView;
        m_view->setObjectName(QStringLiteral("WebBrowser1"));
        m_html = new TVHTML(this);
        m_html->setObjectName(QStringLiteral("VHTML1"));
        m_html->WebBrowser = m_view;

        m_list = new QListWidget;
        m_list->setObjectName(QStringLiteral("ResultList"));
        auto *tagOpener = new QLineEdit(QStringLiteral("<A "));
        auto *valueOpener = new QLineEdit(QStringLiteral("title=\""));
        auto *terminator = new QLineEdit(QStringLiteral("\""));
        auto *openers = new QFormLayout;
        openers->addRow(QStringLiteral("Tag opener"), tagOpener);
        openers->addRow(QStringLiteral("Value opener"), valueOpener);
        openers->addRow(QStringLiteral("Terminator"), terminator);

        auto *side = new QWidget;
        auto *sideLayout = new QVBoxLayout(side);
        sideLayout->addWidget(m_list, 1);
        sideLayout->addLayout(openers);
        addButton(sideLayout, "Title", [this] { m_list->addItem(m_html->GetTitel()); });
        addButton(sideLayout, "Body text", [this] { m_list->addItem(m_html->GetBodyText()); });
        addButton(sideLayout, "Body markup", [this] { m_list->addItem(m_html->GetBodyHtml()); });
        addButton(sideLayout, "Links", [this] { report(m_html->GetAllLinks(m_list)); });
        addButton(sideLayout, "Images", [this] { report(m_html->GetAllImages(m_list)); });
        addButton(sideLayout, "Values", [=, this] {
            report(m_html->GetAllVar(m_list, tagOpener->text(), valueOpener->text(), terminator->text()));
        });
        addButton(sideLayout, "Open externally", [=, this] { m_html->CallExternUrl(address->text()); });
        addButton(sideLayout, "Clear", [this] { m_list->clear(); });

        auto *split = new QSplitter;
        split->addWidget(m_view);
        split->addWidget(side);
        // The view has no size hint of its own; give it the larger share.
        split->setSizes({650, 450});
        m_view->setMinimumWidth(200);

        auto *layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addWidget(split, 1);

        const auto browse = [=, this] { guarded([&] { m_html->BrowseTo(address->text()); }); };
        connect(go, &QPushButton::clicked, this, browse);
        connect(address, &QLineEdit::returnPressed, this, browse);
        connect(m_view, &QWebEngineView::urlChanged, address,
                [address](const QUrl &url) { address->setText(url.toString()); });
    }

    void start(const QString &address)
    {
        if (address.isEmpty())
            m_view->setHtml(QString::fromUtf8(samplePage), QUrl(QStringLiteral("https://example.org/")));
        else
            guarded([&] { m_html->BrowseTo(address); });
    }

private:
    void addButton(QVBoxLayout *layout, const char *text, std::function<void()> action)
    {
        auto *button = new QPushButton(QString::fromLatin1(text));
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, action] { guarded(action); });
    }

    // The component lets errors of the page access through; show them.
    void guarded(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const Exception &e) {
            QMessageBox::warning(this, windowTitle(), e.Message());
        }
    }

    void report(bool found)
    {
        if (!found)
            m_list->addItem(QStringLiteral("(nothing found)"));
    }

    QWebEngineView *m_view;
    TVHTML *m_html;
    QListWidget *m_list;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    int result = 0;
    {
        // The window and its pages go before the application.
        DemoWindow window;
        window.show();
        window.start(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
        result = app.exec();
    }
    return result;
}
