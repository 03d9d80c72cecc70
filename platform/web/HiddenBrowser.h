// The browser that nobody sees: a plain object that loads its address over HTTP in the background
// and drops the load when it is destroyed.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace platform {

class HiddenBrowser : public QObject {
    Q_OBJECT
public:
    explicit HiddenBrowser(QObject *parent = nullptr);
    ~HiddenBrowser() override;

    // Starts loading the address in the background, dropping any load still under way. The page is
    // read and thrown away; nothing of it is ever shown.
    void setAddress(const QString &address);
    // The program never asks these; they let a test see that the browser was given no page, or has
    // stopped loading.
    QString address() const { return m_address; }
    bool isLoading() const { return !m_reply.isNull(); }

private:
    void dropLoad();

    QString m_address;
    QNetworkAccessManager *m_network;
    QPointer<QNetworkReply> m_reply;
};

} // namespace platform
