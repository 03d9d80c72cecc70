// What the help window and the about box say about the program's makers.
#pragma once

#include <QString>

namespace app::maker {

QString ownershipLine();
// Asks users to report faults by e-mail; the address follows on a line of its own.
QString supportRequestLine();
// Three lines joined by CR LF: ownership, author, web address.
QString aboutText(const QString &site);

} // namespace app::maker
