#include "app/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace folianto::app {

namespace {

QPixmap bookPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // The pages, then the cover over them, then the spine and a title plate.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF4, 0xEC, 0xD8));
    p.drawRoundedRect(QRectF(14, 8, 44, 50), 3, 3);
    p.setBrush(QColor(0x7A, 0x1F, 0x1F));
    p.drawRoundedRect(QRectF(8, 4, 44, 52), 4, 4);
    p.setBrush(QColor(0x55, 0x12, 0x12));
    p.drawRect(QRectF(8, 4, 8, 52));
    p.setPen(QPen(QColor(0xE0, 0xB8, 0x4A), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(22, 14, 24, 14));
    p.drawLine(QPointF(24, 40), QPointF(44, 40));
    p.drawLine(QPointF(24, 46), QPointF(40, 46));
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(bookPixmap(size));
    return icon;
}

} // namespace folianto::app
