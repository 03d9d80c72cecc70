// The help window, the about box and the web links.
#include "app/WebLinks.h"

namespace app {

WebLinks::WebLinks(const WebBand &band, QString siteAddress, platform::Prompts &prompts, platform::Shell &shell,
                   QWidget *window, QObject *parent)
    : QObject(parent), m_band(band), m_siteAddress(std::move(siteAddress)), m_prompts(prompts), m_shell(shell),
      m_window(window)
{
}

void WebLinks::OpenHelpWindow() {}
void WebLinks::ShowAboutBox() {}
void WebLinks::OpenUpdatePage() {}
void WebLinks::RunStartupWebSteps() {}

} // namespace app
