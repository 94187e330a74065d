#include "ui/Bildfeld.h"

#include <QPainter>
#include <QResizeEvent>

Bildfeld::Bildfeld(QWidget* parent) : QWidget(parent), bild(1, 1, QImage::Format_RGB32) {
    bild.fill(Qt::white);
    // The bitmap covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Bildfeld::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, bild);
}

bool Bildfeld::Bild_anpassen() {
    const QSize s = size();
    if (s.isEmpty() || s == bild.size()) return false;
    // The old picture stays where it was; a margin the window gained is white.
    QImage neu(s, QImage::Format_RGB32);
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

void Bildfeld::mouseDoubleClickEvent(QMouseEvent*) { emit Doppelklick(); }
