#include "ui/Zugang.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class Auswahl_Zugang : public QAccessibleWidget {
public:
    explicit Auswahl_Zugang(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        const auto* c = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Value) return c->currentText();
        return QAccessibleWidget::text(t);
    }
};

// Invisible to assistive technology: screen readers skip it, the eye still sees it.
class Textstueck_Zugang : public QAccessibleWidget {
public:
    explicit Textstueck_Zugang(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* Fabrik(const QString& Klasse, QObject* o) {
    if (Klasse == QLatin1String("Benannte_Auswahl")) return new Auswahl_Zugang(static_cast<QComboBox*>(o));
    if (Klasse == QLatin1String("Textstueck")) return new Textstueck_Zugang(static_cast<QLabel*>(o));
    return nullptr;
}

}  // namespace

void Zugang_anmelden() {
    static const bool einmal = [] {
        QAccessible::installFactory(Fabrik);
        return true;
    }();
    (void)einmal;
}
