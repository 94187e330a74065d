#include "probability/Tabellen.h"
#include "probability/UStochastik.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Binomial_Tabellenwert {
    int n;
    double p;
    int k;
    long double hi, lo;
};
struct Hypergeo_Tabellenwert {
    int n, M, N, k;
    long double hi, lo;
};
struct Poisson_Tabellenwert {
    int n;
    double mu;
    int k;
    long double hi, lo;
};
struct Geometrisch_Tabellenwert {
    double p;
    int k;
    long double hi, lo;
};
struct Summenwert {
    int Art, n;
    double Parameter;
    int k;
    long double unten_hi, unten_lo, oben_hi, oben_lo;
};

// mpmath at 320 bits, each value as its nearest long double hi and the remainder lo
// (tools/referenz/tabellenwerte.py). The double inputs are exact long doubles.
#include "tools/referenz/tabellenwerte.inc"
#include "tools/referenz/summenwerte.inc"

constexpr long double eps = std::numeric_limits<long double>::epsilon();
constexpr long double Untergrenze = 1e-300L;
// Correctly rounded: half an ulp, and a near-tie within 2^-100 of a midpoint may round either
// way (probability/Tabellen.h).
constexpr long double Halbes_ulp = 0.5L + 0x1p-30L;

// The error of `ist` against hi + lo in units of the last place of hi, and relative to it.
struct Fehler {
    long double ulp = 0, relativ = 0;
};

Fehler Fehler_von(long double ist, long double hi, long double lo) {
    int e = 0;
    std::frexp(hi, &e);
    const long double ulp = std::ldexp(eps, e - 1);
    const long double d = std::fabs((ist - hi) - lo);  // ist − hi is exact where it matters
    return {d / ulp, d / hi};
}

// Holds one value to its reference and keeps the worst error seen.
struct Pruefer {
    const char* Art;
    Fehler Tabelle_groesster, Einzeln_groesster;

    void pruefe(long double ist, long double hi, long double lo, bool Tabelle, const std::string& fall) {
        ASSERT_TRUE(std::isfinite(ist) && ist >= 0) << fall;
        if (hi < Untergrenze) {
            if (hi == 0 && lo == 0) {
                EXPECT_EQ(ist, 0.0L) << fall;
            }
            EXPECT_LE(ist, Untergrenze) << fall;
            return;
        }
        const Fehler f = Fehler_von(ist, hi, lo);
        EXPECT_LE(f.ulp, Halbes_ulp) << fall << (Tabelle ? " (table)" : " (single)") << ": "
                                     << static_cast<double>(f.ulp) << " ulp";
        Fehler& g = Tabelle ? Tabelle_groesster : Einzeln_groesster;
        g.ulp = std::fmax(g.ulp, f.ulp);
        g.relativ = std::fmax(g.relativ, f.relativ);
    }

    ~Pruefer() {
        std::cout << "[ Referenz ] " << Art << ": largest error table "
                  << static_cast<double>(Tabelle_groesster.relativ) << " ("
                  << static_cast<double>(Tabelle_groesster.ulp) << " ulp), single "
                  << static_cast<double>(Einzeln_groesster.relativ) << " ("
                  << static_cast<double>(Einzeln_groesster.ulp) << " ulp)\n";
    }
};

std::string Fall(const char* art, std::initializer_list<long double> teile) {
    std::string s = art;
    s += "(";
    for (long double t : teile) s += std::to_string(static_cast<double>(t)) + ", ";
    return s + ")";
}

}  // namespace

TEST(Tabellen, Binomial_auf_das_letzte_Bit) {
    Pruefer p{"binomial", {}, {}};
    std::vector<long double> t(4002);
    int n = -1;
    double wahrscheinlichkeit = -1;
    for (const auto& r : Binomial_Tabellenwerte) {
        if (r.n != n || r.p != wahrscheinlichkeit) {
            n = r.n;
            wahrscheinlichkeit = r.p;
            t.assign(t.size(), -1);
            EXPECT_EQ(Binomialtabelle(t, n, r.p), 0.0L);
            EXPECT_EQ(t[static_cast<size_t>(n) + 1], -1) << "beyond n untouched";
        }
        const std::string fall = Fall("B", {1.0L * r.n, r.p, 1.0L * r.k});
        if (r.k <= n) p.pruefe(t[static_cast<size_t>(r.k)], r.hi, r.lo, true, fall);
        p.pruefe(Binomialverteilung(r.n, r.k, r.p), r.hi, r.lo, false, fall);
    }
}

TEST(Tabellen, Hypergeometrisch_auf_das_letzte_Bit) {
    Pruefer p{"hypergeometric", {}, {}};
    std::vector<long double> t(4001);
    int n = -1, M = -1, N = -1;
    for (const auto& r : Hypergeo_Tabellenwerte) {
        if (r.n != n || r.M != M || r.N != N) {
            n = r.n;
            M = r.M;
            N = r.N;
            EXPECT_EQ(Hypergeometrische_Tabelle(t, n, M, N), 0.0L);
        }
        const std::string fall = Fall("H", {1.0L * r.n, 1.0L * r.M, 1.0L * r.N, 1.0L * r.k});
        p.pruefe(t[static_cast<size_t>(r.k)], r.hi, r.lo, true, fall);
        p.pruefe(Hypergeometrisch(r.n, r.M, r.N, r.k), r.hi, r.lo, false, fall);
    }
}

TEST(Tabellen, Poisson_auf_das_letzte_Bit) {
    Pruefer p{"Poisson", {}, {}};
    std::vector<long double> t(4001);
    int n = -1;
    double mu = -1;
    for (const auto& r : Poisson_Tabellenwerte) {
        if (r.n != n || r.mu != mu) {
            n = r.n;
            mu = r.mu;
            Poissontabelle(t, n, mu);
        }
        const std::string fall = Fall("P", {1.0L * r.n, r.mu, 1.0L * r.k});
        p.pruefe(t[static_cast<size_t>(r.k)], r.hi, r.lo, true, fall);
        p.pruefe(Poissonverteilung(r.k, r.mu), r.hi, r.lo, false, fall);
    }
}

TEST(Tabellen, Geometrisch_auf_das_letzte_Bit) {
    Pruefer p{"geometric", {}, {}};
    std::vector<long double> t(4001);
    double q = -1;
    for (const auto& r : Geometrisch_Tabellenwerte) {
        if (r.p != q) {
            q = r.p;
            Geometrische_Tabelle(t, 4000, q);
        }
        const std::string fall = Fall("G", {r.p, 1.0L * r.k});
        p.pruefe(t[static_cast<size_t>(r.k)], r.hi, r.lo, true, fall);
        p.pruefe(Geometrisch(r.k, r.p), r.hi, r.lo, false, fall);
    }
}

// A cut table returns the mass beyond n: with the last entry it is P(X >= n), whose reference
// is the tail of the whole distribution.
TEST(Tabellen, Masse_jenseits_von_n) {
    std::vector<long double> t(4001);
    for (const auto& r : Summenwerte) {
        if (r.Art == 0 || r.k != r.n) continue;
        const long double jenseits =
            r.Art == 2 ? Poissontabelle(t, r.n, r.Parameter) : Geometrische_Tabelle(t, r.n, r.Parameter);
        const long double oben = t[static_cast<size_t>(r.n)] + jenseits;
        EXPECT_LE(Fehler_von(oben, r.oben_hi, r.oben_lo).ulp, 2)
            << "kind " << r.Art << ", n = " << r.n << ", parameter " << r.Parameter;
    }
}
