// The numbers behind the family charts and the animations: scales, the n family's k axis, the
// binomial table of one member, the captions; the rounding they use.

#include "analysis/Serienwerte.h"
#include "probability/UStochastik.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr long double eps = std::numeric_limits<long double>::epsilon();

// C(n, k) p^k (1-p)^(n-k) from its closed form; C(n, k) is exact in long double for these n.
long double Binomial_geschlossen(long double C, int k, int n, long double p) {
    return C * std::pow(p, k) * std::pow(1 - p, n - k);
}

struct Skalenfall {
    const char* Name;
    int n;
    long double erwartet;  // P(X = round(n/10)) for B(n; 0,1)
};

class Pmax_p0_Familie : public ::testing::TestWithParam<Skalenfall> {};

TEST_P(Pmax_p0_Familie, IstDieWahrscheinlichkeitBeiRundNZehntel) {
    const Skalenfall& f = GetParam();
    EXPECT_NEAR(Pmax_mehrere_p0(f.n), f.erwartet, 256 * eps * f.erwartet);
}

// Closed forms: C(50,5) = 2118760; C(15,2) = 105, where 15/10 rounds (half to even) to 2, not
// to the mode 1; C(25,2) = 300 (2,5 rounds to 2); C(35,4) = 52360 (3,5 rounds to 4).
INSTANTIATE_TEST_SUITE_P(
    Stuetzstellen, Pmax_p0_Familie,
    ::testing::Values(Skalenfall{"n50", 50, Binomial_geschlossen(2118760.0L, 5, 50, 0.1L)},
                      Skalenfall{"n15_Haelfte_gerade", 15, Binomial_geschlossen(105.0L, 2, 15, 0.1L)},
                      Skalenfall{"n25_Haelfte_gerade", 25, Binomial_geschlossen(300.0L, 2, 25, 0.1L)},
                      Skalenfall{"n35_Haelfte_gerade", 35, Binomial_geschlossen(52360.0L, 4, 35, 0.1L)},
                      Skalenfall{"n1", 1, 0.9L}),
    [](const auto& i) { return std::string(i.param.Name); });

TEST(Pmax_p0_Familie_Werte, N50EtwaNullKomma1849) { EXPECT_NEAR(Pmax_mehrere_p0(50), 0.1849L, 0.00005L); }

struct Achsenfall {
    const char* Name;
    long double p0;
    int k2;
};

class k2_n_Familie : public ::testing::TestWithParam<Achsenfall> {};

TEST_P(k2_n_Familie, DreiSigmaUeberDemMittelVonN200) { EXPECT_EQ(k2_mehrere_n(GetParam().p0), GetParam().k2); }

// 200 p0 + 3 sqrt(200 p0 (1 - p0)), rounded; the drawn families' axes are tests/explorations'.
// The ends, where sigma is 0: the n family draws p0 = 0 with 0,2, p0 = 1 as it is.
INSTANTIATE_TEST_SUITE_P(Stuetzstellen, k2_n_Familie,
                         ::testing::Values(Achsenfall{"p0_1", 1.0L, 200}, Achsenfall{"p0_0", 0.0L, 0}),
                         [](const auto& i) { return std::string(i.param.Name); });

TEST(n_Familie, NullWirdZuNullKommaZwei) {
    EXPECT_EQ(p0_mehrere_n(0.0L), 0.2L);
    EXPECT_EQ(p0_mehrere_n(0.35L), 0.35L);
    // B(10; 0,8) at k = 8 from its closed form, C(10,8) = 45.
    EXPECT_NEAR(Pmax_mehrere_n(0.8L), Binomial_geschlossen(45.0L, 8, 10, 0.8L), 64 * eps);
}

struct Rundungsfall {
    const char* Name;
    long double w;
    int erwartet;
};

class Rundung : public ::testing::TestWithParam<Rundungsfall> {};

TEST_P(Rundung, HalbeZurGeradenUndNieUndefiniert) {
    EXPECT_EQ(Ganz_runden(GetParam().w, -10, 4000, -10), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Rundung,
    ::testing::Values(Rundungsfall{"halb_zu_null", 0.5L, 0}, Rundungsfall{"anderthalb_zu_zwei", 1.5L, 2},
                      Rundungsfall{"zweieinhalb_zu_zwei", 2.5L, 2}, Rundungsfall{"knapp_ueber_halb", 2.5000001L, 3},
                      Rundungsfall{"negativ_halb", -2.5L, -2},
                      Rundungsfall{"NaN_gibt_untere_Grenze", std::numeric_limits<long double>::quiet_NaN(), -10},
                      Rundungsfall{"unendlich_gekappt", std::numeric_limits<long double>::infinity(), 4000},
                      Rundungsfall{"riesig_gekappt", 1e30L, 4000}, Rundungsfall{"winzig_gekappt", -1e30L, -10}),
    [](const auto& i) { return std::string(i.param.Name); });

TEST(Binomialtabelle, NulltUeberNBisZurGrenzeUndSetztMomente) {
    Zustand z;
    z.P0_Tabelle.fill(0.5L);
    z.n = 5;
    Binomialtabelle_setzen(z, 0.8L, 202);
    long double Summe = 0;
    for (int k = 0; k <= 5; ++k) Summe += z.P0_Tabelle[k];
    EXPECT_NEAR(Summe, 1.0L, 16 * eps);
    for (int k = 6; k <= 202; ++k) ASSERT_EQ(z.P0_Tabelle[k], 0.0L) << "k=" << k;
    EXPECT_EQ(z.P0_Tabelle[203], 0.5L);  // beyond the bound nothing is touched
    EXPECT_NEAR(z.mue0, 4.0L, 8 * eps);
    EXPECT_NEAR(z.sigma0, std::sqrt(0.8L), 8 * eps);
}

TEST(Binomialtabelle, GrenzeUeber4000WirdGekappt) {
    Zustand z;
    z.n = 4000;
    Binomialtabelle_setzen(z, 0.5L, 1'000'000);
    EXPECT_NEAR(z.mue0, 2000.0L, 8 * eps * 2000);
}

TEST(Animationsskala, P0AnimationNimmtDenGroesserenKandidaten) {
    // B(20; 0,05) at m = 1: 20 * 0,05 * 0,95^19 = 0,95^19 (closed form), about 0,3774.
    const long double erwartet = std::pow(0.95L, 19);
    EXPECT_NEAR(Pmax_p0_Animation(20), erwartet, 64 * eps);
    EXPECT_NEAR(Pmax_p0_Animation(20), 0.3774L, 0.00005L);
    // n = 19, m = 0: P(X=0) = 0,95^19 and P(X=1) = 19 * 0,05 * 0,95^18 = 0,95^19 are equal.
    EXPECT_NEAR(Pmax_p0_Animation(19), erwartet, 64 * eps);
    // n = 39, m = 1: the mode of B(39; 0,05) is 1, P(X=2) = 741 * 0,05^2 * 0,95^37 is smaller;
    // n = 40, m = 2: P(X=2) = 780 * 0,05^2 * 0,95^38 beats P(X=3) = 9880 * 0,05^3 * 0,95^37.
    EXPECT_NEAR(Pmax_p0_Animation(39), 39 * 0.05L * std::pow(0.95L, 38), 256 * eps);
    EXPECT_NEAR(Pmax_p0_Animation(40), 780 * 0.0025L * std::pow(0.95L, 38), 256 * eps);
}

}  // namespace
