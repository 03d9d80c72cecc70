// The help window, the about box, the links to the maker's web site and the start-up web steps.
#pragma once

#include "app/AppEnvironment.h"
#include "app/WebAddresses.h"
#include "app/WebBand.h"

#include <QObject>
#include <QString>

namespace platform {
class HttpFetch;
class OnlineCheck;
class Prompts;
class Shell;
} // namespace platform

namespace app {

class WebLinks : public QObject {
    Q_OBJECT
public:
    WebLinks(const WebBand &band, const AppEnvironment &environment, QWidget *window, QObject *parent = nullptr);

    // Shows a fresh modal help window and returns when it has been closed.
    void openHelpWindow();
    void showAboutBox();
    void openUpdatePage();
    // Starts the online check and returns; when the check passes, the start-up web steps follow
    // one after the other as each step's answer arrives, while the window goes on with its events.
    void runStartupWebSteps();

private:
    void openNewsPage();
    void startStatisticsVisit(bool online);
    void showPictureAndVisit(const QByteArray &picture);
    void endStatisticsVisit();

    WebBand m_band;
    WebAddresses m_addresses;
    QString m_supportEmail;
    int m_statisticsVisitMs;
    platform::Prompts &m_prompts;
    platform::Shell &m_shell;
    QWidget *m_window;
    platform::OnlineCheck *m_onlineCheck;
    platform::HttpFetch *m_pictureFetch;
};

} // namespace app
