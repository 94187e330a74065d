#include "explorations/Serie.h"

#include "explorations/Erkundungsfenster.h"

#include <algorithm>

Serie::Serie(Erkundungsfenster& fenster, Serienart art)
    : f(fenster), Fenster(&fenster.Fenster()), Art(art), p0_Nutzer(fenster.Stand().p0) {
    Zustand& z = f.Stand();
    const int n_Nutzer = z.n;
    z.Serie_laeuft = true;
    f.Zuruecksetzen();
    z.Serie_laeuft = false;
    if (Art == Serienart::p0) {
        z.n = n_Nutzer;
        f.n_zeigen();
        p0_vorher = z.p0;
    } else {
        n_vorher = z.n;
    }
}

Serie::~Serie() {
    // A window closed and gone during a wait has nothing left to put back.
    if (!Fenster) return;
    Zustand& z = f.Stand();
    if (Art == Serienart::p0) {
        z.p0 = p0_vorher;
        f.p0_zeigen();
    } else {
        z.n = n_vorher;
        f.n_zeigen();
        z.k1 = 0;  // a k1 typed during a wait of the animation was held only to the series' axis
        z.k2 = z.n;
        f.k2_zeigen();
        std::fill(z.P0_Tabelle.begin(), z.P0_Tabelle.begin() + std::clamp(Tabellenende, 0, k_Maximum) + 1, 0.0L);
    }
    f.Neu_berechnen();
}
