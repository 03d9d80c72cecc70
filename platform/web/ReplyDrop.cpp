// Abandoning a network request.
#include "platform/web/ReplyDrop.h"

#include <QNetworkReply>

namespace platform {

void dropReply(QPointer<QNetworkReply> &reply, const QObject *owner)
{
    if (reply.isNull())
        return;
    QNetworkReply *dropped = reply;
    reply = nullptr;
    dropped->disconnect(owner);
    dropped->abort();
    dropped->deleteLater();
}

} // namespace platform
