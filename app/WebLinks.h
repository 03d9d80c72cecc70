// The help window, the about box, the links to the maker's web site and the start-up web steps.
#pragma once

#include "app/AppEnvironment.h"
#include "app/WebAddresses.h"
#include "app/WebBand.h"

#include <QObject>
#include <QString>

namespace platform { class Prompts; class QuitRequest; class Shell; }

namespace app {

class WebLinks : public QObject {
    Q_OBJECT
public:
    WebLinks(const WebBand &band, const AppEnvironment &environment, const platform::QuitRequest &quit,
             QWidget *window, QObject *parent = nullptr);

    // Shows a fresh modal help window and returns when it has been closed.
    void openHelpWindow();
    void showAboutBox();
    void openUpdatePage();
    void openNewsPage();
    // Runs the online check and, when it passes, the start-up web steps; at most once per run.
    void runStartupWebSteps();

private:
    // The statistics visit: idle until the start-up web steps, visiting until the timer's one tick,
    // then done for the rest of the run.
    enum class Visit { Idle, Visiting, Done };

    void startStatisticsVisit();
    void endStatisticsVisit();

    WebBand m_band;
    WebAddresses m_addresses;
    QString m_supportEmail;
    int m_statisticsVisitMs;
    platform::Prompts &m_prompts;
    platform::Shell &m_shell;
    const platform::QuitRequest &m_quit;
    QWidget *m_window;
    Visit m_visit = Visit::Idle;
    bool m_startupRan = false;
};

} // namespace app
