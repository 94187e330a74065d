#include "ui/Diagrammzeiger.h"

#include "analysis/Zahlentexte.h"
#include "ui/Bildfeld.h"
#include "ui/Sitzung.h"
#include "ui/Wertetabelle.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QToolTip>

namespace {

Feld Feld_von(Griff gr) {
    switch (gr) {
    case Griff::V_links:
        return Feld::kli;
    case Griff::V_rechts:
        return Feld::kre;
    default:
        return Feld::x;
    }
}

// The chart's keys, under every bar's values (the help lists them too).
QString Tastenhinweis() {
    return QCoreApplication::translate("Diagrammzeiger",
                                       "Tasten nach einem Klick in die Grafik oder Strg+G:\n"
                                       "←/→ x, Umschalt+←/→ V links, Strg+←/→ V rechts");
}

}  // namespace

Diagrammzeiger::Diagrammzeiger(Bildfeld& Bild, TStringGrid& Gitter, Sitzung& s,
                               std::function<const Diagrammgeometrie*()> Geometrie, QObject* Eltern)
    : QObject(Eltern), Bild(Bild), Gitter(Gitter), s(s), Geometrie(std::move(Geometrie)) {
    Bild.setMouseTracking(true);
    // A click or Ctrl+G gives the chart the keys; Tab still walks the fields alone.
    Bild.setFocusPolicy(Qt::ClickFocus);
    auto* Fokus = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), Bild.window());
    connect(Fokus, &QShortcut::activated, this, [this] { this->Bild.setFocus(Qt::ShortcutFocusReason); });
    Bild.installEventFilter(this);
}

const Diagrammgeometrie* Diagrammzeiger::Verteilungsgeometrie() const {
    const Diagrammgeometrie* g = Geometrie();
    return g && !s.Stand().OC ? g : nullptr;
}

const Diagrammgeometrie* Diagrammzeiger::OC_Geometrie() const {
    const Diagrammgeometrie* g = Geometrie();
    return g && s.Stand().OC ? g : nullptr;
}

void Diagrammzeiger::Saeule_umranden(int k) {
    if (const Diagrammgeometrie* g = Verteilungsgeometrie())
        Bild.Hervorheben(Saeulenrahmen(s.Ergebnis().z, s.Ergebnis().s, *g, k));
}

void Diagrammzeiger::Setzen(Griff gr, int Wert) { s.Eingeben(Feld_von(gr), Zahl_ganz(Wert)); }

bool Diagrammzeiger::eventFilter(QObject* o, QEvent* e) {
    if (o != &Bild) return false;
    switch (e->type()) {
    case QEvent::MouseMove:
        Bewegt(static_cast<QMouseEvent*>(e));
        break;
    case QEvent::MouseButtonPress:
        Gedrueckt(static_cast<QMouseEvent*>(e));
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) Zug.reset();
        break;
    case QEvent::ToolTip:
        return Tooltip(static_cast<QHelpEvent*>(e));
    case QEvent::ShortcutOverride: {
        // Esc ends a drag here rather than reaching the window's Esc.
        auto* k = static_cast<QKeyEvent*>(e);
        if (Zug && k->key() == Qt::Key_Escape) k->accept();
        break;
    }
    case QEvent::KeyPress:
        return Taste(static_cast<QKeyEvent*>(e));
    default:
        break;
    }
    return false;
}

void Diagrammzeiger::Bewegt(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    const Diagrammgeometrie* g = Verteilungsgeometrie();
    if (Zug) {
        if (!g || !(e->buttons() & Qt::LeftButton)) return Zug.reset();
        const int Wert = Gezogener_Wert(s.Ergebnis().z, *g, Zug->gr, Zug->Startwert, p.x() - Zug->Start_x);
        if (Wert == Zug->Wert) return;
        Zug->Wert = Wert;
        Setzen(Zug->gr, Wert);
        return;
    }
    if (!g) return Bild.unsetCursor();
    const Griff gr = Griff_bei(s.Ergebnis().z, s.Ergebnis().s, *g, p);
    if (gr == Griff::keiner)
        Bild.unsetCursor();
    else
        Bild.setCursor(Qt::SizeHorCursor);
    const std::optional<int> k = k_an_Stelle(*g, p);
    if (k && k != Zeile) Gitter.Zeile_zeigen(*k);
    Zeile = k;
}

bool Diagrammzeiger::Tooltip(QHelpEvent* e) {
    const QPoint p = e->pos();
    QString Text;
    QRect Bereich;
    if (Zug) {
        // A tooltip would cover the bars being dragged.
    } else if (const Diagrammgeometrie* g = Verteilungsgeometrie()) {
        if (const std::optional<int> k = k_an_Stelle(*g, p)) {
            Text = Saeulentext(s.Ergebnis().z, s.Ergebnis().s, *k) + QStringLiteral("\n\n") + Tastenhinweis();
            const int X = g->x_Ursprung + (*k - g->k1) * g->Saeulenbreite;
            Bereich = QRect(X, 0, g->Saeulenbreite, Bild.height());
        }
    } else if (const Diagrammgeometrie* oc = OC_Geometrie()) {
        if (const std::optional<Extended> w = p_an_Stelle(*oc, p)) {
            Text = OC_Punkttext(s.Ergebnis().z, *w);
            Bereich = QRect(p.x(), 0, 1, Bild.height());
        }
    }
    if (Text.isEmpty()) {
        QToolTip::hideText();
        e->ignore();
    } else {
        QToolTip::showText(e->globalPos(), Text, &Bild, Bereich);
    }
    return true;
}

void Diagrammzeiger::Gedrueckt(QMouseEvent* e) {
    Zug.reset();
    if (e->button() != Qt::LeftButton) return;
    const Diagrammgeometrie* g = Verteilungsgeometrie();
    // The press moves the focus to the chart and so ends an entry in a field; an entry refused
    // keeps the focus in its field, and nothing is dragged.
    if (!g || !Bild.hasFocus()) return;
    const Zustand& z = s.Ergebnis().z;
    const Griff gr = Griff_bei(z, s.Ergebnis().s, *g, e->position().toPoint());
    if (gr == Griff::keiner) return;
    QToolTip::hideText();
    const int Wert = Wert_von(z, gr);
    Zug = Ziehen{gr, e->position().toPoint().x(), Wert, Wert, s.Stand()};
}

bool Diagrammzeiger::Taste(QKeyEvent* e) {
    if (Zug) {
        if (e->key() != Qt::Key_Escape) return true;
        const Eingaben vorher = Zug->vorher;
        Zug.reset();
        s.Setzen(vorher);
        return true;
    }
    if (e->key() != Qt::Key_Left && e->key() != Qt::Key_Right) return false;
    if (!Verteilungsgeometrie()) return false;
    const Qt::KeyboardModifiers m = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const Griff gr = m == Qt::NoModifier        ? Griff::x
                     : m == Qt::ShiftModifier   ? Griff::V_links
                     : m == Qt::ControlModifier ? Griff::V_rechts
                                                : Griff::keiner;
    if (gr == Griff::keiner) return false;
    const Zustand& z = s.Ergebnis().z;
    const int vorher = Wert_von(z, gr);
    const int Wert = Schritt(z, gr, vorher, e->key() == Qt::Key_Left ? -1 : 1);
    if (Wert != vorher) Setzen(gr, Wert);
    return true;
}
