// Fetching an address over HTTP into memory in the background, bounded in time and size.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QtGlobal>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
class QUrl;

namespace platform {

struct FetchLimits {
    int timeoutMs = 5000;                // the whole transfer, from request to last byte
    qint64 maxBytes = 8 * 1024 * 1024;   // a larger body is dropped, not kept half
};

// One fetch at a time; the caller's thread goes on with its events while the transfer runs.
class HttpFetch : public QObject {
    Q_OBJECT
public:
    explicit HttpFetch(QObject *parent = nullptr);
    ~HttpFetch() override;

    // Starts fetching the address, dropping a fetch still under way (which then reports nothing).
    void start(const QUrl &address, const FetchLimits &limits = {});

Q_SIGNALS:
    // Reported once per start, never from within start(): the body of a successful (2xx) HTTP
    // response, or empty bytes on every failure: no answer within the time-out, an error status, a
    // body beyond the limit, a network error, or an address that is not http or https.
    void finished(const QByteArray &body);

private:
    void finish(QNetworkReply *reply);
    void drop();

    QNetworkAccessManager *m_network;
    QTimer *m_deadline;
    QPointer<QNetworkReply> m_reply;
    qint64 m_maxBytes = 0;
    bool m_tooLarge = false;
    // Counts starts and drops, so that a refusal reported later is not taken for a newer fetch's.
    quint64 m_starts = 0;
};

} // namespace platform
