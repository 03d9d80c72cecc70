// The help window, the about box, the links to the maker's web site and the start-up web steps.
#pragma once

#include "app/WebBand.h"

#include <QObject>
#include <QString>

namespace platform { class Prompts; class Shell; }

namespace app {

class WebLinks : public QObject {
    Q_OBJECT
public:
    WebLinks(const WebBand &band, QString siteAddress, platform::Prompts &prompts, platform::Shell &shell,
             QWidget *window, QObject *parent = nullptr);

    void OpenHelpWindow();
    void ShowAboutBox();
    void OpenUpdatePage();
    // Runs the online check and, when it passes, the start-up web steps.
    void RunStartupWebSteps();

private:
    WebBand m_band;
    QString m_siteAddress;
    platform::Prompts &m_prompts;
    platform::Shell &m_shell;
    QWidget *m_window;
};

} // namespace app
