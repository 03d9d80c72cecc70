// Abandoning a network request whose answer is no longer wanted.
#pragma once

#include <QPointer>

class QNetworkReply;
class QObject;

namespace platform {

// Aborts the reply, if any, without anything it still signals reaching owner, and clears the
// pointer; the reply deletes itself once Qt is done with it.
void dropReply(QPointer<QNetworkReply> &reply, const QObject *owner);

} // namespace platform
