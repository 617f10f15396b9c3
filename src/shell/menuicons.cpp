#include "menuicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace shell {

namespace {

void sheet(QPainter &p, const QColor &fill)
{
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(fill);
    p.drawRect(3, 1, 10, 13);
    p.setPen(QColor(120, 120, 120));
    for (int y = 4; y <= 10; y += 3)
        p.drawLine(5, y, 11, y);
}

} // namespace

QIcon menuIcon(const QString &name)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (name == QLatin1String("N12") || name == QLatin1String("N6")) {          // new policy
        sheet(p, QColor(255, 255, 230));
        p.setPen(QPen(QColor(0, 130, 0), 2));
        p.drawLine(11, 9, 11, 15);
        p.drawLine(8, 12, 14, 12);
    } else if (name == QLatin1String("N13") || name == QLatin1String("N34")) {  // amend
        sheet(p, QColor(230, 240, 255));
        p.setPen(QPen(QColor(200, 120, 0), 2));
        p.drawLine(7, 14, 14, 7);
    } else if (name == QLatin1String("N14")) {                                  // cancel
        sheet(p, QColor(255, 235, 235));
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(8, 9, 14, 15);
        p.drawLine(14, 9, 8, 15);
    } else if (name == QLatin1String("N10") || name == QLatin1String("N11")) {  // number stock
        p.setPen(QColor(40, 40, 120));
        p.setBrush(QColor(200, 210, 255));
        p.drawRect(1, 3, 14, 10);
        p.setPen(QPen(QColor(40, 40, 120), 1));
        p.drawText(QRect(1, 3, 14, 10), Qt::AlignCenter, name == QLatin1String("N10") ? QStringLiteral("+") : QStringLiteral("-"));
    } else if (name == QLatin1String("N2")) {                                   // enquiry
        p.setPen(QPen(QColor(40, 40, 40), 2));
        p.setBrush(QColor(210, 240, 255));
        p.drawEllipse(2, 2, 8, 8);
        p.drawLine(9, 9, 14, 14);
    } else if (name == QLatin1String("N3")) {                                   // reports
        p.setPen(QColor(50, 50, 50));
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(1, 6, 14, 6);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 8, 5);
        p.drawRect(4, 10, 8, 5);
    } else if (name == QLatin1String("Campaign1")) {                            // campaign
        QPainterPath star;
        star.moveTo(8, 1);
        star.lineTo(10, 6);
        star.lineTo(15, 6);
        star.lineTo(11, 9);
        star.lineTo(13, 15);
        star.lineTo(8, 11);
        star.lineTo(3, 15);
        star.lineTo(5, 9);
        star.lineTo(1, 6);
        star.lineTo(6, 6);
        star.closeSubpath();
        p.setPen(QColor(150, 100, 0));
        p.setBrush(QColor(255, 210, 0));
        p.drawPath(star);
    } else {                                                                    // send
        p.setPen(QPen(QColor(0, 90, 160), 1));
        p.setBrush(QColor(120, 190, 255));
        const QPoint arrow[] = {{1, 6}, {9, 6}, {9, 2}, {15, 8}, {9, 14}, {9, 10}, {1, 10}};
        p.drawPolygon(arrow, 7);
    }
    return QIcon(pixmap);
}

} // namespace shell
