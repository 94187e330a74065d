#include "explorations/Erkundung.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Berechnung.h"
#include "analysis/Serienwerte.h"
#include "charts/Beschreibung.h"
#include "charts/Diagramm.h"
#include "charts/Qt_Text.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <algorithm>

namespace {

constexpr int p0_Schritte_von = 10, p0_Schritte_bis = 190;  // p0 = i/200
constexpr int n_von = 5, n_bis = 100;

// The distribution chart of z as the window draws it: the geometry (a narrowed k range becomes
// the frame's own), the test kind, then the chart and its description.
Diagrammgeometrie Verteilung_zeichnen(Zustand& z, const Schalter& s, QImage& Bild, QString& Beschreibung,
                                      const Farbsatz& F) {
    const Diagrammgeometrie g = Geometrie_berechnen(Bild, z, s);
    if (g.verengt) {
        z.k1 = g.k1;
        z.k2 = g.k2;
    }
    Testart_setzen(z);
    Histo_neu_zeichnen(Bild, z, g, s, F);
    Beschreibung = Diagrammbeschreibung(z, s);
    return g;
}

// A family's caption over the chart's first caption row; it is also what a screen reader hears.
void Familie_beschriften(QImage& Bild, const Diagrammgeometrie& g, const std::string& Text, QString& Beschreibung) {
    const QString Beschriftung = Qt_Text(Text);
    Serienbeschriftung_zeichnen(Bild, g, Beschriftung);
    Beschreibung = QCoreApplication::translate("Erkundung", "Histogramme einer Familie von Binomialverteilungen: %1")
                       .arg(Beschriftung);
}

}  // namespace

Erkundung::Erkundung(Erkundungsart Art, int n_Nutzer, Extended p0_Nutzer, bool Info) : art(Art) {
    s.Info = Info;  // every other box off, every kind binomial
    auto z = std::make_shared<Zustand>();
    Startwerte_setzen(*z);
    Alles_berechnen(*z, s);
    const int n = std::clamp(n_Nutzer, 0, k_Maximum);
    z->k1 = 0;
    switch (art) {
    case Erkundungsart::mehrere_p0:
        z->n = n;
        z->Pmax = Pmax_mehrere_p0(n);
        z->k2 = n;
        break;
    case Erkundungsart::p0_Animation:
        z->n = n;
        z->Pmax = Pmax_p0_Animation(n);
        z->k2 = n;
        break;
    case Erkundungsart::mehrere_n:
        z->p0 = p0_mehrere_n(std::clamp<Extended>(p0_Nutzer, 0, 1));
        z->Pmax = Pmax_mehrere_n(z->p0);
        z->k2 = k2_mehrere_n(z->p0);
        break;
    case Erkundungsart::n_Animation:
        z->Pmax = Pmax_n_Animation(z->p0);
        z->k2 = n_bis;
        break;
    }
    Start = std::move(z);
}

int Erkundung::Bildzahl() const {
    switch (art) {
    case Erkundungsart::p0_Animation:
        return p0_Schritte_bis - p0_Schritte_von + 1;
    case Erkundungsart::n_Animation:
        return n_bis - n_von + 1;
    default:
        return 1;
    }
}

int Erkundung::Wartezeit_ms(int i) const {
    switch (art) {
    case Erkundungsart::p0_Animation:
        return i == 0 ? 2000 : 2;
    case Erkundungsart::n_Animation:
        return i == 0 || i == Bildzahl() - 1 ? 2000 : 25;
    default:
        return 0;
    }
}

void Erkundung::Bildzustand_setzen(int i, Zustand& z) const {
    z = *Start;
    switch (art) {
    case Erkundungsart::mehrere_p0:
        z.p0 = 1.0L / 10;
        Binomialtabelle_setzen(z, z.p0, z.k2);
        break;
    case Erkundungsart::mehrere_n:
        z.n = 10;
        // Zeroed up to the widest member (200) and up to k2, which reaches 202 for p0 = 0,99.
        Binomialtabelle_setzen(z, z.p0, std::max(z.k2, 200));
        break;
    case Erkundungsart::p0_Animation:
        z.p0 = static_cast<Extended>(p0_Schritte_von + std::clamp(i, 0, Bildzahl() - 1)) / 200;
        Binomialtabelle_setzen(z, z.p0, z.k2);
        break;
    case Erkundungsart::n_Animation:
        z.n = n_von + std::clamp(i, 0, Bildzahl() - 1);
        // The start state holds the table of n = 20: zero what the axis 0..100 shows above n.
        Binomialtabelle_setzen(z, z.p0, z.k2);
        break;
    }
}

Diagrammgeometrie Erkundung::Bild_zeichnen(int i, QImage& Bild, QString& Beschreibung, const Farbsatz& F) const {
    // A Zustand holds five tables of 4001 values: on the heap, not on the stack.
    const auto z = std::make_unique<Zustand>();
    Bildzustand_setzen(i, *z);
    const Diagrammgeometrie g = Verteilung_zeichnen(*z, s, Bild, Beschreibung, F);
    switch (art) {
    case Erkundungsart::mehrere_p0:
        for (int j = 3; j <= 9; j += 2) {
            z->p0 = static_cast<Extended>(j) / 10;
            Binomialtabelle_setzen(*z, z->p0, z->k2);
            Umrisse_zeichnen(Bild, *z, g);
        }
        Familie_beschriften(Bild, g, Beschriftung_mehrere_p0(z->n), Beschreibung);
        break;
    case Erkundungsart::mehrere_n:
        for (int n : {50, 100, 200}) {
            z->n = n;
            Binomialtabelle_setzen(*z, z->p0, std::max(z->k2, 200));
            Umrisse_zeichnen(Bild, *z, g);
        }
        Familie_beschriften(Bild, g, Beschriftung_mehrere_n(z->p0), Beschreibung);
        break;
    default:
        break;
    }
    return g;
}
