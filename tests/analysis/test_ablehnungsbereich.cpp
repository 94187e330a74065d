#include "analysis/Ablehnungsbereich.h"

#include "Analysezustand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <limits>
#include <string>

namespace {

// Reference values: exact binomial sums of B(20; 0.8) in Python's fractions module.
TEST(Ablehnungsbereich, Startwerte_zweiseitig) {
    Zustand z = Startzustand();
    EXPECT_EQ(z.kli, 12);
    EXPECT_EQ(z.kre, 20);
    Testart_setzen(z);
    EXPECT_TRUE(z.Test_beidseitig);
    EXPECT_FALSE(z.Test_links);
    EXPECT_FALSE(z.Test_rechts);
    EXPECT_NEAR(Alfali_berechnen(z), 3.214266308087513L, 3.21427L * sechs_Stellen);
    EXPECT_NEAR(Alfare_berechnen(z), 1.152921504606847L, 1.15292L * sechs_Stellen);
    EXPECT_NEAR(Alfa_Fehler_erreicht(z), 4.36718781269436L, 4.36719L * sechs_Stellen);
    const Annahmebereich A = Annahmebereich_bestimmen(z);
    EXPECT_EQ(A.A_links, 13);
    EXPECT_EQ(A.A_rechts, 19);
}

struct Niveaufall {
    const char* name;
    int Art;
    long double p0;
    long double Alfali;
    long double Alfare;
    int kli;
    int kre;
};

// n = 20 throughout.
const Niveaufall niveaufaelle[] = {
    {"Kein_linker_Bereich", vaBinomial, 0.8L, 0, 5, -1, 20},
    {"Kein_rechter_Bereich", vaBinomial, 0.8L, 5, 0, 12, 21},
    {"Alles_links", vaBinomial, 0.8L, 100, 0, 20, 21},
    {"Alles_rechts", vaBinomial, 0.8L, 0, 100, -1, 0},
    // P0(X = 0) = 0.9^20 = 0.1216 >= 0.05: the downward scan runs out at -1.
    {"Abwaertssuche_bis_minus_eins", vaBinomial, 0.1L, 0, 95, -1, 1},
    // Poisson cut off at n sums to 0.868 < 0.95: the scan stops at once, kre = n + 2.
    {"Rechts_abgeschnittene_Summe", vaPoisson, 0.8L, 0, 5, -1, 22},
    // P0(X = 0) = 0: a level of 0 still leaves no left region, and 100 % takes in k = 0.
    {"Geometrisch_alles_rechts", vaGeometr, 0.5L, 0, 100, -1, 0},
    // P0(X <= 19) = 1 - 10^-20 rounds to 1 already: a level of 0 still leaves no right region.
    {"Kein_rechter_Bereich_Summe_vor_n_eins", vaBinomial, 0.1L, 0, 0, -1, 21},
};

class Niveaus : public testing::TestWithParam<Niveaufall> {};

TEST_P(Niveaus, Grenzen_aus_den_Niveaus) {
    const Niveaufall& f = GetParam();
    Zustand z;
    Startwerte_setzen(z);
    z.p0 = f.p0;
    z.Alfali = f.Alfali;
    z.Alfare = f.Alfare;
    Schalter s;
    s.Verteilung_p0 = f.Art;
    const Berechnungstexte t = Alles_berechnen(z, s);
    EXPECT_EQ(z.kli, f.kli);
    EXPECT_EQ(z.kre, f.kre);
    EXPECT_EQ(t.Edit_kli, std::to_string(f.kli));
    EXPECT_EQ(t.Edit_kre, std::to_string(f.kre));
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Niveaus, testing::ValuesIn(niveaufaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Ablehnungsbereich, Niveau_gleich_Tabellenwert_gehoert_zum_Bereich) {
    // B(2; 0.5) is exact in binary: 0.25, 0.75, 1.
    Zustand z;
    Startwerte_setzen(z);
    z.n = 2;
    z.k2 = 2;
    z.p0 = 0.5L;
    z.Alfali = 25;
    z.Alfare = 25;
    Alles_berechnen(z, Schalter{});
    EXPECT_EQ(z.P0_kumuliert[0], 0.25L);
    EXPECT_EQ(z.kli, 0);
    EXPECT_EQ(z.kre, 2);
}

TEST(Ablehnungsbereich, Ohne_Test_ist_alles_Annahme) {
    Zustand z;
    Startwerte_setzen(z);
    z.Alfali = 0;
    z.Alfare = 0;
    Alles_berechnen(z, Schalter{});
    Testart_setzen(z);
    EXPECT_FALSE(z.Test_links || z.Test_rechts || z.Test_beidseitig);
    EXPECT_EQ(Alfa_Fehler_erreicht(z), 0.0L);
    const Annahmebereich A = Annahmebereich_bestimmen(z);
    EXPECT_EQ(A.A_links, 0);
    EXPECT_EQ(A.A_rechts, 20);
    for (long double p : {0.0L, 0.3L, 0.8L, 1.0L}) {
        EXPECT_NEAR(Annahmewahrscheinlichkeit(z, p), 1.0L, 21 * eps) << static_cast<double>(p);
    }
}

TEST(Ablehnungsbereich, Getippte_Grenzen_lesen_nur_die_Tabelle) {
    Zustand z = Startzustand();
    // Stale entries beyond n must never be read.
    z.P0_kumuliert[21] = 0.5L;
    z.P0_kumuliert[22] = 0.5L;
    z.kli = 22;
    EXPECT_EQ(Alfali_berechnen(z), 100 * z.P0_kumuliert[20] > 100 ? 100 : 100 * z.P0_kumuliert[20]);
    EXPECT_GT(z.Alfali, 99.99L);

    // No region typed: the level shown, 0, is the level stored, and the next recomputation
    // finds no region either.
    z.kli = -1;
    z.Alfali = 7;
    EXPECT_EQ(Alfali_berechnen(z), 0.0L);
    EXPECT_EQ(z.Alfali, 0.0L);
    EXPECT_EQ(kli_berechnen(z), -1);

    z.kre = 21;
    z.Alfare = 3;
    EXPECT_EQ(Alfare_berechnen(z), 0.0L);
    EXPECT_EQ(z.Alfare, 0.0L);
    EXPECT_EQ(kre_berechnen(z), 21);
    z.kre = 0;
    EXPECT_EQ(Alfare_berechnen(z), 100.0L);
    z.kre = -5;
    EXPECT_EQ(Alfare_berechnen(z), 100.0L);
}

TEST(Ablehnungsbereich, Niveau_aus_Summe_knapp_ueber_eins_bleibt_in_0_bis_100) {
    Zustand z = Startzustand();
    z.P0_kumuliert[20] = 1 + 8 * eps;
    z.P0_kumuliert[19] = 1 + 4 * eps;
    z.kli = 20;
    z.kre = 20;
    EXPECT_EQ(Alfali_berechnen(z), 100.0L);
    EXPECT_EQ(Alfare_berechnen(z), 0.0L);
}

TEST(Ablehnungsbereich, Ueberlappende_Bereiche_leere_Annahme) {
    Zustand z = Startzustand();
    z.kli = 15;
    z.kre = 16;  // kli = kre − 1: A = [16; 15]
    Testart_setzen(z);
    EXPECT_TRUE(z.Test_beidseitig);
    EXPECT_EQ(Annahmewahrscheinlichkeit(z, 0.8L), 0.0L);
    z.kli = 18;
    EXPECT_EQ(Annahmewahrscheinlichkeit(z, 0.5L), 0.0L);
}

TEST(Ablehnungsbereich, Einseitige_Annahmebereiche) {
    Zustand z = Startzustand();
    z.kre = 21;
    Testart_setzen(z);
    EXPECT_TRUE(z.Test_links);
    EXPECT_EQ(Annahmebereich_bestimmen(z).A_links, 13);
    EXPECT_EQ(Annahmebereich_bestimmen(z).A_rechts, 20);
    EXPECT_EQ(Alfa_Fehler_erreicht(z), Alfali_berechnen(z));

    z.kli = -1;
    z.kre = 20;
    Testart_setzen(z);
    EXPECT_TRUE(z.Test_rechts);
    EXPECT_EQ(Annahmebereich_bestimmen(z).A_links, 0);
    EXPECT_EQ(Annahmebereich_bestimmen(z).A_rechts, 19);
    // β at p = 0.8 is 1 − P0(X = 20) = 1 − 0.8^20 (exact binomial)
    EXPECT_NEAR(Annahmewahrscheinlichkeit(z, 0.8L), 0.98847078495393153L, 21 * eps);
}

struct Summenfall {
    const char* name;
    int n;
    long double p;
    int a;
    int b;
    long double wert;
};

// Reference sums: mpmath at 400 bits, the exact sum of math.comb(n, k) p^k (1 − p)^(n − k) with
// p the long double that the literal gives. Every n sums exact binomial terms, to 2^-70.
const Summenfall summenfaelle[] = {
    {"Exakt_bei_200", 200, 0.03L, 0, 5, 0.4432292123284080342054833L},
    {"Exakt_bei_201", 201, 0.03L, 0, 5, 0.4383617228206172151890617L},
    {"Exakt_bei_201_p_004", 201, 0.04L, 3, 11, 0.8775122707680244977233653L},
    // The info box's β at n = 2000, p0 = 0,3, kli = 559, kre = 641, p1 = 0,32: 51,07 %.
    {"Beta_bei_2000", 2000, 0.32L, 560, 640, 0.5106593617417327301691508L},
    {"Leerer_Bereich", 201, 0.5L, 7, 6, 0.0L},
    {"Bereich_ueber_n_gekappt", 20, 0.8L, 0, 25, 1.0L},
    {"Ganze_Verteilung_bei_4000", 4000, 0.039L, 0, 4000, 1.0L},
    {"p_null_mit_Null", 4000, 0.0L, 0, 3, 1.0L},
    {"p_null_ohne_Null", 4000, 0.0L, 1, 4000, 0.0L},
    {"p_eins_mit_n", 4000, 1.0L, 3999, 4000, 1.0L},
    {"p_eins_ohne_n", 4000, 1.0L, 0, 3999, 0.0L},
    {"Oberer_Schwanz", 4000, 0.039L, 1755, 4000, 5.159605327508743467902911e-1323L},
    {"Ferner_Schwanz", 4000, 0.3L, 3000, 3100, 3.700429790128381698981966e-749L},
    // p = 1 − 10^-12: a variance of 4·10^-9, all but 3·10^-91 of the mass on 3990..4000.
    {"Fast_sicher_mit_n", 4000, 1 - 1e-12L, 3990, 4000, 1.0L},
    {"Fast_sicher_ohne_n", 4000, 1 - 1e-12L, 0, 3990, 2.857242990959176643965184e-91L},
};

class Binomialsummen : public testing::TestWithParam<Summenfall> {};

TEST_P(Binomialsummen, Wert) {
    const Summenfall& f = GetParam();
    Zustand z;
    z.n = f.n;
    const long double s = Binomialsumme(z, f.a, f.b, f.p);
    EXPECT_LE(std::fabs(s - f.wert), 4 * eps * f.wert + 0x1p-70L) << static_cast<double>(s);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Binomialsummen, testing::ValuesIn(summenfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// A bound turned into a level gives that bound back, for every k of the table, also where
// the tails lie below the level's resolution (the level rounds to 0 or 100 there) and where
// neighbouring k reach the same level.
struct Tabellenfall {
    const char* name;
    int Art;
    int n;
    long double p;
    int M, N;
};

class Grenze_zurueck : public testing::TestWithParam<Tabellenfall> {};

TEST_P(Grenze_zurueck, Fuer_jedes_k_beider_Seiten) {
    const Tabellenfall& f = GetParam();
    Schalter s;
    s.Verteilung_p0 = f.Art;
    Zustand z;
    Startwerte_setzen(z);
    z.n = z.k2 = f.n;
    z.p0 = f.p;
    z.M0 = f.M;
    z.N0 = f.N;
    Alles_berechnen(z, s);
    for (int k = 0; k <= f.n; ++k) {
        z.kli = k;
        Alfali_berechnen(z);
        z.kre = k;
        Alfare_berechnen(z);
        // The bounds are what the recomputation recomputes; the whole of it now and then.
        if (k % 700 == 1) {
            Alles_berechnen(z, s);
        } else {
            kli_berechnen(z);
            kre_berechnen(z);
        }
        ASSERT_EQ(z.kli, k) << "Alfali " << static_cast<double>(z.Alfali);
        ASSERT_EQ(z.kre, k) << "Alfare " << static_cast<double>(z.Alfare);
    }
    // A level the user types is compared as it stands again.
    z.Alfali = 5;
    z.kli_Ursprung = kein_Ursprung;
    kli_berechnen(z);
    EXPECT_LE(Kumuliert(z, z.kli), 0.05L);
    EXPECT_GT(Kumuliert(z, z.kli + 1), 0.05L);
}

INSTANTIATE_TEST_SUITE_P(Tabellen, Grenze_zurueck,
                         testing::Values(Tabellenfall{"binomial_2000_0_3", vaBinomial, 2000, 0.3L, 0, 0},
                                         Tabellenfall{"binomial_60_ein_Sechstel", vaBinomial, 60, 1.0L / 6, 0, 0},
                                         Tabellenfall{"binomial_31_0_8", vaBinomial, 31, 0.8L, 0, 0},
                                         Tabellenfall{"binomial_4000_0_942", vaBinomial, 4000, 0.942L, 0, 0},
                                         Tabellenfall{"hypergeo_50_von_120", vaHypergeo, 50, 0.25L, 30, 120},
                                         Tabellenfall{"poisson_300_0_02", vaPoisson, 300, 0.02L, 0, 0},
                                         Tabellenfall{"geometrisch_200_0_1", vaGeometr, 200, 0.1L, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Where the regions overlap, the rejection region is their union: no k counts twice, the α
// error stays a probability and nothing is accepted.
TEST(Ablehnungsbereich, Ueberlappende_Bereiche_zaehlen_einmal) {
    Zustand z = Startzustand();
    z.kli = 16;
    z.kre = 16;
    Testart_setzen(z);
    const Alfa_Anteile a = Alfa_Fehler_Anteile(z);
    EXPECT_NEAR(a.links, 100 * z.P0_kumuliert[16], 1e-15L);
    EXPECT_NEAR(a.links + a.rechts, 100, 1e-15L);
    EXPECT_LE(Alfa_Fehler_erreicht(z), 100);
}

}  // namespace
