// The start-up web steps through the real main window: online, offline, a slow site and a picture
// that fails.
#include "app/WebLinks.h"
#include "platform/web/OnlineCheck.h"
#include "tests/app/web/WebTestServer.h"
#include "tests/support/TestWindow.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using testing_support::jpegPicture;
using testing_support::TestWindow;
using testing_support::WebTestServer;

namespace {
const QString kPicture = QStringLiteral("/exeapp/lumo/news.jpg");
const QString kStatistics = QStringLiteral("/exeapp/lumo/web.html");
constexpr int kVisitMs = 600; // the visit's five seconds, shortened

struct WebControls {
    explicit WebControls(const TestWindow &t)
        : board(t.find<QLabel>(QStringLiteral("画板1"))), notice(t.find<QLabel>(QStringLiteral("标签2"))),
          link(t.find<QLabel>(QStringLiteral("透明标签1"))), timer(t.find<QTimer>(QStringLiteral("时钟1")))
    {
    }
    platform::HiddenBrowser *browser(const TestWindow &t) const
    {
        return t.find<platform::HiddenBrowser>(QStringLiteral("超文本浏览框1"));
    }
    // Shown as far as the window is concerned: start-up runs before the window itself is shown.
    bool noticeShown() const { return !notice->isHidden(); }
    QLabel *board;
    QLabel *notice;
    QLabel *link;
    QTimer *timer;
};

void pressNewsLink(QLabel *link)
{
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(130, 36));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(130, 36));
}

// Runs the start-up sequence and waits for the online check's verdict, which comes after the
// sequence has returned; -1 when it comes too early or never.
int startAndAwaitOnlineCheck(const TestWindow &t)
{
    auto *check = t.window->findChild<platform::OnlineCheck *>();
    if (!check)
        return -1;
    QSignalSpy verdicts(check, &platform::OnlineCheck::finished);
    t.window->runStartupSequence();
    if (!verdicts.isEmpty() || !verdicts.wait(10000))
        return -1;
    return verdicts.at(0).at(0).toBool() ? 1 : 0;
}
} // namespace

TEST(StartupWebSteps, OnlineStartupRunsTheStepsInOrderAndTheOneTickEndsTheVisit)
{
    WebTestServer server;
    server.serve(kPicture, jpegPicture(504, 114));
    server.hold(kStatistics); // still loading when the visit ends
    QList<bool> noticeAtRequest;
    QList<bool> pictureAtRequest;
    TestWindow *window = nullptr;
    server.onRequest = [&](const QString &) {
        const WebControls c(*window);
        noticeAtRequest << c.noticeShown();
        pictureAtRequest << !c.board->pixmap().isNull();
    };

    TestWindow t(server.site(), false, kVisitMs);
    window = &t;
    const WebControls c(t);
    EXPECT_FALSE(c.noticeShown());
    EXPECT_FALSE(c.timer->isActive());

    t.window->runStartupSequence();
    QSignalSpy ticks(c.timer, &QTimer::timeout);

    // The picture comes first, then the statistics page, each in the background.
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests.size() == 2; }, 3000));
    EXPECT_EQ(server.requests, (QStringList{kPicture, kStatistics}));
    EXPECT_EQ(noticeAtRequest, (QList<bool>{true, true})) << "notice shown before the picture is asked for";
    EXPECT_EQ(pictureAtRequest, (QList<bool>{false, true}));
    EXPECT_EQ(c.board->pixmap().size(), QSize(252, 57));
    EXPECT_TRUE(c.noticeShown());
    ASSERT_NE(c.browser(t), nullptr);
    EXPECT_TRUE(c.timer->isActive());
    EXPECT_EQ(c.timer->interval(), kVisitMs);
    EXPECT_EQ(c.timer->timerType(), Qt::PreciseTimer) << "a coarse timer may end the visit early";

    ASSERT_TRUE(ticks.wait(kVisitMs + 3000));
    EXPECT_FALSE(c.noticeShown());
    EXPECT_EQ(c.browser(t), nullptr) << "the hidden browser is destroyed";
    EXPECT_FALSE(c.timer->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.dropped.contains(kStatistics); }, 3000))
        << "the unfinished statistics load is dropped";

    QTest::qWait(200);
    EXPECT_EQ(ticks.size(), 1);
    EXPECT_EQ(server.requests.size(), 2) << "nothing else is asked of the site";
    // The picture stays, and the news link still works once the visit is over.
    EXPECT_FALSE(c.board->pixmap().isNull());
    pressNewsLink(c.link);
    EXPECT_EQ(t.shell.addresses, QStringList{server.site() + QStringLiteral("/exeapp/lumo/news.html")});
}

TEST(StartupWebSteps, OfflineStartupTouchesNothing)
{
    const QString site = QStringLiteral("http://127.0.0.1:%1").arg(testing_support::closedPort());
    TestWindow t(site, false);
    ASSERT_EQ(startAndAwaitOnlineCheck(t), 0);

    const WebControls c(t);
    QSignalSpy ticks(c.timer, &QTimer::timeout);
    EXPECT_FALSE(c.noticeShown());
    EXPECT_TRUE(c.board->pixmap().isNull());
    EXPECT_FALSE(c.timer->isActive());
    platform::HiddenBrowser *browser = c.browser(t);
    ASSERT_NE(browser, nullptr) << "the browser stays, with no page";
    EXPECT_TRUE(browser->address().isEmpty());
    EXPECT_FALSE(browser->isLoading());

    // The links work all the same.
    pressNewsLink(c.link);
    t.clickToolbar(QStringLiteral("检查更新"));
    EXPECT_EQ(t.shell.addresses, (QStringList{site + QStringLiteral("/exeapp/lumo/news.html"),
                                              site + QStringLiteral("/exeapp/lumo/")}));
    QTest::qWait(100);
    EXPECT_EQ(ticks.size(), 0);
}

TEST(StartupWebSteps, ASiteThatDoesNotAnswerIsTakenForOffline)
{
    testing_support::SilentHost host;
    TestWindow t(host.site(), false);
    ASSERT_EQ(startAndAwaitOnlineCheck(t), 0);
    const WebControls c(t);
    EXPECT_FALSE(c.noticeShown());
    EXPECT_FALSE(c.timer->isActive());
}

// The picture is fetched while the window goes on: a click is answered while the site holds it back.
TEST(StartupWebSteps, TheWindowAnswersWhileThePictureIsHeldBack)
{
    WebTestServer server;
    server.hold(kPicture);
    TestWindow t(server.site());
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests == QStringList{kPicture}; }, 3000));

    t.clickToolbar(QStringLiteral("关于"));
    EXPECT_EQ(t.prompts.messages.size(), 1);
    const WebControls c(t);
    EXPECT_TRUE(c.noticeShown());
    EXPECT_TRUE(c.board->pixmap().isNull()) << "the picture is still on its way";
    EXPECT_FALSE(c.timer->isActive()) << "the visit starts once the picture is in";
}

// An error status or an empty body end in no bytes just as a 404 does (HttpFetch.EveryFailureGivesNoBytes).
class FailedPicture : public ::testing::TestWithParam<bool> {};

TEST_P(FailedPicture, LeavesTheBoardEmptyAndTheVisitAndTheLinkGoOn)
{
    WebTestServer server;
    if (GetParam())
        server.serve(kPicture, "this is not a picture at all");
    server.serve(kStatistics, "<html></html>");
    TestWindow t(server.site());
    const WebControls c(t);

    ASSERT_TRUE(QTest::qWaitFor([&] { return c.timer->isActive(); }, 3000)) << "the visit goes on";
    EXPECT_TRUE(c.board->pixmap().isNull());
    EXPECT_TRUE(c.noticeShown());
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.requests.size() == 2; }, 3000));
    EXPECT_EQ(server.requests, (QStringList{kPicture, kStatistics}));

    pressNewsLink(c.link);
    EXPECT_EQ(t.shell.addresses, QStringList{server.site() + QStringLiteral("/exeapp/lumo/news.html")});
    EXPECT_TRUE(t.prompts.messages.isEmpty()) << "a failed picture is never reported";
}

INSTANTIATE_TEST_SUITE_P(NotFoundOrGarbage, FailedPicture, ::testing::Bool());
