// Synchronous HTTP fetch through Qt Network and a local event loop.
#include "platform/web/HttpFetch.h"

#include <QEventLoop>
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

QByteArray fetchBytes(const QUrl &address, const FetchLimits &limits)
{
    if (!isWebAddress(address))
        return {};

    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = manager.get(request);

    bool tooLarge = false;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64 total) {
        if (received > limits.maxBytes || total > limits.maxBytes) {
            tooLarge = true;
            reply->abort();
        }
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline.start(limits.timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    QByteArray body;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!tooLarge && reply->error() == QNetworkReply::NoError && status >= 200 && status < 300)
        body = reply->readAll();
    delete reply;
    return body;
}

} // namespace platform
