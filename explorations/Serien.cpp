#include "explorations/Serien.h"

#include "analysis/Zahlentexte.h"
#include "charts/Diagramm.h"
#include "charts/Qt_Text.h"
#include "explorations/Erkundungsfenster.h"
#include "explorations/Serie.h"

#include <QString>

#include <algorithm>

void p0_Achse_setzen(Erkundungsfenster& f, Extended (*Pmax)(int n)) {
    Zustand& z = f.Stand();
    z.Pmax = Pmax(z.n);
    z.k1 = 0;
    f.k1_zeigen();
    z.k2 = z.n;
    f.k2_zeigen();
}

void mehrere_p0_zeichnen(Erkundungsfenster& f) {
    Zustand& z = f.Stand();
    const Serie serie(f, Serienart::p0);
    p0_Achse_setzen(f, Pmax_mehrere_p0);

    // The even steps only pass through Edit_p0; the odd ones are the family.
    for (int i = 1; i <= 9; ++i) {
        z.p0 = static_cast<Extended>(i) / 10;
        f.p0_zeigen();
        if (i % 2 == 0) continue;
        Binomialtabelle_setzen(z, z.p0, z.k2);
        if (i == 1)
            f.Neu_zeichnen();
        else
            Umrisse_zeichnen(f.Bild(), z, f.Geometrie_des_Bildes());
    }
    const QString Beschriftung = Qt_Text(Beschriftung_mehrere_p0(z.n));
    Serienbeschriftung_zeichnen(f.Bild(), f.Geometrie_des_Bildes(), Beschriftung);
    f.Bild_zeigen(QStringLiteral("Histogramme einer Familie von Binomialverteilungen: ") + Beschriftung);
}

void mehrere_n_zeichnen(Erkundungsfenster& f) {
    Zustand& z = f.Stand();
    Serie serie(f, Serienart::n);
    z.p0 = p0_mehrere_n(serie.p0_des_Nutzers());
    f.p0_zeigen();

    z.Pmax = Pmax_mehrere_n(z.p0);
    z.k1 = 0;
    z.k2 = k2_mehrere_n(z.p0);
    f.k2_zeigen();

    for (z.n = 10; z.n <= 200; ++z.n) {
        // The n field's change handler shows the member's n as k2 too; the variable k2 stays.
        f.n_zeigen();
        if (z.n != 10 && z.n != 50 && z.n != 100 && z.n != 200) continue;
        // Zeroed up to the widest member (200) and up to k2, which reaches 202 for p0 = 0,99.
        Binomialtabelle_setzen(z, z.p0, std::max(z.k2, 200));
        if (z.n == 10)
            f.Neu_zeichnen();
        else
            Umrisse_zeichnen(f.Bild(), z, f.Geometrie_des_Bildes());
    }
    const QString Beschriftung = Qt_Text(Beschriftung_mehrere_n(z.p0));
    Serienbeschriftung_zeichnen(f.Bild(), f.Geometrie_des_Bildes(), Beschriftung);
    f.Bild_zeigen(QStringLiteral("Histogramme einer Familie von Binomialverteilungen: ") + Beschriftung);

    // Up to the family's k2 (202 for p0 = 0,99), not only up to 200.
    serie.Tabellenende = std::max(z.k2, 200);
}
