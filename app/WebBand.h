// The web controls of the main window: the news picture and its link, the statistics notice, the
// hidden browser and its timer.
#pragma once

#include "platform/web/HiddenBrowser.h"

#include <QByteArray>
#include <QPointer>

class QLabel;
class QTimer;
class QWidget;
namespace ui { class ClickableLabel; }

namespace app {

struct WebBand {
    QLabel *newsBoard = nullptr;            // 画板1, 252 x 57 picture board
    ui::ClickableLabel *newsLink = nullptr; // 透明标签1, covers the board
    QLabel *notice = nullptr;               // 标签2 "正在统计使用情况"
    // 超文本浏览框1, out of sight; destroyed when the statistics visit ends, and then null in every
    // copy of the band.
    QPointer<platform::HiddenBrowser> browser;
    QTimer *timer = nullptr;                // 时钟1, stopped (interval 0) until the visit starts
};

WebBand buildWebBand(QWidget *window);

// Shows the picture bytes (a JPEG) on the board, fitted into the board's size and centred; empty or
// unreadable bytes leave the board without a picture.
void showNewsPicture(QLabel *board, const QByteArray &bytes);

} // namespace app
