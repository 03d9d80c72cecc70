// A transparent label that reports a left mouse-button press.
#include "ui/widgets/ClickableLabel.h"

#include <QMouseEvent>

namespace ui {

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

} // namespace ui
