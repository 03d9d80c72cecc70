// The online check through a bounded TCP connection attempt.
#include "platform/web/OnlineCheck.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace platform {

bool canReachSite(const QUrl &site, int boundMs)
{
    const QString host = site.host();
    if (!site.isValid() || host.isEmpty())
        return false;
    const int defaultPort = site.scheme().compare(u"https", Qt::CaseInsensitive) == 0 ? 443 : 80;
    const int port = site.port(defaultPort);

    // The name lookup runs in Qt's lookup threads and the connection in the background; the local
    // loop waits for whichever ends first: connected, failed, or the bound.
    QTcpSocket socket;
    QEventLoop loop;
    QObject::connect(&socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    bound.start(boundMs);
    socket.connectToHost(host, quint16(port));
    if (socket.state() != QAbstractSocket::ConnectedState && socket.state() != QAbstractSocket::UnconnectedState)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    const bool reached = socket.state() == QAbstractSocket::ConnectedState;
    socket.abort();
    return reached;
}

} // namespace platform
