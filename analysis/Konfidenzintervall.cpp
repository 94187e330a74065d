#include "analysis/Konfidenzintervall.h"

#include "analysis/Berechnung.h"
#include "analysis/Zahlentexte.h"

#include <algorithm>
#include <cmath>

Konfidenztexte Konfidenzintervall_berechnen(Zustand& z, const Schalter& s)
{
    Konfidenztexte texte;
    if (z.n < 1) {
        // Only the all-zero state before the first reset has no sample; nothing to estimate.
        texte.Edit_p0 = Zahl_allgemein(z.p0);
        texte.Label_Vertrauensintervall_ausgeben = Leeres_Konfidenzintervall;
        return texte;
    }
    // x is checked against n only when typed; a later smaller n must not make x/n exceed 1
    // (negative probabilities, the root of a negative), so x counts as at most n.
    const int x = std::clamp(z.x, 0, z.n);
    z.p0 = static_cast<Extended>(x) / z.n;
    texte.Edit_p0 = Zahl_allgemein(z.p0);

    Verteilung_berechnen(z, s, 0);

    const Extended zf = z.Sigmafaktor;
    const Extended p = z.p0;
    const Extended w = zf * zf / z.n;
    const Extended e = std::sqrt(w / 4 / z.n + (1 - p) * p / z.n);
    const Extended unten = ((w / 2 + p) - zf * e) / (w + 1);
    const Extended oben = (zf * e + (w / 2 + p)) / (w + 1);
    texte.Label_Vertrauensintervall_ausgeben =
        "[ " + Zahl_fest(unten, 6, 4) + " ; " + Zahl_fest(oben, 6, 4) + " ]";
    return texte;
}
