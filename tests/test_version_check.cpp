// The version check against a small HTTP server on the loopback address.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <QNetworkProxy>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "game/windows/SettingsWindow.h"
#include "shared/gui/SingleWindow.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/TempTree.h"
#include "tests/support/WidgetTest.h"

using game::preff;
using testsupport::waitUntil;

namespace {

const QString kDesignText = QStringLiteral("The latest version of vesperon is");
const QString kLatestIs = QStringLiteral("The latest version of vesperon is ");

// Answers each request with the next of its pages (the last one again when they run
// out), after that page's delay; it listens on 127.0.0.1 only.
class PageServer : public QObject {
public:
    struct Page {
        QByteArray body;
        int delayMs = 0;
        QByteArray status = "200 OK";
    };

    explicit PageServer(std::vector<Page> pages)
        : m_pages(std::move(pages))
    {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/vesperon/vesperonversion.html").arg(m_server.serverPort()));
    }

    int requests = 0;
    // Connections the client closed before their page was sent.
    int cancelled = 0;

private:
    void serve(QTcpSocket* socket)
    {
        auto request = std::make_shared<QByteArray>();
        auto answered = std::make_shared<bool>(false);
        auto sent = std::make_shared<bool>(false);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request, answered, sent] {
            request->append(socket->readAll());
            if (*answered || !request->contains("\r\n\r\n"))
                return;
            *answered = true;
            const Page page = m_pages.at(std::min<std::size_t>(static_cast<std::size_t>(requests), m_pages.size() - 1));
            ++requests;
            QTimer::singleShot(page.delayMs, socket, [socket, page, sent] {
                *sent = true;
                socket->write("HTTP/1.1 " + page.status + "\r\nContent-Type: text/html\r\nContent-Length: "
                              + QByteArray::number(page.body.size()) + "\r\nConnection: close\r\n\r\n" + page.body);
                socket->disconnectFromHost();
            });
        });
        connect(socket, &QTcpSocket::disconnected, socket, [this, socket, sent] {
            if (!*sent)
                ++cancelled;
            socket->deleteLater();
        });
    }

    QTcpServer m_server;
    std::vector<Page> m_pages;
};

class VersionCheck : public testsupport::WidgetTest {
protected:
    VersionCheck()
    {
        // Only the loopback server is ever asked, whatever the machine's proxy settings.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        tree.mkdir("Levels/Standard");
        app.butts = {0, 30, 31, 28, 29, 32, 114};
        app.lvlmapp = "Standard";
        app.lvlmappantal = "0";
        mainWindow.show();
    }

    preff& openAt(const QUrl& url)
    {
        preff& window = game::showSettings(app, &mainWindow);
        window.setVersionUrl(url);
        return window;
    }

    static void check(preff& window) { QTest::mouseClick(window.findChild<QPushButton*>("PushButton3"), Qt::LeftButton); }
    static QTimer* timer(preff& window) { return window.findChild<QTimer*>("Timer1"); }
    static QString result(preff& window) { return window.findChild<QLabel*>("StaticText2")->text(); }
    static QLabel* download(preff& window) { return window.findChild<QLabel*>("downloadtxt"); }

    static void waitForTheComparison(preff& window)
    {
        ASSERT_TRUE(waitUntil([&] { return !timer(window)->isActive(); }));
    }

    // A loopback address where nothing listens.
    static QUrl nobodyListens()
    {
        QTcpServer probe;
        EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        return QUrl(QStringLiteral("http://127.0.0.1:%1/vesperon/vesperonversion.html").arg(port));
    }

    testsupport::TempTree tree;
    testsupport::RecordingDesktop desktop;
    game::Preferences app;
    QWidget mainWindow;
};

} // namespace

TEST_F(VersionCheck, TheResultComesOneSecondAfterCheckFromThePageReceived)
{
    struct Case {
        QByteArray body;
        QByteArray status;
        QString shown;
        bool link;
    };
    const Case cases[] = {
        {"vvvesperon1.1vvvesperon", "200 OK", "You have got the latest version", false},
        {"<html>News: vvvesperon1.2vvvesperon is out</html>", "200 OK", kLatestIs + "1.2", true},
        {"vvvesperon1.1\r\n", "200 OK", kLatestIs + "1.1\r\n", true},
        {"vvvesperon1.0vvvesperon", "200 OK", kLatestIs + "1.0", true},
        {"<html>Not Found</html>", "404 Not Found", kLatestIs, true},
    };
    for (const Case& c : cases) {
        PageServer server({{c.body, 0, c.status}});
        preff& window = openAt(server.url());
        check(window);
        EXPECT_TRUE(timer(window)->isSingleShot());
        EXPECT_EQ(timer(window)->interval(), 1000);
        ASSERT_TRUE(waitUntil([&] { return window.versionsstring() == c.body.toStdString(); })) << c.body.data();
        EXPECT_TRUE(timer(window)->isActive()) << "a local page comes well within the second";
        EXPECT_EQ(result(window), kDesignText) << "nothing shows before the timer";
        waitForTheComparison(window);
        EXPECT_EQ(result(window), c.shown) << c.body.data();
        EXPECT_EQ(download(window)->isVisibleTo(&window), c.link) << c.body.data();
        EXPECT_EQ(server.requests, 1);
        window.close();
        testsupport::flushDeletes();
    }
}

TEST_F(VersionCheck, TheDownloadLinkOpensTheDownloadsPage)
{
    PageServer server({{"vvvesperon1.2vvvesperon"}});
    preff& window = openAt(server.url());
    check(window);
    waitForTheComparison(window);
    ASSERT_TRUE(download(window)->isVisibleTo(&window));
    QTest::mouseClick(download(window), Qt::LeftButton);
    ASSERT_EQ(desktop.urls.size(), 1u);
    // The addresses are the ones the build was configured with.
    EXPECT_EQ(desktop.urls.front().toString(), QUrl(QStringLiteral(VESPERON_DOWNLOADS_URL)).toString());
    EXPECT_EQ(game::versionPageUrl().toString(), QUrl(QStringLiteral(VESPERON_VERSION_URL)).toString());
    EXPECT_TRUE(fw::SingleWindow<preff>::find()) << "the window stays open";
}

TEST_F(VersionCheck, WithoutAnAnswerTheResultIsEmptyAndTheLinkShows)
{
    preff& window = openAt(nobodyListens());
    check(window);
    waitForTheComparison(window);
    EXPECT_EQ(result(window), kLatestIs);
    EXPECT_TRUE(download(window)->isVisibleTo(&window));
    EXPECT_EQ(window.versionsstring(), "");
}

TEST_F(VersionCheck, AFailedRequestLeavesThePageOfAnEarlierCheck)
{
    PageServer server({{"vvvesperon1.2vvvesperon"}});
    preff& window = openAt(server.url());
    check(window);
    waitForTheComparison(window);
    window.setVersionUrl(nobodyListens());
    check(window);
    waitForTheComparison(window);
    EXPECT_EQ(result(window), kLatestIs + "1.2");
    EXPECT_EQ(window.versionsstring(), "vvvesperon1.2vvvesperon");
}

TEST_F(VersionCheck, ASlowPageIsShownByTheNextCheck)
{
    PageServer server({{"vvvesperon1.2vvvesperon", 1500}, {"vvvesperon1.3vvvesperon", 1500}});
    preff& window = openAt(server.url());
    check(window);
    waitForTheComparison(window);
    EXPECT_EQ(result(window), kLatestIs) << "the timer does not wait for the page";
    EXPECT_TRUE(download(window)->isVisibleTo(&window));

    ASSERT_TRUE(waitUntil([&] { return window.versionsstring() == "vvvesperon1.2vvvesperon"; }));
    EXPECT_EQ(result(window), kLatestIs) << "a late page shows nothing by itself";
    check(window);
    waitForTheComparison(window);
    EXPECT_EQ(result(window), kLatestIs + "1.2") << "the second answer is still on its way";
    ASSERT_TRUE(waitUntil([&] { return window.versionsstring() == "vvvesperon1.3vvvesperon"; }));
    EXPECT_EQ(server.requests, 2);
}

TEST_F(VersionCheck, APageIsKeptUpToItsCap)
{
    const QByteArray body = "vvvesperon1.2vvvesperon" + QByteArray(300 * 1024, 'x');
    PageServer server({{body}});
    preff& window = openAt(server.url());
    check(window);
    ASSERT_TRUE(waitUntil([&] { return !window.versionsstring().empty(); }));
    EXPECT_EQ(window.versionsstring().size(), std::size_t(preff::kMaxPageBytes));
    EXPECT_EQ(window.versionsstring(), body.left(preff::kMaxPageBytes).toStdString());
    waitForTheComparison(window);
    EXPECT_EQ(result(window), kLatestIs + "1.2");
}

TEST_F(VersionCheck, ClosingTheWindowCancelsTheRequest)
{
    PageServer server({{"vvvesperon1.2vvvesperon", 800}});
    preff& window = openAt(server.url());
    check(window);
    ASSERT_TRUE(waitUntil([&] { return server.requests == 1; }));
    window.close();
    testsupport::flushDeletes();
    EXPECT_FALSE(fw::SingleWindow<preff>::find());
    EXPECT_TRUE(mainWindow.isVisible());
    ASSERT_TRUE(waitUntil([&] { return server.cancelled == 1; }));
    // The server's answer time passes with no window left to take it.
    QTest::qWait(1000);
}

// Checks one after another in the same window: each result replaces the one before.
TEST_F(VersionCheck, EachCheckInOneWindowShowsItsOwnResult)
{
    PageServer server({{"vvvesperon1.2vvvesperon"}, {"vvvesperon1.1vvvesperon"}, {"vvvesperon1.3vvvesperon"}});
    preff& window = openAt(server.url());
    struct Step {
        std::string page;
        QString shown;
        bool link;
    };
    const Step steps[] = {
        {"vvvesperon1.2vvvesperon", kLatestIs + "1.2", true},
        {"vvvesperon1.1vvvesperon", "You have got the latest version", false},
        {"vvvesperon1.3vvvesperon", kLatestIs + "1.3", true},
    };
    for (const Step& step : steps) {
        check(window);
        ASSERT_TRUE(waitUntil([&] { return window.versionsstring() == step.page; })) << step.page;
        waitForTheComparison(window);
        EXPECT_EQ(result(window), step.shown) << step.page;
        EXPECT_EQ(download(window)->isVisibleTo(&window), step.link) << step.page;
    }
    EXPECT_EQ(server.requests, 3);
}
