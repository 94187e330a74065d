#include "ui/Eingabehinweis.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>

#include <algorithm>

namespace {

// An alert named by its text: a screen reader reads it out when it shows or changes.
class Hinweis_Zugang : public QAccessibleWidget {
public:
    explicit Hinweis_Zugang(QLabel* l) : QAccessibleWidget(l, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString s = static_cast<const QLabel*>(widget())->text();
            return s.isEmpty() ? QCoreApplication::translate("Eingabehinweis", "Hinweis zur Eingabe") : s;
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Fabrik(const QString& Klasse, QObject* o) {
    if (Klasse == QLatin1String("Eingabehinweis")) return new Hinweis_Zugang(static_cast<QLabel*>(o));
    return nullptr;
}

}  // namespace

Eingabehinweis::Eingabehinweis(QWidget* Fenster) : QLabel(Fenster) {
    static const bool einmal = [] {
        QAccessible::installFactory(Fabrik);
        return true;
    }();
    (void)einmal;
    setObjectName(QStringLiteral("Eingabehinweis"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    setPalette(p);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    hide();
    Uhr.setSingleShot(true);
    Uhr.setInterval(Dauer_ms);
    connect(&Uhr, &QTimer::timeout, this, &Eingabehinweis::Verbergen);
}

void Eingabehinweis::Zeigen(QWidget* Feld, const QString& Text, bool ansagen) {
    // QLabel tells a screen reader of a new text itself; showing tells it of the alert.
    setText(Text);
    QWidget* Fenster = parentWidget();
    // A line wider than the window wraps within it.
    setWordWrap(false);
    adjustSize();
    if (width() > Fenster->width()) {
        setWordWrap(true);
        resize(Fenster->width(), heightForWidth(Fenster->width()));
    }
    QPoint Ort = Feld->mapTo(Fenster, QPoint(0, Feld->height() + 2));
    if (Ort.y() + height() > Fenster->height()) Ort.ry() -= Feld->height() + height() + 4;
    Ort.setX(std::clamp(Ort.x(), 0, std::max(0, Fenster->width() - width())));
    move(Ort);
    raise();
    show();
    Uhr.start();
    if (ansagen) Ansagen();
}

void Eingabehinweis::Ansagen() {
    if (!isVisible()) return;
    QAccessibleEvent Alarm(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&Alarm);
}

void Eingabehinweis::Verbergen() {
    Uhr.stop();
    hide();
    clear();
}
