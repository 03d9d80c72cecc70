// The program's pictures, drawn with QPainter so that no image files are needed at run time.
#include "app/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace app {

namespace {

QPixmap canvas(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawSheet(QPainter &p, const QColor &colour)
{
    p.setPen(QPen(colour.darker(140), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6, 3, 20, 26), 2, 2);
    p.setPen(QPen(colour, 1.5));
    for (int y = 9; y <= 23; y += 4)
        p.drawLine(QPointF(10, y), QPointF(22, y));
}

void drawArrow(QPainter &p, QPointF from, QPointF to, const QColor &colour)
{
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF dir = (to - from) / std::hypot((to - from).x(), (to - from).y());
    const QPointF normal(-dir.y(), dir.x());
    QPainterPath head;
    head.moveTo(to + dir * 3);
    head.lineTo(to - dir * 5 + normal * 5);
    head.lineTo(to - dir * 5 - normal * 5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
}

void drawBadge(QPainter &p, const QColor &colour, const QString &text)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(18);
    p.setFont(font);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, text);
}

QPixmap drawToolbar(ToolbarPicture picture)
{
    QPixmap pixmap = canvas(32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case ToolbarPicture::Import:
        drawSheet(p, QColor(0x1E, 0x6F, 0xD9));
        drawArrow(p, QPointF(30, 16), QPointF(18, 16), QColor(0x1E, 0x6F, 0xD9));
        break;
    case ToolbarPicture::ExportWorkbook:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x21, 0x8C, 0x4A));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 10), QPointF(21, 22));
        p.drawLine(QPointF(21, 10), QPointF(11, 22));
        break;
    case ToolbarPicture::ExportCodes:
        drawSheet(p, QColor(0xD9, 0x7A, 0x1E));
        drawArrow(p, QPointF(14, 16), QPointF(28, 16), QColor(0xD9, 0x7A, 0x1E));
        break;
    case ToolbarPicture::Help:
        drawBadge(p, QColor(0x2B, 0x7B, 0xD6), QStringLiteral("?"));
        break;
    case ToolbarPicture::About:
        drawBadge(p, QColor(0x4A, 0x9A, 0x3B), QStringLiteral("i"));
        break;
    case ToolbarPicture::Update: {
        p.setPen(QPen(QColor(0x1E, 0x9E, 0xA8), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 280 * 16);
        drawArrow(p, QPointF(22, 7), QPointF(26, 12), QColor(0x1E, 0x9E, 0xA8));
        break;
    }
    case ToolbarPicture::Quit:
        p.setPen(QPen(QColor(0xC8, 0x32, 0x32), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(6, 7, 20, 20), 120 * 16, 300 * 16);
        p.drawLine(QPointF(16, 4), QPointF(16, 16));
        break;
    }
    return pixmap;
}

} // namespace

QPixmap applicationIconPicture(int size)
{
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 64 x 64 grid and scaled, so every size shows the same picture.
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0x28, 0x3C));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(30);
    p.setFont(font);
    p.drawText(QRectF(2, 2, 60, 60), Qt::AlignCenter, QStringLiteral("K8"));
    return pixmap;
}

QIcon applicationIcon()
{
    return QIcon(applicationIconPicture(64));
}

QIcon toolbarIcon(ToolbarPicture picture)
{
    return QIcon(drawToolbar(picture));
}

} // namespace app
