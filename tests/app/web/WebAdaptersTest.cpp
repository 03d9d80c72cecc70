// The web adapters on their own: the HTTP fetch, the online check, the hidden browser and the
// picture decoding, against the local test server.
#include "app/WebBand.h"
#include "platform/web/HiddenBrowser.h"
#include "platform/web/HttpFetch.h"
#include "platform/web/OnlineCheck.h"
#include "platform/web/PictureBytes.h"
#include "tests/app/web/WebTestServer.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using testing_support::closedPort;
using testing_support::jpegPicture;
using testing_support::SilentHost;
using testing_support::WebTestServer;

namespace {
// Runs one step to its report, which must come once and after start() has returned.
template<typename Step, typename Signal, typename... Arguments>
QVariant reportOf(Signal finished, Arguments... arguments)
{
    Step step;
    QSignalSpy reports(&step, finished);
    step.start(arguments...);
    EXPECT_EQ(reports.count(), 0) << "reported before start() returned";
    if (!reports.wait(10000))
        return QStringLiteral("<no report>");
    QCoreApplication::processEvents();
    EXPECT_EQ(reports.count(), 1);
    return reports.at(0).at(0);
}

QByteArray fetchBytes(const QUrl &address, const platform::FetchLimits &limits = {})
{
    return reportOf<platform::HttpFetch>(&platform::HttpFetch::finished, address, limits).toByteArray();
}

bool canReachSite(const QUrl &site, int boundMs = 1000)
{
    return reportOf<platform::OnlineCheck>(&platform::OnlineCheck::finished, site, boundMs).toBool();
}
} // namespace

TEST(HttpFetch, ReturnsTheBodyOfASuccessfulAnswer)
{
    WebTestServer server;
    const QByteArray body("\x00\xff\r\nbytes as they are", 21);
    server.serve(QStringLiteral("/a.bin"), body);
    EXPECT_EQ(fetchBytes(QUrl(server.site() + QStringLiteral("/a.bin"))), body);
    EXPECT_EQ(server.requests, QStringList{QStringLiteral("/a.bin")});
}

TEST(HttpFetch, EveryFailureGivesNoBytes)
{
    WebTestServer server;
    server.serve(QStringLiteral("/error"), "server error page", 500);
    server.serve(QStringLiteral("/large"), QByteArray(5000, 'x'));
    const QString site = server.site();

    EXPECT_TRUE(fetchBytes(QUrl(site + QStringLiteral("/missing"))).isEmpty()) << "404 with a body";
    EXPECT_TRUE(fetchBytes(QUrl(site + QStringLiteral("/error"))).isEmpty());
    EXPECT_TRUE(fetchBytes(QUrl(site + QStringLiteral("/large")), {5000, 1000}).isEmpty()) << "beyond the limit";
    EXPECT_EQ(fetchBytes(QUrl(site + QStringLiteral("/large")), {5000, 5000}).size(), 5000) << "at the limit";
    EXPECT_TRUE(fetchBytes(QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort()))).isEmpty());
    EXPECT_TRUE(fetchBytes(QUrl(QStringLiteral("http://korvia.invalid/x"))).isEmpty());
    // Only web addresses are fetched: not even a file that is there.
    EXPECT_TRUE(fetchBytes(QUrl::fromLocalFile(QCoreApplication::applicationFilePath())).isEmpty());
    EXPECT_TRUE(fetchBytes(QUrl()).isEmpty());
    EXPECT_TRUE(fetchBytes(QUrl(QStringLiteral("not an address"))).isEmpty());
}

TEST(HttpFetch, ASilentServerEndsInTheTimeOutAndTheConnectionIsDropped)
{
    WebTestServer server;
    server.serve(QStringLiteral("/warm-up"), "ok");
    server.hold(QStringLiteral("/slow.jpg"));
    // A first fetch loads the network machinery, so the short time-out below is spent waiting only.
    ASSERT_EQ(fetchBytes(QUrl(server.site() + QStringLiteral("/warm-up"))), QByteArray("ok"));
    EXPECT_TRUE(fetchBytes(QUrl(server.site() + QStringLiteral("/slow.jpg")), {500, 1000}).isEmpty());
    EXPECT_EQ(server.requests, (QStringList{QStringLiteral("/warm-up"), QStringLiteral("/slow.jpg")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.dropped.contains(QStringLiteral("/slow.jpg")); }, 3000));
}

TEST(OnlineCheck, AListeningHostIsReachableAndHearsNothing)
{
    WebTestServer server;
    EXPECT_TRUE(canReachSite(QUrl(server.site())));
    EXPECT_TRUE(canReachSite(QUrl(server.site() + QStringLiteral("/some/path"))));
    QTest::qWait(50);
    EXPECT_EQ(server.connections, 2);
    EXPECT_TRUE(server.requests.isEmpty());
}

TEST(OnlineCheck, ClosedPortsUnknownNamesAndNonAddressesAreOffline)
{
    EXPECT_FALSE(canReachSite(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(closedPort()))));
    EXPECT_FALSE(canReachSite(QUrl(QStringLiteral("http://korvia.invalid"))));
    EXPECT_FALSE(canReachSite(QUrl()));
    EXPECT_FALSE(canReachSite(QUrl(QStringLiteral("just words"))));
}

TEST(OnlineCheck, AHostThatDoesNotAnswerCountsAsOfflineAfterTheBound)
{
    SilentHost host;
    EXPECT_FALSE(canReachSite(QUrl(host.site()), 300));
}

// It loads each address to its end, found or not, and ignores addresses that are not on the web.
TEST(HiddenBrowser, LoadsItsAddressToTheEnd)
{
    WebTestServer server;
    server.serve(QStringLiteral("/web.html"), "<html>counted</html>");
    platform::HiddenBrowser browser;

    browser.setAddress(server.site() + QStringLiteral("/web.html"));
    EXPECT_TRUE(browser.isLoading());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !browser.isLoading(); }, 3000));

    browser.setAddress(server.site() + QStringLiteral("/missing.html"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !browser.isLoading(); }, 3000));
    EXPECT_EQ(server.requests, (QStringList{QStringLiteral("/web.html"), QStringLiteral("/missing.html")}));

    browser.setAddress(QStringLiteral("file:///etc/hostname"));
    EXPECT_FALSE(browser.isLoading());
}

TEST(HiddenBrowser, DestroyingItDropsTheLoad)
{
    WebTestServer server;
    server.hold(QStringLiteral("/web.html"));
    auto browser = std::make_unique<platform::HiddenBrowser>();
    browser->setAddress(server.site() + QStringLiteral("/web.html"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requests.isEmpty(); }, 3000));
    browser.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !server.dropped.isEmpty(); }, 3000));
}

TEST(PictureBoard, FitsThePictureIntoTheBoardKeepingItsProportions)
{
    const QSize board(252, 57);
    EXPECT_EQ(platform::decodePicture(jpegPicture(252, 57), board).size(), QSize(252, 57));
    EXPECT_EQ(platform::decodePicture(jpegPicture(504, 57), board).size(), QSize(252, 28)) << "wide";
    EXPECT_EQ(platform::decodePicture(jpegPicture(100, 200), board).size(), QSize(28, 57)) << "tall";
    EXPECT_EQ(platform::decodePicture(jpegPicture(126, 19), board).size(), QSize(252, 38)) << "small, scaled up";
    EXPECT_EQ(platform::decodePicture(jpegPicture(4000, 20), board).size(), QSize(252, 1)) << "a sliver stays visible";
}

TEST(PictureBoard, EmptyOrUnreadableBytesShowNoPicture)
{
    const QSize board(252, 57);
    const QByteArray jpeg = jpegPicture(252, 57);
    EXPECT_TRUE(platform::decodePicture({}, board).isNull());
    EXPECT_TRUE(platform::decodePicture("<html>404 Not Found</html>", board).isNull());
    EXPECT_TRUE(platform::decodePicture(jpeg.left(20), board).isNull()) << "cut off in the header";
    EXPECT_TRUE(platform::decodePicture(QByteArray(1000, '\xff'), board).isNull());

    QLabel label;
    label.resize(board);
    app::showNewsPicture(&label, jpeg);
    EXPECT_FALSE(label.pixmap().isNull());
    app::showNewsPicture(&label, "garbage");
    EXPECT_TRUE(label.pixmap().isNull()) << "a failed picture replaces, not keeps, the last one";
}
