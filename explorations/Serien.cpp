#include "explorations/Serien.h"

#include "analysis/Zahlentexte.h"
#include "charts/Diagramm.h"
#include "charts/UGrafik.h"
#include "probability/UStochastik.h"
#include "ui/Bildfeld.h"
#include "ui/Dienste.h"
#include "ui/Quorvel.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>

int Ganz_runden(Extended w, int lo, int hi) {
    if (!std::isfinite(w)) return lo;
    // nearbyint in the default rounding mode rounds halves to even.
    const Extended r = std::nearbyint(std::clamp(w, static_cast<Extended>(lo), static_cast<Extended>(hi)));
    return static_cast<int>(r);
}

Extended Pmax_mehrere_p0(int n) {
    // round(n/10) in integers: 0,1 has no exact binary form, and n = 15 must give 2.
    int m = n / 10;
    const int Rest = n % 10;
    if (Rest > 5 || (Rest == 5 && m % 2 == 1)) ++m;
    return Binomialverteilung(n, m, 1.0L / 10);
}

Extended p0_mehrere_n(Extended p0) { return p0 == 0 ? 0.2L : p0; }

Extended Pmax_mehrere_n(Extended p0) { return Binomialverteilung(10, Ganz_runden(10 * p0, 0, 10), p0); }

int k2_mehrere_n(Extended p0) {
    const Extended Varianz = std::max<Extended>(0, 200 * p0 * (1 - p0));
    return Ganz_runden(200 * p0 + 3 * std::sqrt(Varianz), 0, k_Maximum);
}

void Binomialtabelle_setzen(Zustand& z, Extended p, int bis) {
    const int n = std::clamp(z.n, 0, k_Maximum);
    const int Ende = std::clamp(std::max(bis, n), 0, k_Maximum);
    std::fill(z.P0_Tabelle.begin(), z.P0_Tabelle.begin() + Ende + 1, 0.0L);
    for (int k = 0; k <= n; ++k) z.P0_Tabelle[k] = Binomialverteilung(n, k, p);
    z.mue0 = n * p;
    z.sigma0 = std::sqrt(std::max<Extended>(0, n * p * (1 - p)));
}

std::string Beschriftung_mehrere_p0(int n) { return "p0=0,1 bis p0=0,9     n=" + Zahl_ganz(n); }

std::string Beschriftung_mehrere_n(Extended p0) {
    return "n=10  n=50  n=100  n=200     p0=" + Zahl_fest(p0, 4, 2);
}

void Umrisse_zeichnen(QImage& Bild, const Zustand& z) {
    Saeulen_zeichnen(Bild, z, z.P0_Tabelle, z.k1, z.k2, true, clBlack, bsClear);
}

void Serienbeschriftung_zeichnen(QImage& Bild, const Zustand& z, const QString& Text) {
    Rechteck(Bild, z.x_Ursprung + 40, 5, z.x_Ende, 20, clWhite, clWhite, 1, psSolid, bsSolid);
    Schrift f;
    f.Name = QStringLiteral("ms sans serif");
    f.Hoehe = 17;
    f.fett = true;
    Text_ausgeben(Bild, z.x_Ursprung + 40, 5, Text, f, false);
}

// --- The two buttons ------------------------------------------------------------------------

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

Extended p0_Serie_beginnen(TForm1& f, Extended (*Pmax)(int n)) {
    Zustand& z = f.z;
    const int n_Nutzer = z.n;
    z.Serie_laeuft = true;
    f.SpeedButton_StandardwerteClick();
    z.n = n_Nutzer;
    f.Edit_n->setText(q(Zahl_ganz(z.n)));
    const Extended p0_vorher = z.p0;

    z.Pmax = Pmax(z.n);
    f.Edit_k1->setText(QStringLiteral("0"));
    z.k1 = 0;
    f.Edit_k2->setText(q(Zahl_ganz(z.n)));
    z.k2 = z.n;
    return p0_vorher;
}

void p0_Serie_beenden(TForm1& f, Extended p0_vorher) {
    f.z.Serie_laeuft = false;
    f.z.p0 = p0_vorher;
    f.Edit_p0->setText(q(Zahl_allgemein(f.z.p0)));
    f.Alles_berechnen();
}

void TForm1::Button_p0_variabelClick() {
    if (z.n > n_mehrere_p0_hoechstens) {
        dienste().Meldung(QStringLiteral("n zu groß"));
        return;
    }
    // The family is computed and drawn with the series flag false.
    const Extended p0_vorher = p0_Serie_beginnen(*this, Pmax_mehrere_p0);

    // The even steps only pass through Edit_p0; the odd ones are the family.
    for (int i = 1; i <= 9; ++i) {
        z.p0 = static_cast<Extended>(i) / 10;
        Edit_p0->setText(q(Zahl_allgemein(z.p0)));
        if (i % 2 == 0) continue;
        Binomialtabelle_setzen(z, z.p0, z.k2);
        if (i == 1)
            Histo_neu_zeichnen();
        else
            Umrisse_zeichnen(Image1->Bild(), z);
    }
    Serienbeschriftung_zeichnen(Image1->Bild(), z, q(Beschriftung_mehrere_p0(z.n)));
    Image1->update();

    p0_Serie_beenden(*this, p0_vorher);
}

void TForm1::Button_n_variabelClick() {
    const Extended p0_Nutzer = p0_mehrere_n(z.p0);
    z.Serie_laeuft = true;
    SpeedButton_StandardwerteClick();
    z.p0 = p0_Nutzer;
    Edit_p0->setText(q(Zahl_allgemein(z.p0)));
    const int n_vorher = z.n;

    z.Pmax = Pmax_mehrere_n(z.p0);
    z.k1 = 0;
    z.k2 = k2_mehrere_n(z.p0);
    Edit_k2->setText(q(Zahl_ganz(z.k2)));

    for (z.n = 10; z.n <= 200; ++z.n) {
        // Edit_nChange shows the member's n in Edit_k2 too; the variable k2 stays.
        Edit_n->setText(q(Zahl_ganz(z.n)));
        if (z.n != 10 && z.n != 50 && z.n != 100 && z.n != 200) continue;
        // Zeroed up to the widest member (200) and up to k2, which reaches 202 for p0 = 0,99.
        Binomialtabelle_setzen(z, z.p0, std::max(z.k2, 200));
        if (z.n == 10)
            Histo_neu_zeichnen();
        else
            Umrisse_zeichnen(Image1->Bild(), z);
    }
    Serienbeschriftung_zeichnen(Image1->Bild(), z, q(Beschriftung_mehrere_n(z.p0)));
    Image1->update();

    z.Serie_laeuft = false;
    const int k2_Serie = z.k2;
    z.n = n_vorher;
    Edit_n->setText(q(Zahl_ganz(z.n)));
    z.k2 = z.n;
    Edit_k2->setText(Edit_n->text());
    // Up to the family's k2 (202 for p0 = 0,99), not only up to 200.
    std::fill(z.P0_Tabelle.begin(), z.P0_Tabelle.begin() + std::clamp(std::max(k2_Serie, 200), 0, k_Maximum) + 1,
              0.0L);
    Alles_berechnen();
}
