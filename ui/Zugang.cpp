#include "ui/Zugang.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QItemSelectionModel>

Benannte_Auswahl::Benannte_Auswahl(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, &Benannte_Auswahl::Auswahl_melden);
}

void Benannte_Auswahl::Auswahl_melden(int i) {
    // The list a screen reader reads as the children; Qt selects in it only when it opens.
    if (QItemSelectionModel* m = view()->selectionModel()) {
        if (i >= 0)
            m->select(model()->index(i, modelColumn(), rootModelIndex()), QItemSelectionModel::ClearAndSelect);
        else
            m->clearSelection();
    }
    const QString neu = currentText();
    if (neu == gemeldet) return;
    QAccessibleTextUpdateEvent e(this, 0, gemeldet, neu);
    gemeldet = neu;
    QAccessible::updateAccessibility(&e);
}

namespace {

// Qt's own combo box on Linux is named by its current item, so the three distribution boxes
// were all "Binomial"; this one keeps the form's name and gives the item as value and as a
// read-only text (what AT-SPI clients read), its list as the one child, as Qt's does.
class Auswahl_Zugang : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit Auswahl_Zugang(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}
    QComboBox* Auswahl() const { return static_cast<QComboBox*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Auswahl()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Auswahl()->view()->isVisible();
        return s;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int i) const override {
        return i == 0 ? QAccessible::queryAccessibleInterface(Auswahl()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return c && c->object() == Auswahl()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& Aktion) override {
        if (Aktion != showMenuAction() && Aktion != pressAction()) return QAccessibleWidget::doAction(Aktion);
        if (Auswahl()->view()->isVisible())
            Auswahl()->hidePopup();
        else
            Auswahl()->showPopup();
    }

    // The text: the current item, read only, without selection or caret of its own.
    QString text(int Anfang, int Ende) const override { return Wert().mid(Anfang, Ende - Anfang); }
    int characterCount() const override { return static_cast<int>(Wert().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* Anfang, int* Ende) const override { *Anfang = *Ende = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* Anfang, int* Ende) const override {
        *Anfang = 0;
        *Ende = characterCount();
        return {};
    }

private:
    QString Wert() const { return Auswahl()->currentText(); }
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
