// A small HTTP server for the web tests, on 127.0.0.1 only: serves fixed answers and records every
// request it receives.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <functional>
#include <memory>
#include <vector>

#include <QTcpSocket>

namespace testing_support {

class WebTestServer : public QObject {
    Q_OBJECT
public:
    WebTestServer();

    // "http://127.0.0.1:<port>", the site address to give the program.
    QString site() const;
    quint16 port() const { return m_server.serverPort(); }

    // Answers a GET of path with this status and body; unknown paths get 404.
    void serve(const QString &path, QByteArray body, int status = 200);
    // Takes requests for path and never answers them, so the client's time-out or abort shows.
    void hold(const QString &path);

    // Runs when a request has arrived, before it is answered.
    std::function<void(const QString &path)> onRequest;

    QStringList requests;  // paths, in order of arrival
    QStringList dropped;   // held paths whose connection the client closed
    int connections = 0;   // accepted connections, with or without a request

private:
    struct Answer {
        int status = 404;
        QByteArray body;
        bool held = false;
    };
    void acceptConnections();
    void readRequest(QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QString, Answer> m_answers;
};

// A JPEG picture of the given size, one colour.
QByteArray jpegPicture(int width, int height);

// A local port that nobody listens on.
quint16 closedPort();

// A local host whose connection queue is full, so that a new connection hangs unanswered, as a
// host behind a dead network does.
class SilentHost {
public:
    SilentHost();
    ~SilentHost();
    QString site() const;

private:
    QTcpServer m_server;
    std::vector<std::unique_ptr<QTcpSocket>> m_fillers;
};

} // namespace testing_support
