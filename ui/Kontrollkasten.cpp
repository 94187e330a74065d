#include "ui/Kontrollkasten.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {
constexpr int Kastenabstand = 4;
}

Kontrollkasten::Kontrollkasten(QWidget* parent) : QCheckBox(parent) {}

void Kontrollkasten::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const int bw = style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, this);
    const int bh = style()->pixelMetric(QStyle::PM_IndicatorHeight, &opt, this);
    const QRect Kasten(width() - bw, (height() - bh) / 2, bw, bh);
    QStyleOptionButton k = opt;
    k.rect = Kasten;
    p.drawPrimitive(QStyle::PE_IndicatorCheckBox, k);
    if (!text().isEmpty()) {
        const QRect Textfeld(0, 0, std::max(0, width() - bw - Kastenabstand), height());
        p.drawItemText(Textfeld, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                       text(), QPalette::WindowText);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect f;
        f.initFrom(this);
        f.rect = text().isEmpty() ? Kasten.adjusted(-1, -1, 1, 1) : rect();
        p.drawPrimitive(QStyle::PE_FrameFocusRect, f);
    }
}

// The whole control, caption included, toggles the box.
bool Kontrollkasten::hitButton(const QPoint& pos) const { return rect().contains(pos); }
