#include "analysis/Stichproben.h"

#include "analysis/Ablehnungsbereich.h"

#include "Analysezustand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// The state at the start values with row 0 replaced: kind, n, p0 (M0, N0 for the urn) and the
// two levels; regions and test kind recomputed as after an entry.
Zustand Zustand_mit(int Art, int n, long double p0, int M0, int N0, long double Alfali, long double Alfare,
                    Schalter& s) {
    Zustand z;
    Startwerte_setzen(z);
    z.n = z.k2 = n;
    z.p0 = p0;
    z.M0 = M0;
    z.N0 = N0;
    z.Alfali = Alfali;
    z.Alfare = Alfare;
    s.Verteilung_p0 = Art;
    Alles_berechnen(z, s);
    Testart_setzen(z);
    return z;
}

struct Anpassungsfall {
    const char* name;
    int Art, n;
    long double p;
    int M, N;
    std::uint64_t Startwert;
    int Freiheitsgrade;
    double kritisch;  // chi-square quantile 0.999 at these degrees of freedom
};

// 10^6 samples against the exact table (and the mass beyond n): adjacent cells are pooled
// until each expects at least 5. Critical values: tools/referenz/chi_quadrat.py (mpmath).
const Anpassungsfall anpassungsfaelle[] = {
    {"Binomial_4000", vaBinomial, 4000, 0.3L, 0, 0, 11, 240, 313.436899},
    {"Hypergeometrisch_Traeger_ab_10", vaHypergeo, 30, 0.8L, 80, 100, 12, 14, 36.123274},
    {"Poisson_13_Prozent_ueber_n", vaPoisson, 20, 0.8L, 0, 0, 13, 19, 43.820196},
    {"Geometrisch_ueber_n", vaGeometr, 40, 0.1L, 0, 0, 14, 40, 73.401958},
};

class Anpassung : public testing::TestWithParam<Anpassungsfall> {};

TEST_P(Anpassung, Chi_Quadrat_auf_dem_Niveau_ein_Promille) {
    const Anpassungsfall& f = GetParam();
    Schalter s;
    const Zustand z = Zustand_mit(f.Art, f.n, f.p, f.M, f.N, 0, 0, s);
    constexpr long long m = 1000000;
    const Stichprobenergebnis e = Stichproben_ziehen(Ziehung_der_Zeile(z, s, 0), {-1, f.n + 1, f.n}, m, f.Startwert);

    std::vector<long double> t(f.n + 1);
    const long double jenseits = Verteilungstabelle(t, f.Art, f.n, f.p, f.M, f.N);
    t.push_back(jenseits);
    std::vector<long long> beobachtet = e.Haeufigkeit;
    beobachtet.push_back(e.ueber_n);

    // Pools of adjacent cells as (expected, observed); the rest at the top that stays below 5
    // joins the pool before it.
    std::vector<std::pair<long double, long double>> Zellen;
    bool offen = false;
    for (std::size_t k = 0; k < t.size(); ++k) {
        // A value the table gives no chance is never drawn, pooled or not.
        if (t[k] == 0) {
            EXPECT_EQ(beobachtet[k], 0) << "k = " << k;
        }
        if (!offen) Zellen.push_back({0, 0});
        Zellen.back().first += m * t[k];
        Zellen.back().second += beobachtet[k];
        offen = Zellen.back().first < 5;
    }
    if (offen && Zellen.size() > 1) {
        Zellen[Zellen.size() - 2].first += Zellen.back().first;
        Zellen[Zellen.size() - 2].second += Zellen.back().second;
        Zellen.pop_back();
    }
    long double chi2 = 0;
    for (const auto& [erwartet, gezaehlt] : Zellen) chi2 += (gezaehlt - erwartet) * (gezaehlt - erwartet) / erwartet;
    const int Freiheitsgrade = static_cast<int>(Zellen.size()) - 1;
    EXPECT_EQ(Freiheitsgrade, f.Freiheitsgrade);
    EXPECT_LT(chi2, f.kritisch);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Anpassung, testing::ValuesIn(anpassungsfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// The start values: binomial, n = 20, p0 = 0,8, levels 5 / 5, so kli = 12, kre = 20 and the α
// reached is 4,36718781269436 % (exact sum in Python's fractions module).
TEST(Stichproben, Startwert_1_im_Startzustand) {
    const Zustand z = Startzustand();
    const Ziehung d = Ziehung_der_Zeile(z, Schalter{}, 0);
    const Ablehnungsgrenzen g = Ablehnungsgrenzen_von(z);
    const Stichprobenergebnis e = Stichproben_ziehen(d, g, 10000, 1);

    // Pinned: the counts of the machine this was written on (x86-64, g++ 12), which
    // tools/referenz/stichproben.py finds too, from the generator's definition and exact
    // fractions. Generator and inversion are the program's own: every machine draws these.
    EXPECT_EQ(e.in_V, 411);
    EXPECT_EQ(e.in_A, 9589);
    EXPECT_EQ(e.Haeufigkeit[12], 197);
    EXPECT_EQ(e.Haeufigkeit[16], 2277);
    EXPECT_EQ(e.Haeufigkeit[20], 124);

    // The same seed again, counted one by one as an animation counts: the same counts.
    Stichprobenergebnis einzeln = Leeres_Stichprobenergebnis(z.n);
    std::mt19937_64 Generator(1);
    for (int i = 0; i < 10000; ++i) Stichprobe_zaehlen(einzeln, g, d.ziehen(Generator));
    EXPECT_EQ(einzeln.Haeufigkeit, e.Haeufigkeit);
    EXPECT_EQ(einzeln.in_V, e.in_V);
    EXPECT_EQ(einzeln.m, 10000);

    const long double alfa = 0.0436718781269436L;
    const Simulationsrate r = Simulationsrate_berechnen(e, d, g);
    EXPECT_NEAR(r.Rate / 100, alfa, 4 * std::sqrt(alfa * (1 - alfa) / 10000));
    EXPECT_NEAR(r.exakt, 100 * alfa, 100 * alfa * 1e-14L);
    // The score interval with z = 1,96 around 411 / 10000 (tools/referenz/stichproben.py).
    EXPECT_NEAR(r.unten, 3.738195962423L, 1e-9L);
    EXPECT_NEAR(r.oben, 4.517048702786L, 1e-9L);

    // Stopped before the first sample: no NaN, and an interval that claims nothing.
    const Simulationsrate leer = Simulationsrate_berechnen(Leeres_Stichprobenergebnis(z.n), d, g);
    EXPECT_EQ(leer.Rate, 0);
    EXPECT_EQ(leer.unten, 0);
    EXPECT_EQ(leer.oben, 100);
}

struct Wertfall {
    const char* name;
    int Art, n;
    long double p0, Alfali, Alfare;
    int Zeile;  // drawn from: 0 = H0, 1 = p1 (0,6, binomial)
};

// Where the rows put mass beyond n, it counts in V only with a right region.
const Wertfall wertfaelle[] = {
    // P0(X > 20) = 4,8 % for mu = 14 lies in the right region 20..n and beyond.
    {"H0_Poisson_rechts", vaPoisson, 20, 0.7L, 0, 10, 0},
    // P0(X > 20) = 0,9^20 = 12 % of the geometric kind is accepted by a left-sided test.
    {"H0_geometrisch_links", vaGeometr, 20, 0.1L, 20, 0, 0},
    // p0 = 0: the first success never comes, every value lies beyond n; α reached is 0.
    {"H0_geometrisch_p_null", vaGeometr, 20, 0, 5, 5, 0},
    {"Macht_bei_p1", vaBinomial, 20, 0.8L, 5, 5, 1},
    // V = {0}: P0(X = 0) = 0,9^20 = 12 %.
    {"H0_links_nur_null", vaBinomial, 20, 0.1L, 15, 0, 0},
};

class Exakter_Wert : public testing::TestWithParam<Wertfall> {};

// The exact value beside the rate is the figure the information box shows (α reached from
// H0, 1 − β from p1), and 10 000 samples meet it within four standard errors.
TEST_P(Exakter_Wert, Wie_die_Infobox_und_von_der_Rate_getroffen) {
    const Wertfall& f = GetParam();
    Schalter s;
    s.p1_zeichnen = true;
    const Zustand z = Zustand_mit(f.Art, f.n, f.p0, 80, 100, f.Alfali, f.Alfare, s);
    const long double Infobox = f.Zeile == 0 ? Alfa_Fehler_erreicht(z) : 100 - 100 * Annahmewahrscheinlichkeit(z, z.p1);
    const Ziehung d = Ziehung_der_Zeile(z, s, f.Zeile);
    const Ablehnungsgrenzen g = Ablehnungsgrenzen_von(z);
    constexpr long long m = 10000;
    const Simulationsrate r = Simulationsrate_berechnen(Stichproben_ziehen(d, g, m, 7), d, g);
    // 1 − P(X <= k) costs a few ulps of 1.
    EXPECT_NEAR(r.exakt, Infobox, 100 * 8 * eps);
    const long double a = r.exakt / 100;
    EXPECT_NEAR(r.Rate / 100, a, 4 * std::sqrt(a * (1 - a) / m));
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Exakter_Wert, testing::ValuesIn(wertfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
