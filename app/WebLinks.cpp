// The help window, the about box, the web links and the statistics visit.
#include "app/WebLinks.h"

#include "app/HelpWindow.h"
#include "app/MakerTexts.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/web/HttpFetch.h"
#include "platform/web/OnlineCheck.h"
#include "ui/widgets/ClickableLabel.h"

#include <QLabel>
#include <QTimer>
#include <QUrl>

namespace app {

namespace {
// Without a network the check fails at the name lookup or the refused connection at once; a host
// that does not answer is given up after this long.
constexpr int kOnlineCheckBoundMs = 1000;
// The news picture is small; a slow or silent site is given up after a few seconds.
constexpr platform::FetchLimits kPictureLimits{5000, 4 * 1024 * 1024};
} // namespace

WebLinks::WebLinks(const WebBand &band, const AppEnvironment &environment, QWidget *window, QObject *parent)
    : QObject(parent), m_band(band), m_addresses(WebAddresses::fromSite(environment.siteAddress)),
      m_supportEmail(environment.supportEmail), m_statisticsVisitMs(environment.statisticsVisitMs),
      m_prompts(environment.prompts), m_shell(environment.shell), m_window(window),
      m_onlineCheck(new platform::OnlineCheck(this)), m_pictureFetch(new platform::HttpFetch(this))
{
    connect(m_band.newsLink, &ui::ClickableLabel::leftButtonPressed, this, &WebLinks::openNewsPage);
    connect(m_band.timer, &QTimer::timeout, this, &WebLinks::endStatisticsVisit);
    connect(m_onlineCheck, &platform::OnlineCheck::finished, this, &WebLinks::startStatisticsVisit);
    connect(m_pictureFetch, &platform::HttpFetch::finished, this, &WebLinks::showPictureAndVisit);
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
    m_onlineCheck->start(QUrl(m_addresses.home), kOnlineCheckBoundMs);
}

void WebLinks::startStatisticsVisit(bool online)
{
    if (!online)
        return;
    m_band.notice->show();
    m_pictureFetch->start(QUrl(m_addresses.newsPicture), kPictureLimits);
}

void WebLinks::showPictureAndVisit(const QByteArray &picture)
{
    // A failed fetch (empty bytes) leaves the board empty, and the visit goes on all the same.
    showNewsPicture(m_band.newsBoard, picture);
    m_band.browser->setAddress(m_addresses.statisticsPage);
    m_band.timer->start(m_statisticsVisitMs);
}

void WebLinks::endStatisticsVisit()
{
    // The timer ticks once: the visit ends here for the rest of the run.
    m_band.notice->hide();
    delete m_band.browser.data(); // drops whatever it is still loading
    m_band.timer->stop();
    m_band.timer->setInterval(0);
}

} // namespace app
