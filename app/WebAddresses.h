// The five addresses of the maker's web site, all built from the one site address.
#pragma once

#include <QString>

namespace app {

struct WebAddresses {
    QString home;           // the site itself: the help window's "打开网址"
    QString updatePage;     // toolbar "检查更新"
    QString newsPage;       // a press on the news picture
    QString newsPicture;    // shown in 画板1 at start-up
    QString statisticsPage; // visited out of sight at start-up

    // Trailing slashes of the site are dropped, so that every path joins with exactly one.
    static WebAddresses fromSite(QString site);
};

} // namespace app
