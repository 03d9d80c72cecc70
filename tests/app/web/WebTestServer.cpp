// The test HTTP server.
#include "tests/app/web/WebTestServer.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

namespace testing_support {

WebTestServer::WebTestServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &WebTestServer::acceptConnections);
}

QString WebTestServer::site() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void WebTestServer::serve(const QString &path, QByteArray body, int status)
{
    m_answers.insert(path, {status, std::move(body), false});
}

void WebTestServer::hold(const QString &path)
{
    m_answers.insert(path, {0, {}, true});
}

void WebTestServer::acceptConnections()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        ++connections;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void WebTestServer::readRequest(QTcpSocket *socket)
{
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (socket->property("answered").toBool() || !head.contains("\r\n\r\n"))
        return;
    socket->setProperty("answered", true);

    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine[1]) : QString();
    requests << path;
    if (onRequest)
        onRequest(path);

    const Answer answer = m_answers.value(path);
    if (answer.held) {
        connect(socket, &QTcpSocket::disconnected, this, [this, path] { dropped << path; });
        return;
    }
    QByteArray response = "HTTP/1.1 " + QByteArray::number(answer.status) + " Answer\r\n";
    response += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    response += "Content-Type: application/octet-stream\r\nConnection: close\r\n\r\n";
    socket->write(response + answer.body);
    socket->disconnectFromHost();
}

QByteArray jpegPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

SilentHost::SilentHost()
{
    // A backlog of 0 queues one connection; the fillers take the queue, and nobody accepts them.
    m_server.setListenBacklogSize(0);
    m_server.listen(QHostAddress::LocalHost);
    m_server.pauseAccepting();
    for (int i = 0; i < 3; ++i) {
        m_fillers.push_back(std::make_unique<QTcpSocket>());
        m_fillers.back()->connectToHost(QHostAddress::LocalHost, m_server.serverPort());
    }
    QTest::qWait(100);
}

SilentHost::~SilentHost() = default;

QString SilentHost::site() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

} // namespace testing_support
