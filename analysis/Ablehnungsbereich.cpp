#include "analysis/Ablehnungsbereich.h"

#include "analysis/Zahlentexte.h"
#include "probability/Tabellen.h"

#include <algorithm>
#include <cmath>

namespace {

// A running sum may end a few ulps above 1; a level is still a percentage.
Extended Als_Prozent(Extended wert) { return std::clamp(wert, Extended{0}, Extended{100}); }

}  // namespace

Extended Kumuliert(const Zustand& z, int k)
{
    if (k < 0) return 0;
    return z.P0_kumuliert[std::min(k, z.n)];
}

Extended Niveau_links(const Zustand& z, int k) { return Schreibbarer_Wert(Als_Prozent(100 * Kumuliert(z, k))); }

Extended Niveau_rechts(const Zustand& z, int k)
{
    const Extended wert = (1 - Kumuliert(z, k - 1)) * 100;
    // The arithmetic cannot trap here; a non-finite result counts as its failure.
    return std::isfinite(wert) ? Schreibbarer_Wert(Als_Prozent(wert)) : 0;
}

namespace {

// A field shows a level with 15 digits and the input is what that text reads as: the bound
// a level came from is found again when its level shows as the very same text.
bool gleich_gezeigt(Extended Niveau, Extended Stand) { return Zahl_allgemein(Niveau) == Zahl_allgemein(Stand); }

}  // namespace

int kli_berechnen(Zustand& z)
{
    // A level derived from a bound reaches that bound exactly; where neighbouring k reach the
    // very same level (a tail below the level's resolution), the scan alone would pick the
    // largest of them, so the bound it came from is taken back directly.
    const int b = z.kli_Ursprung;
    if (b >= 0 && b <= z.n && gleich_gezeigt(Niveau_links(z, b), z.Alfali)) return z.kli = b;
    z.kli = -1;
    if (z.Alfali <= 0) return z.kli;
    const Extended a = z.Alfali / 100;
    int k = 0;
    while (k <= z.n && z.P0_kumuliert[k] <= a) ++k;
    z.kli = k - 1;
    return z.kli;
}

int kre_berechnen(Zustand& z)
{
    const int b = z.kre_Ursprung;
    if (b >= 0 && b <= z.n && gleich_gezeigt(Niveau_rechts(z, b), z.Alfare)) return z.kre = b;
    z.kre = z.n + 1;
    if (z.Alfare <= 0) return z.kre;
    const Extended b_Grenze = 1 - z.Alfare / 100;
    int k = z.n;
    while (k >= 0 && z.P0_kumuliert[k] >= b_Grenze) --k;
    // The scan stops at -1 at the latest, where P0(X <= -1) = 0; only b <= 0 (Alfare = 100)
    // lets it pass there too.
    z.kre = Kumuliert(z, k) < b_Grenze ? k + 2 : k + 1;
    return z.kre;
}

Extended Alfali_erreicht(const Zustand& z)
{
    if (z.kli < 0) return 0;
    return Niveau_links(z, z.kli);
}

Extended Alfare_erreicht(const Zustand& z)
{
    if (z.kre > z.n) return 0;
    return Niveau_rechts(z, z.kre);
}

Extended Alfali_berechnen(Zustand& z)
{
    z.Alfali = Alfali_erreicht(z);
    z.kli_Ursprung = z.kli < 0 ? kein_Ursprung : z.kli;
    return z.Alfali;
}

Extended Alfare_berechnen(Zustand& z)
{
    z.Alfare = Alfare_erreicht(z);
    z.kre_Ursprung = z.kre > z.n ? kein_Ursprung : z.kre;
    return z.Alfare;
}

Alfa_Anteile Alfa_Fehler_Anteile(const Zustand& z)
{
    Alfa_Anteile a;
    if (z.Test_links || z.Test_beidseitig) a.links = Alfali_erreicht(z);
    if (z.Test_rechts) a.rechts = Alfare_erreicht(z);
    if (z.Test_beidseitig) {
        // Where the regions meet or overlap, the k up to kli are the left tail's already.
        const int ab = std::max(z.kre, z.kli + 1);
        if (ab <= z.n) a.rechts = Niveau_rechts(z, ab);
    }
    return a;
}

Extended Alfa_Fehler_erreicht(const Zustand& z)
{
    const Alfa_Anteile a = Alfa_Fehler_Anteile(z);
    return Als_Prozent(a.links + a.rechts);
}

void Testart_setzen(Zustand& z)
{
    z.Test_links = z.kli >= 0 && z.kre > z.n;
    z.Test_rechts = z.kli < 0 && z.kre <= z.n;
    z.Test_beidseitig = z.kli >= 0 && z.kre <= z.n;
}

Annahmebereich Annahmebereich_bestimmen(const Zustand& z)
{
    if (z.Test_links) return {z.kli + 1, z.n};
    if (z.Test_rechts) return {0, z.kre - 1};
    if (z.Test_beidseitig) return {z.kli + 1, z.kre - 1};
    return {0, z.n};
}

Extended Binomialsumme(const Zustand& z, int a, int b, Extended p) { return Binomialintervall(z.n, a, b, p); }

Extended Annahmewahrscheinlichkeit(const Zustand& z, Extended p)
{
    const Annahmebereich A = Annahmebereich_bestimmen(z);
    return Binomialsumme(z, A.A_links, A.A_rechts, p);
}
