#include "analysis/Ablehnungsbereich.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

namespace {
// exp(x) rounds to 0 in extended precision for every x below this (ln of half the smallest
// subnormal is about -11399.5).
constexpr Extended Exponent_unterlaeuft = -11400.0L;
}  // namespace

Extended Binomialsumme(const Zustand& z, int a, int b, Extended p)
{
    // Terms outside 0..n are 0; cutting the range keeps every call within the table.
    a = std::max(a, 0);
    b = std::min(b, z.n);
    if (b < a) return 0;

    Extended summe = 0;
    if (z.n <= 200) {
        for (int k = a; k <= b; ++k) summe += Binomialverteilung(z.n, k, p);
    } else if (p <= 0 || p >= 1) {
        // Both approximations break down here (ln 0, a zero variance), while the binomial
        // distribution is concentrated on 0 or on n: the sum is 1 or 0.
        const int punkt = p <= 0 ? 0 : z.n;
        summe = (a <= punkt && punkt <= b) ? 1 : 0;
    } else if (p < 0.04L) {
        // Poissonverteilung forms k! first and switches to ln k! where k! overflows (k >= 1755).
        const Extended mu = z.n * p;
        for (int k = a; k <= b; ++k) summe += Poissonverteilung(k, mu);
    } else {
        const Extended mu = z.n * p;
        const Extended v = mu * (1 - p);
        const Extended s = std::sqrt(v);
        const Extended h = std::sqrt(2 * v * std::numbers::pi_v<Extended>);
        for (int k = a; k <= b; ++k) {
            const Extended u = (k - mu) / s;
            const Extended e = -(u * u) / 2;
            // Below about -11399 exp gives exactly 0 (beyond the smallest subnormal), and the
            // library's underflow path is slow: the same 0 without calling it.
            if (e < Exponent_unterlaeuft) continue;
            summe += std::exp(e) / h;
        }
    }
    // The density sum exceeds 1 when the variance is small (p close to 1), and a sum of
    // probabilities can end some ulps above 1: the result is a probability.
    return std::clamp(summe, Extended{0}, Extended{1});
}

Extended Annahmewahrscheinlichkeit(const Zustand& z, Extended p)
{
    const Annahmebereich A = Annahmebereich_bestimmen(z);
    return Binomialsumme(z, A.A_links, A.A_rechts, p);
}
