#include "analysis/Ablehnungsbereich.h"

#include "probability/Tabellen.h"

#include <algorithm>
#include <cmath>

namespace {

// A running sum may end a few ulps above 1; a level is still a percentage.
Extended Als_Prozent(Extended wert)
{
    return std::clamp(wert, Extended{0}, Extended{100});
}

}  // namespace

Extended Kumuliert(const Zustand& z, int k)
{
    if (k < 0) return 0;
    return z.P0_kumuliert[std::min(k, z.n)];
}

int kli_berechnen(Zustand& z)
{
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
    z.kre = z.n + 1;
    if (z.Alfare <= 0) return z.kre;
    const Extended b = 1 - z.Alfare / 100;
    int k = z.n;
    while (k >= 0 && z.P0_kumuliert[k] >= b) --k;
    // The scan stops at -1 at the latest, where P0(X <= -1) = 0; only b <= 0 (Alfare = 100)
    // lets it pass there too.
    z.kre = Kumuliert(z, k) < b ? k + 2 : k + 1;
    return z.kre;
}

Extended Alfali_erreicht(const Zustand& z)
{
    if (z.kli < 0) return 0;
    return Als_Prozent(100 * Kumuliert(z, z.kli));
}

Extended Alfare_erreicht(const Zustand& z)
{
    if (z.kre > z.n) return 0;
    const Extended wert = (1 - Kumuliert(z, z.kre - 1)) * 100;
    // The arithmetic cannot trap here; a non-finite result counts as its failure.
    return std::isfinite(wert) ? Als_Prozent(wert) : 0;
}

Extended Alfali_berechnen(Zustand& z)
{
    if (z.kli < 0) return 0;
    z.Alfali = Alfali_erreicht(z);
    return z.Alfali;
}

Extended Alfare_berechnen(Zustand& z)
{
    if (z.kre > z.n) return 0;
    z.Alfare = Alfare_erreicht(z);
    return z.Alfare;
}

Extended Alfa_Fehler(Zustand& z)
{
    if (z.Test_links || z.Test_beidseitig) Alfali_berechnen(z);
    if (z.Test_rechts || z.Test_beidseitig) Alfare_berechnen(z);
    return Alfa_Fehler_erreicht(z);
}

Extended Alfa_Fehler_erreicht(const Zustand& z)
{
    Extended a = 0;
    if (z.Test_links || z.Test_beidseitig) a += Alfali_erreicht(z);
    if (z.Test_rechts || z.Test_beidseitig) a += Alfare_erreicht(z);
    return a;
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

Extended Binomialsumme(const Zustand& z, int a, int b, Extended p)
{
    return Binomialintervall(z.n, a, b, p);
}

Extended Annahmewahrscheinlichkeit(const Zustand& z, Extended p)
{
    const Annahmebereich A = Annahmebereich_bestimmen(z);
    return Binomialsumme(z, A.A_links, A.A_rechts, p);
}
