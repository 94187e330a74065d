#include "analysis/Berechnung.h"

#include "analysis/Ablehnungsbereich.h"

#include "Analysezustand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// Reference values: exact binomial sums in Python's fractions module, and closed forms
// (sqrt(20·0.8·0.2), 16 ± 1.96·sqrt(3.2)) evaluated in double precision.
TEST(Berechnung, Startwerte_und_ihre_Neuberechnung) {
    Zustand z;
    Startwerte_setzen(z);
    EXPECT_EQ(z.p2, 0.3L);
    const Berechnungstexte t = Alles_berechnen(z, Schalter{});
    EXPECT_NEAR(z.mue0, 16.0L, 16 * 4 * eps);
    EXPECT_NEAR(z.sigma0, 1.788854381999832L, 1.78885L * sechs_Stellen);
    EXPECT_NEAR(z.Pmax, 0.21819940194610052L, 0.218199L * sechs_Stellen);
    EXPECT_EQ(z.Pmax, z.P0_Tabelle[16]);
    EXPECT_NEAR(z.Umgebung_li, 12.49384541128033L, 12.4938L * sechs_Stellen);
    EXPECT_NEAR(z.Umgebung_re, 19.50615458871967L, 19.5062L * sechs_Stellen);
    EXPECT_EQ(z.kli, 12);
    EXPECT_EQ(z.kre, 20);
    EXPECT_EQ(t.Edit_kli, "12");
    EXPECT_EQ(t.Edit_kre, "20");
    EXPECT_EQ(t.Intervall.Label_Intervallwahrscheinlichkeit, "P=100,00%");
    EXPECT_EQ(t.Intervall.Label_Intervallwahrscheinlichkeit2, "P=98,85%");
    // The running sums of a full binomial table; P0(X >= 20) is summed from the top, so it is
    // the last entry itself.
    EXPECT_NEAR(z.P0_kumuliert[20], 1.0L, 2 * eps);
    EXPECT_EQ(z.P0_Rest[0], 1.0L);
    EXPECT_EQ(z.P0_Rest[20], z.P0_Tabelle[20]);
}

TEST(Berechnung, Gleiche_Grenzen_k1_k2) {
    Zustand z;
    Startwerte_setzen(z);
    z.k1 = 16;
    z.k2 = 16;
    const Berechnungstexte t = Alles_berechnen(z, Schalter{});
    EXPECT_EQ(t.Intervall.Label_Intervallwahrscheinlichkeit2, "P=0,00%");
    // P0(X = 16) = 0.218199... (exact binomial value)
    EXPECT_EQ(t.Intervall.Label_Intervallwahrscheinlichkeit, "P=21,82%");
    EXPECT_EQ(z.Pmax, z.P0_Tabelle[16]);
}

TEST(Berechnung, Linke_Umgebungsgrenze_nicht_negativ) {
    Zustand z;
    Startwerte_setzen(z);
    z.p0 = 0.1L;
    Alles_berechnen(z, Schalter{});
    EXPECT_EQ(z.Umgebung_li, 0.0L);
    // 2 + 1.96·sqrt(1.8), closed form
    EXPECT_NEAR(z.Umgebung_re, 4.629615941539752L, 4.62962L * sechs_Stellen);
}

TEST(Berechnung, Geometrisch_abgeschnitten_bei_n) {
    Zustand z;
    Startwerte_setzen(z);
    z.p0 = 0.3L;
    Schalter s;
    s.Verteilung_p0 = vaGeometr;
    Alles_berechnen(z, s);
    EXPECT_EQ(z.P0_Tabelle[0], 0.0L);
    EXPECT_NEAR(z.mue0, 10.0L / 3, 10 * eps);
    EXPECT_NEAR(z.sigma0, 2.7888667551135855L, 2.78887L * sechs_Stellen);  // sqrt(0.7)/0.3
    EXPECT_NEAR(z.P0_kumuliert[20], 0.9992020773370239L, sechs_Stellen);   // 1 − 0.7^20
}

TEST(Berechnung, Hypergeometrisch_Momente) {
    Zustand z;
    Startwerte_setzen(z);
    Schalter s;
    s.Verteilung_p0 = vaHypergeo;
    Alles_berechnen(z, s);
    EXPECT_NEAR(z.mue0, 16.0L, 16 * 4 * eps);
    // sqrt(16·0.2·80/99)
    EXPECT_NEAR(z.sigma0, 1.6080605044147394L, 1.60806L * sechs_Stellen);
}

TEST(Berechnung, Zweite_Verteilung_mit_p_null_zaehlt_nicht_fuer_Pmax) {
    Zustand z;
    Startwerte_setzen(z);
    z.p1 = 0;
    Schalter s;
    s.p1_zeichnen = true;
    Alles_berechnen(z, s);
    EXPECT_EQ(z.P1_Tabelle[0], 1.0L);
    EXPECT_EQ(z.Pmax, z.P0_Tabelle[16]);

    z.p1 = 0.05L;
    Alles_berechnen(z, s);
    EXPECT_EQ(z.Pmax, z.P1_Tabelle[1]);  // 0.377354 beats 0.218199
}

// The edges where a formula divides by zero or takes ln 0. Each distribution is then
// concentrated on one point (or, geometric p = 0, on none within the table): the moments
// are the chosen finite values.
struct Randfall {
    const char* name;
    int Art;
    int n;
    long double p;
    int M;
    int N;
    long double mue;
    long double sigma;
    int Einspunkt;  // k with P = 1, -1 for an all-zero table, -2 for a spread table
};

const Randfall randfaelle[] = {
    {"Geometrisch_p_null", vaGeometr, 20, 0.0L, 0, 1, 20.0L, 0.0L, -1},
    {"Geometrisch_p_winzig", vaGeometr, 20, 1e-4940L, 0, 1, 20.0L, 0.0L, -2},
    // 1/p is finite, but 7 sigma is not: treated like p = 0.
    {"Geometrisch_p_4E_4932", vaGeometr, 20, 4e-4932L, 0, 1, 20.0L, 0.0L, -2},
    {"Geometrisch_p_eins", vaGeometr, 20, 1.0L, 0, 1, 1.0L, 0.0L, 1},
    {"Geometrisch_p_eins_n_eins", vaGeometr, 1, 1.0L, 0, 1, 1.0L, 0.0L, 1},
    {"Poisson_p_null", vaPoisson, 20, 0.0L, 0, 1, 0.0L, 0.0L, 0},
    {"Hypergeo_N_eins", vaHypergeo, 1, 0.0L, 0, 1, 0.0L, 0.0L, 0},
    {"Hypergeo_alles_markiert", vaHypergeo, 5, 0.0L, 9, 10, 4.5L, 0.5L, -2},
    {"Binomial_p_eins", vaBinomial, 20, 1.0L, 0, 1, 20.0L, 0.0L, 20},
};

class Randfaelle : public testing::TestWithParam<Randfall> {};

TEST_P(Randfaelle, Endliche_Momente_und_Tabelle) {
    const Randfall& f = GetParam();
    Zustand z;
    Startwerte_setzen(z);
    z.n = f.n;
    z.k2 = f.n;
    z.p0 = f.p;
    z.M0 = f.M;
    z.N0 = f.N;
    Schalter s;
    s.Verteilung_p0 = f.Art;
    Alles_berechnen(z, s);
    EXPECT_EQ(z.mue0, f.mue);
    // Hypergeo 9 of 10: sigma² = 4.5·(1/10)·(10−5)/(10−1) = 0.25, closed form; 1 − 9/10
    // is inexact in binary.
    EXPECT_NEAR(z.sigma0, f.sigma, 4 * eps);
    for (int k = 0; k <= f.n; ++k) {
        ASSERT_TRUE(std::isfinite(z.P0_Tabelle[k])) << k;
        if (f.Einspunkt >= 0) {
            EXPECT_EQ(z.P0_Tabelle[k], k == f.Einspunkt ? 1 : 0) << k;
        } else if (f.Einspunkt == -1) {
            EXPECT_EQ(z.P0_Tabelle[k], 0.0L) << k;
        }
    }
    EXPECT_GE(z.Umgebung_li, 0);
    EXPECT_LE(z.Umgebung_re, f.n);
    EXPECT_LE(z.Umgebung_li, z.Umgebung_re);
    EXPECT_TRUE(std::isfinite(z.Pmax));
    if (f.Einspunkt >= 0) {
        EXPECT_EQ(z.Pmax, 1);  // the scale reaches the one bar
    }
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Randfaelle, testing::ValuesIn(randfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Berechnung, Population_kleiner_als_n_gibt_sigma_null) {
    Zustand z;
    Startwerte_setzen(z);
    z.M0 = 3;
    z.N0 = 10;  // n = 20 > N: only reachable when a kind changes before n is checked again
    Schalter s;
    s.Verteilung_p0 = vaHypergeo;
    Alles_berechnen(z, s);
    EXPECT_EQ(z.sigma0, 0.0L);
    EXPECT_EQ(z.P0_kumuliert[20], 0.0L);
}

TEST(Berechnung, Umgebung_bleibt_auf_der_Achse) {
    Zustand z;
    Startwerte_setzen(z);
    z.p0 = 0.01L;  // geometric mean 100, far beyond n = 20
    z.Sigmafaktor = 0;
    Schalter s;
    s.Verteilung_p0 = vaGeometr;
    Alles_berechnen(z, s);
    EXPECT_EQ(z.Umgebung_li, 20.0L);
    EXPECT_EQ(z.Umgebung_re, 20.0L);
}

TEST(Berechnung, Ohne_gewaehlte_Art_bleibt_alles_stehen) {
    Zustand z = Startzustand();
    const Zustand vorher = z;
    z.p0 = 0.5L;
    Schalter s;
    s.Verteilung_p0 = -1;
    Verteilung_berechnen(z, s, 0);
    EXPECT_EQ(z.P0_Tabelle, vorher.P0_Tabelle);
    EXPECT_EQ(z.P0_kumuliert, vorher.P0_kumuliert);
    EXPECT_EQ(z.P0_Rest, vorher.P0_Rest);
    EXPECT_EQ(z.mue0, vorher.mue0);
    EXPECT_EQ(z.sigma0, vorher.sigma0);
    s.Verteilung_p0 = 4;
    Verteilung_berechnen(z, s, 0);
    EXPECT_EQ(z.P0_Tabelle, vorher.P0_Tabelle);
}

// A single value walks the table's recurrence from the table's seed: every entry of every kind
// is bit for bit the single value, which Pmax and the explorations' scales rely on.
TEST(Berechnung, Tabellen_gleich_den_Einzelwerten) {
    Zustand z;
    Startwerte_setzen(z);
    z.n = 4000;
    z.k2 = 4000;
    z.p0 = 0.37L;
    z.p1 = 0.5L;
    z.M2 = 1234567;
    z.N2 = 2147483647;
    Schalter s;
    s.p1_zeichnen = true;
    s.p2_zeichnen = true;
    s.Verteilung_p1 = vaPoisson;
    s.Verteilung_p2 = vaHypergeo;
    z.P2_Tabelle.fill(-1);
    Alles_berechnen(z, s);
    for (int k = 0; k <= 4000; ++k) {
        ASSERT_EQ(z.P0_Tabelle[k], Binomialverteilung(4000, k, 0.37L)) << k;
        ASSERT_EQ(z.P1_Tabelle[k], Poissonverteilung(k, 4000 * 0.5L)) << k;
        ASSERT_EQ(z.P2_Tabelle[k], Hypergeometrisch(4000, 1234567, 2147483647, k)) << k;
    }
}

TEST(Berechnung, Grenzen_ausserhalb_der_Tabelle_werden_gekappt) {
    Zustand z;
    Startwerte_setzen(z);
    z.k1 = 15;
    z.k2 = 40;  // left over from a larger n
    z.P0_Tabelle.fill(0.75L);
    z.P0_kumuliert.fill(0.75L);
    const Berechnungstexte t = Alles_berechnen(z, Schalter{});
    EXPECT_EQ(z.Pmax, z.P0_Tabelle[16]);
    // P0(15 <= X <= 20) from the exact binomial table: 80,42 %
    EXPECT_EQ(t.Intervall.Label_Intervallwahrscheinlichkeit, "P=80,42%");
}

}  // namespace

namespace {

// The same for binomial tables at small and odd n and at p = 0 and 1.
TEST(Berechnung, Binomialtabelle_bitgleich_mit_Einzelwerten) {
    Zustand z;
    Startwerte_setzen(z);
    for (int n : {1, 2, 3, 9, 20, 255, 1001}) {
        for (long double p : {0.0L, 1e-9L, 0.3L, 0.5L, 0.8L, 1 - 1e-9L, 1.0L}) {
            z.n = n;
            z.k2 = n;
            z.p0 = p;
            Alles_berechnen(z, Schalter{});
            for (int k = 0; k <= n; ++k) {
                ASSERT_EQ(z.P0_Tabelle[k], Binomialverteilung(n, k, p))
                    << "n = " << n << ", p = " << static_cast<double>(p) << ", k = " << k;
            }
        }
    }
}

struct Summenwert {
    int Art, n;
    double Parameter;
    int k;
    long double unten_hi, unten_lo, oben_hi, oben_lo;
};

// mpmath at 320 bits: P(X <= k) and P(X >= k) of the whole distribution, each as its nearest
// long double hi and the remainder lo (tools/referenz/tabellenwerte.py).
#include "tools/referenz/summenwerte.inc"

long double Fehler_in_ulp(long double ist, long double hi, long double lo) {
    if (hi == 0) return ist == 0 ? 0 : std::numeric_limits<long double>::infinity();
    int e = 0;
    std::frexp(hi, &e);
    return std::fabs((ist - hi) - lo) / std::ldexp(eps, e - 1);
}

// The running sums add correctly rounded entries exactly and round once: within 1.5 ulp of the
// exact sums (half an ulp from the last rounding, at most one from the entries'). P0_Rest is
// summed from the top and keeps that in the upper tail, down to 1e-1000 and beyond, where
// 1 − P0_kumuliert would be rounding only; for the Poisson and geometric rows it takes in
// the mass beyond n.
TEST(Berechnung, Laufende_Summen_auf_anderthalb_ulp) {
    Zustand z;
    Startwerte_setzen(z);
    for (const Summenwert& r : Summenwerte) {
        SCOPED_TRACE("kind " + std::to_string(r.Art) + ", n = " + std::to_string(r.n) + ", k = " + std::to_string(r.k));
        z.n = r.n;
        z.k2 = r.n;
        z.p0 = r.Art == vaPoisson ? r.Parameter / r.n : r.Parameter;
        if (r.Art == vaPoisson) {
            ASSERT_EQ(z.n * z.p0, r.Parameter);  // the reference's mean
        }
        Schalter s;
        s.Verteilung_p0 = r.Art;
        Alles_berechnen(z, s);
        EXPECT_LE(Fehler_in_ulp(z.P0_kumuliert[r.k], r.unten_hi, r.unten_lo), 1.5L);
        if (r.k > 0) {
            EXPECT_LE(Fehler_in_ulp(z.P0_Rest[r.k], r.oben_hi, r.oben_lo), 1.5L);
        }
    }
}

struct Gleichstand {
    const char* name;
    int n;
    long double p;
    int k;  // the level is exactly P0(X <= k) (left) or P0(X >= k) (right)
};

// p = 1/2, 1/4, 3/4, 1/8 at small n: every probability and every running sum is a dyadic
// fraction that a long double holds exactly, so a level typed as that fraction meets it. All
// but the first row were decided wrongly on at least one side while each entry was a product
// of rounded ratios (471 of the 2324 such ties with n up to 50, 27, 27, 18).
const Gleichstand gleichstaende[] = {
    {"Halb_n9_k0", 9, 0.5L, 0},         {"Halb_n14_k3", 14, 0.5L, 3},         {"Halb_n29_k5", 29, 0.5L, 5},
    {"Halb_n31_k20", 31, 0.5L, 20},     {"Viertel_n14_k3", 14, 0.25L, 3},     {"Viertel_n17_k6", 17, 0.25L, 6},
    {"Dreiviertel_n7_k3", 7, 0.75L, 3}, {"Dreiviertel_n12_k6", 12, 0.75L, 6}, {"Achtel_n16_k3", 16, 0.125L, 3},
    {"Achtel_n16_k6", 16, 0.125L, 6},
};

// P0(X <= k) and P0(X >= k) exactly, from integers: C(n, j) a^j b^(n−j) / d^n for p = a/d.
long double Exakt(const Gleichstand& f, bool unten) {
    const int d = f.p == 0.125L ? 8 : f.p == 0.5L ? 2 : 4;
    const auto a = static_cast<unsigned __int128>(f.p * d);
    const unsigned __int128 b = d - a;
    unsigned __int128 summe = 0;
    for (int j = unten ? 0 : f.k; j <= (unten ? f.k : f.n); ++j) {
        unsigned __int128 c = 1;  // C(n, j)
        for (int i = 0; i < j; ++i) c = c * (f.n - i) / (i + 1);
        for (int i = 0; i < j; ++i) c *= a;
        for (int i = j; i < f.n; ++i) c *= b;
        summe += c;
    }
    // The sum has at most 3n <= 64 significant bits here, so the conversion is exact.
    return std::ldexp(static_cast<long double>(summe), -f.n * (d == 8 ? 3 : d == 4 ? 2 : 1));
}

// The largest level in percent below the tie that the search tells apart from it: the left
// search compares a = level/100 with P0(X <= k), the right one b = 1 − level/100.
long double Knapp_darunter(long double x, bool rechts) {
    long double Niveau = 100 * x;
    while (rechts ? 1 - Niveau / 100 <= 1 - x : Niveau / 100 >= x) Niveau = std::nextafter(Niveau, 0.0L);
    return Niveau;
}

class Gleichstaende : public testing::TestWithParam<Gleichstand> {};

// A level equal to P0(X <= k) puts k into the left region, one just below leaves it out; a
// level equal to P0(X >= k) puts k into the right region.
TEST_P(Gleichstaende, Werden_genau_entschieden) {
    const Gleichstand& f = GetParam();
    Zustand z;
    Startwerte_setzen(z);
    z.n = f.n;
    z.k2 = f.n;
    z.p0 = f.p;
    const long double links = Exakt(f, true), rechts = Exakt(f, false);
    // 100 times the fraction is exact as well, and so is its division by 100.
    z.Alfali = 100 * links;
    z.Alfare = 100 * rechts;
    Alles_berechnen(z, Schalter{});
    EXPECT_EQ(z.P0_kumuliert[f.k], links);
    EXPECT_EQ(z.kli, f.k);
    EXPECT_EQ(z.kre, f.k);
    z.Alfali = Knapp_darunter(links, false);
    z.Alfare = Knapp_darunter(rechts, true);
    EXPECT_EQ(kli_berechnen(z), f.k - 1);
    EXPECT_EQ(kre_berechnen(z), f.k + 1);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Gleichstaende, testing::ValuesIn(gleichstaende),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
