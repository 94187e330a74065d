// Random valid inputs, as the input fields let them through: whatever the combination, the
// state stays finite and every probability stays a probability.

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Konfidenzintervall.h"
#include "analysis/Verteilungszeile.h"

#include "Analysezustand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

using Zufall = std::mt19937_64;

int Ganz(Zufall& g, int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(g); }

long double Wahrscheinlichkeit(Zufall& g) {
    switch (Ganz(g, 0, 7)) {
    case 0:
        return 0;
    case 1:
        return 1;
    case 2:
        return std::uniform_real_distribution<long double>(0, 0.04L)(g);
    default:
        return std::uniform_real_distribution<long double>(0, 1)(g);
    }
}

long double Niveau(Zufall& g) {
    switch (Ganz(g, 0, 5)) {
    case 0:
        return 0;
    case 1:
        return 100;
    default:
        return std::uniform_real_distribution<long double>(0, 100)(g);
    }
}

// A hypergeometric row as Edit_M/Edit_N accept it: M < N, N >= n, N up to 2^31 − 1, and p = M/N.
void Population(Zufall& g, int n, int& M, int& N, long double& p) {
    const long double log_N =
        std::uniform_real_distribution<long double>(std::log(static_cast<long double>(n)), std::log(2147483647.0L))(g);
    N = static_cast<int>(std::clamp(std::exp(log_N), static_cast<long double>(n), 2147483647.0L));
    N = std::max(N, 1);
    M = std::uniform_int_distribution<int>(0, N - 1)(g);
    p = static_cast<long double>(M) / N;
}

bool Endlich(const Zustand& z) {
    for (long double v : {z.p0, z.p1, z.p2, z.Pmax, z.Alfali, z.Alfare, z.mue0, z.mue1, z.mue2, z.sigma0, z.sigma1,
                          z.sigma2, z.Sigmafaktor, z.Umgebung, z.Umgebung_li, z.Umgebung_re}) {
        if (!std::isfinite(v)) return false;
    }
    for (const Wertefeld* t : {&z.P0_Tabelle, &z.P1_Tabelle, &z.P2_Tabelle, &z.P0_kumuliert, &z.P0_Rest}) {
        for (long double v : *t) {
            if (!std::isfinite(v)) return false;
        }
    }
    return true;
}

bool Zahlentext(const std::string& t) {
    return t.find("nan") == std::string::npos && t.find("inf") == std::string::npos &&
           t.find("-0,00") == std::string::npos;
}

TEST(Eigenschaften, Zufaellige_gueltige_Eingaben) {
    // Every table value is the exact probability correctly rounded, so never above 1; the
    // running sums are held at 1 by the recomputation itself. Both are checked exactly.
    const long double Einzelwert_hoechstens = 1;

    Zufall g(0x51a7e5u);
    for (int lauf = 0; lauf < 160; ++lauf) {
        Zustand z;
        Startwerte_setzen(z);
        // Large n is what costs time; a quarter of the runs covers the full range.
        z.n = Ganz(g, 0, 3) == 0 ? Ganz(g, 1, 4000) : Ganz(g, 1, 600);
        const int n = z.n;
        Schalter s;
        s.Verteilung_p0 = Ganz(g, 0, 3);
        s.Verteilung_p1 = Ganz(g, 0, 3);
        s.Verteilung_p2 = Ganz(g, 0, 3);
        s.p1_zeichnen = Ganz(g, 0, 3) != 0;
        s.p2_zeichnen = Ganz(g, 0, 3) != 0;
        s.Vertrauensintervall_berechnen = Ganz(g, 0, 3) == 0;
        for (int i = 0; i < 3; ++i) {
            const Verteilungszeile r = Zeile_von(z, i);
            if (Art_von(s, i) == vaHypergeo) {
                Population(g, n, r.M, r.N, r.p);
            } else {
                r.p = Wahrscheinlichkeit(g);
            }
        }
        z.k1 = Ganz(g, 0, n);
        z.k2 = Ganz(g, z.k1, n);
        z.x = Ganz(g, 0, n);
        z.Alfali = Niveau(g);
        z.Alfare = Niveau(g);
        z.Sigmafaktor = std::uniform_real_distribution<long double>(0, 7)(g);

        const std::string fall = "Lauf " + std::to_string(lauf) + ", n = " + std::to_string(n) + ", Arten " +
                                 std::to_string(s.Verteilung_p0) + std::to_string(s.Verteilung_p1) +
                                 std::to_string(s.Verteilung_p2);
        SCOPED_TRACE(fall);

        const Berechnungstexte t = Alles_berechnen(z, s);
        for (const std::string* text : {&t.Edit_kli, &t.Edit_kre, &t.Intervall.Label_Intervallwahrscheinlichkeit,
                                        &t.Intervall.Label_Intervallwahrscheinlichkeit2}) {
            EXPECT_TRUE(Zahlentext(*text)) << *text;
        }
        if (s.Vertrauensintervall_berechnen) {
            EXPECT_TRUE(Zahlentext(t.Edit_p0)) << t.Edit_p0;
            EXPECT_TRUE(Zahlentext(t.Label_Vertrauensintervall_ausgeben)) << t.Label_Vertrauensintervall_ausgeben;
        }
        ASSERT_TRUE(Endlich(z));

        const Wertefeld* tabellen[] = {&z.P0_Tabelle, s.p1_zeichnen ? &z.P1_Tabelle : nullptr,
                                       s.p2_zeichnen ? &z.P2_Tabelle : nullptr};
        for (const Wertefeld* tabelle : tabellen) {
            if (!tabelle) continue;
            for (int k = 0; k <= n; ++k) {
                ASSERT_GE((*tabelle)[k], 0) << k;
                ASSERT_LE((*tabelle)[k], Einzelwert_hoechstens) << k;
            }
        }
        for (int k = 0; k <= n; ++k) {
            ASSERT_GE(z.P0_kumuliert[k], k > 0 ? z.P0_kumuliert[k - 1] : 0) << k;
            ASSERT_LE(z.P0_kumuliert[k], 1) << k;
            ASSERT_GE(z.P0_Rest[k], 0) << k;
            ASSERT_LE(z.P0_Rest[k], 1) << k;
        }
        EXPECT_GE(z.kli, -1);
        EXPECT_LE(z.kli, n);
        EXPECT_GE(z.kre, 0);
        EXPECT_LE(z.kre, n + 2);
        EXPECT_GE(z.Umgebung_li, 0);
        EXPECT_LE(z.Umgebung_li, z.Umgebung_re);
        EXPECT_LE(z.Umgebung_re, n);
        EXPECT_GE(z.Pmax, 0);

        Testart_setzen(z);
        EXPECT_LE(z.Test_links + z.Test_rechts + z.Test_beidseitig, 1);
        const long double alfa = Alfa_Fehler_erreicht(z);
        EXPECT_TRUE(std::isfinite(alfa));
        EXPECT_GE(alfa, 0);
        EXPECT_LE(alfa, 200);
        for (long double q : {z.p0, z.p1, Wahrscheinlichkeit(g)}) {
            const long double beta = Annahmewahrscheinlichkeit(z, q);
            EXPECT_GE(beta, 0);
            EXPECT_LE(beta, 1);
        }
        ASSERT_TRUE(Endlich(z));
    }
}

}  // namespace
