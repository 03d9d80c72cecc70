// How soon the main window answers a click on "关于" while a loopback site holds the news picture
// back for 4 seconds; the click is posted as a mouse press and release on the toolbar button.
#include "app/MainWindow.h"
#include "bench/BenchPrompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <benchmark/benchmark.h>

namespace {

// Answers every request with a 404 after holdMs: long enough that the picture is still on its way
// while the clicks are measured.
class SlowSite {
public:
    explicit SlowSite(int holdMs)
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this, holdMs] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, holdMs] {
                    if (!socket->readAll().contains("GET ") || socket->property("asked").toBool())
                        return;
                    socket->setProperty("asked", true);
                    ++requests;
                    QTimer::singleShot(holdMs, socket, [socket] {
                        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                        socket->disconnectFromHost();
                    });
                });
            }
        });
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    int requests = 0;

private:
    QTcpServer m_server;
};

void postClick(QWidget *button)
{
    const QPointF centre = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(centre);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QCoreApplication::postEvent(button, new QMouseEvent(type, centre, global, Qt::LeftButton, held, {}));
    }
}

void BM_ClickWhileTheNewsPictureIsHeldBack(benchmark::State &state)
{
    SlowSite site(4000);
    QTemporaryDir folder;
    bench_support::BenchPrompts prompts;
    bench_support::BenchShell shell;
    app::MainWindow window({.programFolder = folder.path(),
                            .siteAddress = site.address(),
                            .supportEmail = {},
                            .prompts = prompts,
                            .shell = shell});
    window.show();
    QTimer::singleShot(0, &window, &app::MainWindow::runStartupSequence);
    QElapsedTimer startup;
    startup.start();
    while (site.requests == 0 && startup.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (site.requests == 0) {
        state.SkipWithError("the picture was never asked for");
        return;
    }
    QToolBar *toolbar = window.findChild<QToolBar *>(QStringLiteral("工具条_顶部"));
    QWidget *about = toolbar ? toolbar->findChild<QWidget *>(QStringLiteral("关于")) : nullptr;

    for (auto _ : state) {
        const long before = prompts.messages;
        QElapsedTimer clock;
        clock.start();
        postClick(about);
        while (prompts.messages == before && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    // 1: the picture was asked for and the visit still waits for it.
    state.counters["site_requests"] = site.requests;
}
BENCHMARK(BM_ClickWhileTheNewsPictureIsHeldBack)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
