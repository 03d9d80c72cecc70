// What the help window and the about box say about the program's makers.
#pragma once

#include <QString>

namespace app::maker {

QString ownershipLine();
QString authorLine();
// The contact address lies on the site's own domain; a site given by number (a test server) has
// none, and the neutral default domain stands in.
QString contactAddress(const QString &site);
// Three lines joined by CR LF: ownership, author, web address.
QString aboutText(const QString &site);

} // namespace app::maker
