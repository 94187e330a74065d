#include "ui/Vollbild.h"

#include <QKeyEvent>
#include <QPainter>

Vollbild::Vollbild(QImage Bild) : bild(std::move(Bild)) {
    setObjectName(QStringLiteral("Vollbild"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Grafik"));
    setAccessibleName(tr("Grafik im Vollbild"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
}

void Vollbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, bild);
}

void Vollbild::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_F11) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Vollbild::mouseDoubleClickEvent(QMouseEvent*) { close(); }
