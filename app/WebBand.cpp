// The web controls of the main window.
#include "app/WebBand.h"

#include "platform/web/PictureBytes.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/ClickableLabel.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

namespace app {

WebBand buildWebBand(QWidget *window)
{
    WebBand band;
    band.newsBoard = new QLabel(window);
    ui::nameControl(band.newsBoard, QStringLiteral("画板1"), QStringLiteral("新闻图片"));
    band.newsBoard->setGeometry(600, 3, 252, 57);
    band.newsBoard->setCursor(Qt::PointingHandCursor);
    band.newsBoard->setAlignment(Qt::AlignCenter);

    // Its caption is blanks, which nobody can hear: it is named for what a press does.
    band.newsLink = new ui::ClickableLabel(QStringLiteral("   "), window);
    ui::nameControl(band.newsLink, QStringLiteral("透明标签1"), QStringLiteral("打开新闻页"));
    band.newsLink->setGeometry(584, -2, 264, 72);
    band.newsLink->setCursor(Qt::PointingHandCursor);

    band.notice = new QLabel(QStringLiteral("正在统计使用情况"), window);
    ui::nameControl(band.notice, QStringLiteral("标签2"));
    band.notice->setGeometry(720, 448, 120, 16);
    band.notice->setStyleSheet(QStringLiteral("color: red;"));
    band.notice->hide();

    // Nothing of the page it loads is ever shown, so it has no place on the window.
    band.browser = new platform::HiddenBrowser(window);
    band.browser->setObjectName(QStringLiteral("超文本浏览框1"));

    band.timer = new QTimer(window);
    band.timer->setObjectName(QStringLiteral("时钟1"));
    band.timer->setTimerType(Qt::PreciseTimer);
    band.timer->setSingleShot(false);
    band.timer->setInterval(0);
    return band;
}

void showNewsPicture(QLabel *board, const QByteArray &bytes)
{
    const QImage picture = platform::decodePicture(bytes, board->size());
    if (picture.isNull()) {
        board->clear();
        return;
    }
    board->setPixmap(QPixmap::fromImage(picture));
}

} // namespace app
