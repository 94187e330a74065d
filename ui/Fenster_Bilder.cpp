#include "ui/Fenster_Bilder.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>

QPixmap Bild_Histo() {
    QPixmap b(16, 16);
    b.fill(Qt::transparent);
    QPainter p(&b);
    const int Hoehen[] = {5, 10, 14, 9, 4};
    for (int i = 0; i < 5; ++i) {
        p.fillRect(1 + 3 * i, 15 - Hoehen[i], 3, Hoehen[i], QColor(0, 128, 128));
        p.fillRect(1 + 3 * i, 15 - Hoehen[i], 1, Hoehen[i], Qt::black);
    }
    p.setPen(QPen(Qt::yellow, 2));
    p.drawLine(0, 12, 15, 3);
    return b;
}

QPixmap Bild_OC() {
    QPixmap b(16, 16);
    b.fill(QColor(192, 192, 192));
    QPainter p(&b);
    p.setPen(Qt::black);
    p.drawLine(1, 1, 1, 14);
    p.drawLine(1, 14, 14, 14);
    p.setPen(QPen(Qt::blue, 2));
    p.drawPolyline(QPolygon({QPoint(2, 3), QPoint(6, 4), QPoint(9, 11), QPoint(14, 13)}));
    return b;
}

QPixmap Bild_Standardwerte() {
    QPixmap b(28, 28);
    b.fill(Qt::white);
    QPainter p(&b);
    p.setPen(QPen(Qt::blue, 2));
    p.drawRect(1, 1, 26, 26);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::red);
    p.drawText(QRect(2, 2, 24, 24), Qt::AlignCenter, QStringLiteral("Std"));
    return b;
}

QPixmap Bild_Clipboard() {
    QPixmap b(24, 24);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setPen(Qt::black);
    p.setBrush(QColor(176, 128, 64));
    p.drawRect(3, 4, 17, 19);
    p.setBrush(Qt::white);
    p.drawRect(6, 7, 11, 13);
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(8, 2, 7, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::blue);
    p.drawRect(10, 9, 4, 5);
    p.drawPolygon(QPolygon({QPoint(7, 14), QPoint(17, 14), QPoint(12, 19)}));
    return b;
}
