// The online check through a bounded TCP connection attempt.
#include "platform/web/OnlineCheck.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace platform {

OnlineCheck::OnlineCheck(QObject *parent) : QObject(parent), m_socket(new QTcpSocket(this)), m_bound(new QTimer(this))
{
    m_bound->setSingleShot(true);
    m_bound->setTimerType(Qt::PreciseTimer);
    // The name lookup runs in Qt's lookup threads and the connection in the background; whichever
    // ends first decides: connected, failed, or the bound. A refused local connection fails inside
    // connectToHost already, hence the queued connections.
    connect(m_socket, &QTcpSocket::connected, this, [this] { finish(true); }, Qt::QueuedConnection);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this] { finish(false); }, Qt::QueuedConnection);
    connect(m_bound, &QTimer::timeout, this, [this] { finish(false); });
}

void OnlineCheck::start(const QUrl &site, int boundMs)
{
    m_socket->abort();
    m_running = true;
    const QString host = site.host();
    if (!site.isValid() || host.isEmpty()) {
        // Decided at once, but reported as a connection's outcome would be: later.
        m_bound->start(0);
        return;
    }
    const int defaultPort = site.scheme().compare(u"https", Qt::CaseInsensitive) == 0 ? 443 : 80;
    m_bound->start(boundMs);
    m_socket->connectToHost(host, quint16(site.port(defaultPort)));
}

void OnlineCheck::finish(bool reachable)
{
    if (!m_running)
        return;
    m_running = false;
    m_bound->stop();
    m_socket->abort();
    Q_EMIT finished(reachable);
}

} // namespace platform
