#include "ui/Bildfeld.h"

#include "charts/UGrafik.h"

#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

Bildfeld::Bildfeld(QWidget* parent) : QWidget(parent), bild(1, 1, QImage::Format_RGB32) {
    bild.fill(Qt::white);
    // The bitmap covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Bildfeld::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, bild);
    if (!hervorgehoben.isEmpty()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(hervorgehoben);
    }
    // The keys act on the chart while it has the focus: the frame says so.
    if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.backgroundColor = Qt::white;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

void Bildfeld::Hervorheben(const QRect& Rahmen) {
    if (Rahmen == hervorgehoben) return;
    hervorgehoben = Rahmen;
    update();
}

void Bildfeld::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void Bildfeld::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

bool Bildfeld::Bild_anpassen() {
    const QSize s = size();
    // The bitmap has the device pixels of the screen the widget stands on, so the chart is
    // drawn at that resolution instead of being blown up.
    const qreal Skala = devicePixelRatioF();
    const QSize Pixel(Geraetepixel(Skala, s.width()), Geraetepixel(Skala, s.height()));
    if (s.isEmpty() || (Pixel == bild.size() && Skala == bild.devicePixelRatio())) return false;
    // The old picture stays where it was; a margin the window gained is white.
    QImage neu(Pixel, QImage::Format_RGB32);
    neu.setDevicePixelRatio(Skala);
    neu.fill(Qt::white);
    QPainter p(&neu);
    p.drawImage(0, 0, bild);
    p.end();
    bild = std::move(neu);
    return true;
}

void Bildfeld::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (Bild_anpassen()) emit Groesse_geaendert();
}

bool Bildfeld::event(QEvent* e) {
    // Moved to a screen with another pixel ratio: the chart is drawn anew at the new one.
    if (e->type() == QEvent::ScreenChangeInternal && Bild_anpassen()) emit Groesse_geaendert();
    return QWidget::event(e);
}

void Bildfeld::mouseDoubleClickEvent(QMouseEvent*) { emit Doppelklick(); }
