// A transparent label that reports a left mouse-button press (the action happens on the press).
#pragma once

#include <QLabel>

namespace ui {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void leftButtonPressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace ui
