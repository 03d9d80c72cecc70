// The web controls of the main window: the news picture and its link, the statistics notice, the
// hidden browser and its timer.
#pragma once

class QLabel;
class QTimer;
class QWidget;
namespace platform { class ClickableLabel; }

namespace app {

struct WebBand {
    QLabel *newsBoard = nullptr;                 // 画板1, 252 x 57 picture board
    platform::ClickableLabel *newsLink = nullptr; // 透明标签1, covers the board
    QLabel *notice = nullptr;                    // 标签2 "正在统计使用情况"
    QWidget *browser = nullptr;                  // 超文本浏览框1, beyond the right edge
    QTimer *timer = nullptr;                     // 时钟1
};

WebBand buildWebBand(QWidget *window);

} // namespace app
