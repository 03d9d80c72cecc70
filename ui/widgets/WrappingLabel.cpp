// A label that wraps inside long words too.
#include "ui/widgets/WrappingLabel.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace ui {

WrappingLabel::WrappingLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

qreal WrappingLabel::layOut(QTextLayout &layout, int width) const
{
    QString shown = text();
    shown.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    shown.replace(u'\n', QChar::LineSeparator);
    layout.setText(shown);
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(std::max(1, width));
        // Rows spaced as in any other label: fonts with a leading (most on Windows) keep it.
        row.setLeadingIncluded(true);
        row.setPosition(QPointF(0, height));
        height += row.height();
    }
    layout.endLayout();
    return height;
}

int WrappingLabel::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    QTextLayout layout;
    return int(std::ceil(layOut(layout, width - margins.left() - margins.right()))) + margins.top() + margins.bottom();
}

void WrappingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    QTextLayout layout;
    layOut(layout, area.width());
    layout.draw(&painter, area.topLeft());
}

} // namespace ui
