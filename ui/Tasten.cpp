#include "ui/Tasten.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

namespace {

class Menueknopf_Zugang : public QAccessibleWidget {
public:
    explicit Menueknopf_Zugang(Menueknopf* k) : QAccessibleWidget(k, QAccessible::ButtonMenu) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.hasPopup = true;
        return s;
    }
    QStringList actionNames() const override {
        return widget()->isEnabled() ? QStringList{showMenuAction(), pressAction()} : QStringList{};
    }
    void doAction(const QString& Name) override {
        if (widget()->isEnabled() && (Name == showMenuAction() || Name == pressAction()))
            static_cast<Menueknopf*>(widget())->Menue_oeffnen();
    }
};

QAccessibleInterface* Fabrik(const QString& Klasse, QObject* o) {
    if (Klasse == QLatin1String("Menueknopf")) return new Menueknopf_Zugang(static_cast<Menueknopf*>(o));
    return nullptr;
}

}  // namespace

Menueknopf::Menueknopf(QWidget* parent) : QToolButton(parent) {
    static const bool einmal = [] {
        QAccessible::installFactory(Fabrik);
        return true;
    }();
    (void)einmal;
}

void Menueknopf::Menue_oeffnen() {
    QTimer::singleShot(0, this, [this] {
        if (menu() && isVisible() && isEnabled() && !menu()->isVisible()) showMenu();
    });
}

void Dateimenue_tasten(QWidget& Fenster, Menueknopf& Datei) {
    for (const QKeySequence& Taste : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::ALT | Qt::Key_D)}) {
        auto* k = new QShortcut(Taste, &Fenster);
        QObject::connect(k, &QShortcut::activated, &Datei, &Menueknopf::Menue_oeffnen);
    }
}

QString Mit_Taste(const QString& Text, const QKeySequence& Taste) {
    QString t = Text;
    // "&&" is a plain "&"; a single one marks the letter.
    t.replace(QLatin1String("&&"), QString(QChar(0xE000)))
        .remove(QLatin1Char('&'))
        .replace(QChar(0xE000), QLatin1Char('&'));
    return QStringLiteral("%1 (%2)").arg(t, Taste.toString(QKeySequence::NativeText));
}

QString Nummeriert(int Nummer, const QString& Text) {
    QString t = Text;
    t.replace(QLatin1Char('&'), QLatin1String("&&"));
    // Nine keys: 1..9; the menu holds at most eight.
    return Nummer <= 9 ? QStringLiteral("&%1 %2").arg(Nummer).arg(t) : QStringLiteral("%1 %2").arg(Nummer).arg(t);
}
