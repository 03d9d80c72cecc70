// A plain-text label whose lines wrap at word boundaries and, where a word such as a web address is
// wider than the label, anywhere inside it.
#pragma once

#include <QLabel>

class QTextLayout;

namespace ui {

// LF and CR LF break lines; the text reads back exactly as it was set. The label tells the height
// its rows need at a width, so that its owner can make room for them; it paints from its top left.
class WrappingLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappingLabel(QWidget *parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Lays the text out in rows of this width and returns their height.
    qreal layOut(QTextLayout &layout, int width) const;
};

} // namespace ui
