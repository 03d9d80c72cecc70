// The online check: whether the maker's site can be reached at all, decided quickly.
#pragma once

#include <QObject>

class QTcpSocket;
class QTimer;
class QUrl;

namespace platform {

class OnlineCheck : public QObject {
    Q_OBJECT
public:
    explicit OnlineCheck(QObject *parent = nullptr);

    // Tries a TCP connection to the host of the address on its port (80 for http, 443 for https,
    // unless the address names one), in the background. The connection is closed again at once;
    // nothing is sent.
    void start(const QUrl &site, int boundMs = 1000);

Q_SIGNALS:
    // Reported once per start, never from within start(): true only when the host resolved and
    // accepted the connection within the bound.
    void finished(bool reachable);

private:
    void finish(bool reachable);

    QTcpSocket *m_socket;
    QTimer *m_bound;
    bool m_running = false;
};

} // namespace platform
