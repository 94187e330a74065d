#include "explorations/Serien.h"

#include "analysis/Zahlentexte.h"
#include "charts/Diagramm.h"
#include "charts/UGrafik.h"
#include "ui/Bildfeld.h"
#include "ui/Dienste.h"
#include "ui/Quorvel.h"

#include <QLineEdit>

#include <algorithm>

void Umrisse_zeichnen(QImage& Bild, const Zustand& z) {
    Saeulen_zeichnen(Bild, z, z.P0_Tabelle, z.k1, z.k2, true, clBlack, Pinselart::bsClear);
}

void Serienbeschriftung_zeichnen(QImage& Bild, const Zustand& z, const QString& Text) {
    Rechteck(Bild, z.x_Ursprung + 40, 5, z.x_Ende, 20, clWhite, clWhite, 1, Stiftart::psSolid, Pinselart::bsSolid);
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

void n_Serie_beenden(TForm1& f, int n_vorher, int bis) {
    Zustand& z = f.z;
    z.Serie_laeuft = false;
    z.n = n_vorher;
    f.Edit_n->setText(q(Zahl_ganz(z.n)));
    z.k1 = 0;  // a k1 typed during a wait of the animation was held only to the series' axis
    z.k2 = z.n;
    f.Edit_k2->setText(f.Edit_n->text());
    std::fill(z.P0_Tabelle.begin(), z.P0_Tabelle.begin() + std::clamp(bis, 0, k_Maximum) + 1, 0.0L);
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

    // Up to the family's k2 (202 for p0 = 0,99), not only up to 200.
    n_Serie_beenden(*this, n_vorher, std::max(z.k2, 200));
}
