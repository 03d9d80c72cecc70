// The addresses of the maker's web site.
#include "app/WebAddresses.h"

namespace app {

WebAddresses WebAddresses::fromSite(QString site)
{
    site = site.trimmed();
    while (site.endsWith(u'/'))
        site.chop(1);
    const QString folder = site + QStringLiteral("/exeapp/lumo/");
    return {site, folder, folder + QStringLiteral("news.html"), folder + QStringLiteral("news.jpg"),
            folder + QStringLiteral("web.html")};
}

} // namespace app
