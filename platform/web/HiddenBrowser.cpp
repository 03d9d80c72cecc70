// The hidden browser control.
#include "platform/web/HiddenBrowser.h"

#include "platform/web/ReplyDrop.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace platform {

HiddenBrowser::HiddenBrowser(QObject *parent) : QObject(parent), m_network(new QNetworkAccessManager(this))
{
}

HiddenBrowser::~HiddenBrowser()
{
    dropLoad();
}

void HiddenBrowser::setAddress(const QString &address)
{
    dropLoad();
    m_address = address;
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return;

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_network->get(request);
    m_reply = reply;
    // The body is read as it comes and thrown away, so a large page never piles up in memory.
    connect(reply, &QNetworkReply::readyRead, this, [reply] { reply->skip(reply->bytesAvailable()); });
    // Whether it loaded or failed, nothing follows from it.
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        if (m_reply == reply)
            m_reply = nullptr;
        reply->deleteLater();
    });
}

void HiddenBrowser::dropLoad()
{
    dropReply(m_reply, this);
}

} // namespace platform
