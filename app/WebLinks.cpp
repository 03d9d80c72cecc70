// The help window, the about box, the web links and the statistics visit.
#include "app/WebLinks.h"

#include "app/HelpWindow.h"
#include "app/MakerTexts.h"
#include "ui/widgets/ClickableLabel.h"
#include "platform/Prompts.h"
#include "platform/QuitRequest.h"
#include "platform/Shell.h"
#include "platform/web/HttpFetch.h"
#include "platform/web/OnlineCheck.h"
#include "platform/web/PictureBytes.h"

#include <QLabel>
#include <QTimer>
#include <QUrl>

namespace app {

namespace {
// Without a network the check fails at the name lookup or the refused connection at once; a host
// that does not answer holds start-up up for at most this long.
constexpr int kOnlineCheckBoundMs = 1000;
// The news picture is small; a slow or silent site holds start-up up for at most a few seconds.
constexpr platform::FetchLimits kPictureLimits{5000, 4 * 1024 * 1024};
} // namespace

WebLinks::WebLinks(const WebBand &band, const AppEnvironment &environment, const platform::QuitRequest &quit,
                   QWidget *window, QObject *parent)
    : QObject(parent), m_band(band), m_addresses(WebAddresses::fromSite(environment.siteAddress)),
      m_supportEmail(environment.supportEmail), m_statisticsVisitMs(environment.statisticsVisitMs),
      m_prompts(environment.prompts), m_shell(environment.shell), m_quit(quit), m_window(window)
{
    connect(m_band.newsLink, &ui::ClickableLabel::leftButtonPressed, this, &WebLinks::openNewsPage);
    connect(m_band.timer, &QTimer::timeout, this, &WebLinks::endStatisticsVisit);
}

void WebLinks::openHelpWindow()
{
    HelpWindow help(m_addresses.home, m_supportEmail, m_shell, m_window);
    help.exec();
}

void WebLinks::showAboutBox()
{
    m_prompts.messageBox(m_window, maker::aboutText(m_addresses.home),
                         platform::mb::Ok | platform::mb::IconInformation, QStringLiteral("关于"));
}

void WebLinks::openUpdatePage()
{
    m_shell.openAddress(m_addresses.updatePage);
}

void WebLinks::openNewsPage()
{
    m_shell.openAddress(m_addresses.newsPage);
}

void WebLinks::runStartupWebSteps()
{
    if (m_startupRan)
        return;
    m_startupRan = true;
    // The checks wait in event loops of their own; an end of the program asked for meanwhile ends
    // the steps here.
    if (platform::canReachSite(QUrl(m_addresses.home), kOnlineCheckBoundMs) && !m_quit.isRequested())
        startStatisticsVisit();
}

void WebLinks::startStatisticsVisit()
{
    m_band.notice->show();
    // Blocks start-up until the picture has arrived or failed; a failure leaves the board empty.
    platform::showPictureBytes(m_band.newsBoard, platform::fetchBytes(QUrl(m_addresses.newsPicture), kPictureLimits));
    if (m_quit.isRequested())
        return;
    if (m_band.browser)
        m_band.browser->setAddress(m_addresses.statisticsPage);
    m_visit = Visit::Visiting;
    m_band.timer->start(m_statisticsVisitMs);
}

void WebLinks::endStatisticsVisit()
{
    // Stopped first, so that nothing in the steps below can let a second tick in.
    m_band.timer->stop();
    m_band.timer->setInterval(0);
    if (m_visit != Visit::Visiting)
        return;
    m_band.notice->hide();
    delete m_band.browser.data(); // drops whatever it is still loading
    m_visit = Visit::Done;
}

} // namespace app
