// A transparent label that reports a left mouse-button press.
#include "platform/ClickableLabel.h"

#include <QMouseEvent>

namespace platform {

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        Q_EMIT leftButtonPressed();
        return;
    }
    QLabel::mousePressEvent(event);
}

} // namespace platform
