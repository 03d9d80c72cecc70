// HTTP fetch through Qt Network, bounded by a precise timer and by the bytes announced or received.
#include "platform/web/HttpFetch.h"

#include "platform/web/ReplyDrop.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace platform {

namespace {
bool isWebAddress(const QUrl &address)
{
    const QString scheme = address.scheme().toLower();
    return address.isValid() && !address.host().isEmpty() && (scheme == u"http" || scheme == u"https");
}
} // namespace

HttpFetch::HttpFetch(QObject *parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)), m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    m_deadline->setTimerType(Qt::PreciseTimer);
    // An abort finishes the reply with an error, which reports empty bytes.
    connect(m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply)
            m_reply->abort();
    });
}

HttpFetch::~HttpFetch()
{
    drop();
}

void HttpFetch::start(const QUrl &address, const FetchLimits &limits)
{
    drop();
    if (!isWebAddress(address)) {
        QTimer::singleShot(0, this, [this, startNumber = m_starts] {
            if (startNumber == m_starts)
                Q_EMIT finished({});
        });
        return;
    }
    m_maxBytes = limits.maxBytes;
    m_tooLarge = false;

    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64 total) {
        if (received > m_maxBytes || total > m_maxBytes) {
            m_tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
    m_deadline->start(limits.timeoutMs);
}

void HttpFetch::finish(QNetworkReply *reply)
{
    m_deadline->stop();
    m_reply = nullptr;
    QByteArray body;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!m_tooLarge && reply->error() == QNetworkReply::NoError && status >= 200 && status < 300)
        body = reply->readAll();
    reply->deleteLater();
    Q_EMIT finished(body);
}

void HttpFetch::drop()
{
    ++m_starts;
    m_deadline->stop();
    dropReply(m_reply, this);
}

} // namespace platform
