#include "probability/UStochastik.h"

#include "probability/Tabellen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr Extended eps = std::numeric_limits<Extended>::epsilon();

bool bitgleich(Extended a, Extended b) {
    // The 80-bit value occupies the first 10 bytes; the padding is not part of it.
    return std::memcmp(&a, &b, 10) == 0;
}

// Straightforward evaluation of Φ's series: a fresh power 1·x·…·x, a fresh factorial loop
// and a fresh 2^a for every term, each divided in the order the series is defined.
Extended Phi_schlicht(Extended x) {
    auto fakultaet = [](int k) {
        Extended f = 1;
        for (int i = 2; i <= k; ++i) f = f * i;
        return f;
    };
    Extended summe = x;
    Extended vorzeichen = -1;
    for (int a = 1;; ++a) {
        Extended potenz = 1;
        for (int i = 0; i < 2 * a + 1; ++i) potenz = potenz * x;
        Extended zwei_hoch_a = 1;
        for (int i = 0; i < a; ++i) zwei_hoch_a = zwei_hoch_a * 2;
        const Extended term = potenz * vorzeichen / (2 * a + 1) / zwei_hoch_a / fakultaet(a);
        summe = summe + term;
        vorzeichen = -vorzeichen;
        if (std::fabs(term) < 1e-10L) break;
    }
    return summe / std::sqrt(6.283185307179586476925286766559005768L) + 0.5L;
}

Extended Phi_invers_schlicht(Extended y) {
    Extended r = 0;
    if (y >= 0.5L)
        while (y > Phi_schlicht(r)) r = r + 0.0001L;
    else
        while (y < Phi_schlicht(r)) r = r - 0.0001L;
    return r;
}

struct Fall {
    const char* name;
    Extended ist;
    Extended soll;
    Extended rel_toleranz;  // 0: exact
};

template <std::size_t N>
void pruefe_faelle(const Fall (&faelle)[N]) {
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_TRUE(std::isfinite(f.ist));
        if (f.rel_toleranz == 0)
            EXPECT_EQ(f.ist, f.soll);
        else
            EXPECT_LE(std::fabs(f.ist - f.soll), f.rel_toleranz * std::fabs(f.soll))
                << static_cast<double>(f.ist) << " vs " << static_cast<double>(f.soll);
    }
}

// Values quoted to 6 (or 4) significant digits: half a unit in the last digit.
constexpr Extended sechs_stellen = 5e-6L;
constexpr Extended vier_stellen = 5e-4L;

}  // namespace

TEST(Fakultaet, KleineWerteUndGrenzeDesBereichs) {
    const Fall faelle[] = {
        {"0! = 1", Fakultaet(0), 1, 0},
        {"1! = 1", Fakultaet(1), 1, 0},
        {"negativ = 1", Fakultaet(-3), 1, 0},
        {"5! = 120", Fakultaet(5), 120, 0},
        {"20! exakt", Fakultaet(20), 2432902008176640000.0L, 0},
    };
    pruefe_faelle(faelle);
    EXPECT_TRUE(std::isfinite(Fakultaet(1754)));
    EXPECT_EQ(Fakultaet(1755), std::numeric_limits<Extended>::infinity());
}

TEST(Fakultaet, TabelleGleichtDemAufsteigendenProdukt) {
    Extended f = 1;
    for (int k = 2; k <= 1754; ++k) {
        f = f * k;
        ASSERT_TRUE(bitgleich(Fakultaet(k), f)) << "k = " << k;
    }
}

TEST(Binomialkoeffizient, Randfaelle) {
    const Fall faelle[] = {
        {"k > n", Binomialkoeffizient(5, 7), 0, 0},
        {"k = 0", Binomialkoeffizient(20, 0), 1, 0},
        {"k = n", Binomialkoeffizient(20, 20), 1, 0},
        // Dividing first leaves fractions on the way, so even small coefficients carry rounding.
        {"49 über 6", Binomialkoeffizient(49, 6), 13983816, 12 * eps},
        // math.comb(4000, 2000) = 1.662897875033835069539…e1202 (Python, exact integer)
        {"4000 über 2000", Binomialkoeffizient(4000, 2000), 1.662897875033835069539e1202L, 4000 * eps},
    };
    pruefe_faelle(faelle);
}

TEST(Binomialverteilung, Randfaelle) {
    const Fall faelle[] = {
        {"B(20; 0,8; 12)", Binomialverteilung(20, 12, 0.8), 0.0221609L, sechs_stellen},
        {"p = 1, k = n", Binomialverteilung(20, 20, 1), 1, 0},
        {"p = 1, k = 0", Binomialverteilung(20, 0, 1), 0, 0},
        {"p = 0, k = 0", Binomialverteilung(20, 0, 0), 1, 0},
        {"n = 0", Binomialverteilung(0, 0, 0.3), 1, 0},
        {"B(4000; 0,5; 2000)", Binomialverteilung(4000, 2000, 0.5), 0.0126149L, sechs_stellen},
        {"k < 0", Binomialverteilung(20, -1, 0.3), 0, 0},
        {"k > n", Binomialverteilung(20, 21, 0.3), 0, 0},
    };
    pruefe_faelle(faelle);
}

TEST(Hypergeometrisch, Randfaelle) {
    const Fall faelle[] = {
        {"H(20, 80, 100, 16)", Hypergeometrisch(20, 80, 100, 16), 0.2437L, vier_stellen},
        {"M < k", Hypergeometrisch(20, 10, 100, 11), 0, 0},
        {"N - M < n - k", Hypergeometrisch(20, 95, 100, 10), 0, 0},
        {"n > N", Hypergeometrisch(20, 5, 10, 3), 0, 0},
        {"alle markiert", Hypergeometrisch(20, 100, 100, 20), 1, 0},
    };
    pruefe_faelle(faelle);
}

// Populations up to 2^31 − 1: the table stays a distribution, its correctly rounded entries
// summing to 1 within the rounding of 4001 additions.
TEST(Hypergeometrisch, GrossesNErgibtEineVerteilung) {
    const int N = 2147483647;
    std::vector<Extended> t(4001);
    for (int M : {1, 1000, N / 3, N - 1}) {
        Hypergeometrische_Tabelle(t, 4000, M, N);
        Extended summe = 0;
        for (int k = 0; k <= 4000; ++k) {
            ASSERT_TRUE(std::isfinite(t[k]) && t[k] >= 0 && t[k] <= 1) << "M = " << M << ", k = " << k;
            summe += t[k];
        }
        EXPECT_NEAR(summe, 1.0L, 4001 * eps) << "M = " << M;
    }
}

TEST(Poissonverteilung, Randfaelle) {
    const Fall faelle[] = {
        // e^-16 from Python's decimal module at 30 digits; correctly rounded
        {"P(0; 16)", Poissonverteilung(0, 16), 1.12535174719259114513775179060e-7L, eps / 2},
        {"P(3; 2)", Poissonverteilung(3, 2), 0.180447L, sechs_stellen},
        {"mu = 0, k = 0", Poissonverteilung(0, 0), 1, 0},
        {"mu = 0, k = 1", Poissonverteilung(1, 0), 0, 0},
        {"mu = 0, k = 4000", Poissonverteilung(4000, 0), 0, 0},
        {"k < 0", Poissonverteilung(-1, 2), 0, 0},
        {"weit unter dem Bereich", Poissonverteilung(4000, 0.3L), 0, 0},
    };
    pruefe_faelle(faelle);
}

TEST(Geometrisch, Randfaelle) {
    const Fall faelle[] = {
        {"k = 1", Geometrisch(1, 0.3L), 0.3L, eps}, {"k = 3", Geometrisch(3, 0.3L), 0.147L, 8 * eps},
        {"k = 0", Geometrisch(0, 0.3L), 0, 0},      {"p = 1, k = 1", Geometrisch(1, 1), 1, 0},
        {"p = 1, k = 2", Geometrisch(2, 1), 0, 0},  {"p = 0", Geometrisch(5, 0), 0, 0},
    };
    pruefe_faelle(faelle);
}

TEST(Normaldichte, WerteUndEntarteteStreuung) {
    const Extended sigma = std::sqrt(3.2L);
    const Fall faelle[] = {
        {"Gipfel bei mu = 16", Normaldichte(16, sigma, 16), 0.223016L, sechs_stellen},
        {"symmetrisch", Normaldichte(16, sigma, 13), Normaldichte(16, sigma, 19), 0},
        // 1/√(2π)·e^(-1/2), Python decimal at 30 digits
        {"ein sigma daneben", Normaldichte(0, 1, 1), 0.241970724519143349797830184067L, 8 * eps},
        {"sigma = 0", Normaldichte(16, 0, 16), 0, 0},
        {"sigma = 0 daneben", Normaldichte(16, 0, 17), 0, 0},
    };
    pruefe_faelle(faelle);
}

TEST(Phi, Randwerte) {
    EXPECT_EQ(Phi(0), 0.5L);
    EXPECT_NEAR(static_cast<double>(Phi(1.96L) - Phi(-1.96L)), 0.950004, 5e-7);
    EXPECT_EQ(Phi(8.0001L), 1);
    EXPECT_EQ(Phi(-1e6L), 0);
    EXPECT_EQ(Phi(std::numeric_limits<Extended>::infinity()), 1);
    EXPECT_EQ(Phi(std::numeric_limits<Extended>::quiet_NaN()), 0.5L);
}

// Up to |x| = 7 the series stays within about 2·10⁻¹¹ of Φ (here: 0.5·erfc(−x/√2)), and
// Φ(−x) = 1 − Φ(x) holds to the same rounding.
TEST(Phi, GenauigkeitUndSymmetrie) {
    for (int i = 0; i <= 700; ++i) {
        const Extended x = i / 100.0L;
        const Extended wahr = 0.5L * std::erfc(-x / std::sqrt(2.0L));
        EXPECT_NEAR(static_cast<double>(Phi(x) - wahr), 0.0, 5e-11) << "x = " << i / 100.0;
        EXPECT_NEAR(static_cast<double>(Phi(-x) + Phi(x)), 1.0, 5e-11) << "x = " << i / 100.0;
    }
}

TEST(Phi, SchnelleAuswertungIstBitgleichMitDerSchlichten) {
    // The grid Phi_invers walks (repeated addition) and an irregular spread up to |x| = 8.
    Extended r = 0;
    for (int i = 0; i < 40000; ++i, r = r + 0.0001L) {
        ASSERT_TRUE(bitgleich(Phi(r), Phi_schlicht(r))) << "r = " << static_cast<double>(r);
        ASSERT_TRUE(bitgleich(Phi(-r), Phi_schlicht(-r))) << "r = " << static_cast<double>(-r);
    }
    for (int i = -7999; i <= 7999; ++i) {
        const Extended x = i * 0.001L + 0.0000123L;
        ASSERT_TRUE(bitgleich(Phi(x), Phi_schlicht(x))) << "x = " << static_cast<double>(x);
    }
}

TEST(PhiInvers, Randwerte) {
    EXPECT_EQ(Phi_invers(0.5L), 0);
    EXPECT_NEAR(static_cast<double>(Phi_invers(0.975L) - 1.96L), 0.0, 1e-15);
    // Umgebung = 95 as the window computes it
    EXPECT_NEAR(static_cast<double>(Phi_invers(95.0L / 200 + 0.5L) - 1.96L), 0.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(Phi_invers(0.995L)), 2.5759, 1e-12);
}

TEST(PhiInvers, GleichDerUnbeschraenktenSuche) {
    for (Extended y : {0.6L, 0.975L, 0.995L, 0.3L, 0.025L, 0.5000001L}) {
        EXPECT_TRUE(bitgleich(Phi_invers(y), Phi_invers_schlicht(y))) << static_cast<double>(y);
    }
}

// Φ never reaches 1 or 0; the series' rounding would let the search stop near 6.68.
TEST(PhiInvers, UnerreichbareWerteGebenDieGrenze) {
    const Extended inf = std::numeric_limits<Extended>::infinity();
    for (Extended y : {1.0L, 1.5L, inf}) EXPECT_EQ(Phi_invers(y), 7) << static_cast<double>(y);
    for (Extended y : {0.0L, -1.0L, -inf}) EXPECT_EQ(Phi_invers(y), -7) << static_cast<double>(y);
    EXPECT_EQ(Phi_invers(std::numeric_limits<Extended>::quiet_NaN()), 0);
    // The largest y below 1 is still searched, and ends inside the bound.
    const Extended knapp = std::nextafter(1.0L, 0.0L);
    EXPECT_GT(Phi_invers(knapp), 6);
    EXPECT_LE(Phi_invers(knapp), 7);
}
