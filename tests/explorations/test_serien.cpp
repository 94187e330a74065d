// Families of binomial distributions in one chart: their scales, axes and captions, and what
// the two buttons leave behind in the window.

#include "Explorationsfenster.h"

#include "charts/UGrafik.h"
#include "explorations/Serien.h"
#include "probability/UStochastik.h"

#include <QPushButton>

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

// 200 p0 + 3 sqrt(200 p0 (1 - p0)), rounded: 160 + 16,97; 100 + 21,21; 198 + 4,22; 40 + 16,97.
INSTANTIATE_TEST_SUITE_P(Stuetzstellen, k2_n_Familie,
                         ::testing::Values(Achsenfall{"p0_0_8", 0.8L, 177}, Achsenfall{"p0_0_5", 0.5L, 121},
                                           Achsenfall{"p0_0_99", 0.99L, 202}, Achsenfall{"p0_0_2", 0.2L, 57},
                                           Achsenfall{"p0_1", 1.0L, 200}, Achsenfall{"p0_0", 0.0L, 0}),
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

TEST(Beschriftungen, TexteDerFamilien) {
    EXPECT_EQ(Beschriftung_mehrere_p0(50), "p0=0,1 bis p0=0,9     n=50");
    EXPECT_EQ(Beschriftung_mehrere_n(0.8L), "n=10  n=50  n=100  n=200     p0=0,80");
    EXPECT_EQ(Beschriftung_mehrere_n(0.2L), "n=10  n=50  n=100  n=200     p0=0,20");
}

// --- The two buttons in the window -----------------------------------------------------------

using Familien = Explorationsfenster;

TEST_F(Familien, MehrereP0BeiN50) {
    Eingeben(f->Edit_n, "50");
    Eingeben(f->Edit_p0, "0,3");
    ASSERT_EQ(f->Stand().n, 50);
    f->Button_p0_variabel->click();

    EXPECT_TRUE(rec->Meldungen.isEmpty());
    EXPECT_EQ(f->Stand().n, 50);
    EXPECT_EQ(f->Stand().p0, 0.8L);
    EXPECT_EQ(f->Edit_p0->text(), "0,8");
    EXPECT_EQ(f->Edit_n->text(), "50");
    EXPECT_EQ(f->Edit_k2->text(), "50");
    EXPECT_FALSE(f->Stand().Serie_laeuft);
    // The chart keeps the family: axis 0..50 on the scale P(X=5) of B(50; 0,1), so the bar of
    // k = 5 of the first member reaches the top of the scale exactly...
    const long double Pmax = Binomial_geschlossen(2118760.0L, 5, 50, 0.1L);
    EXPECT_EQ(f->Geometrie_des_Bildes().k_Spanne, 50);
    EXPECT_EQ(Pixel(Balkenmitte(5), f->Geometrie_des_Bildes().y_Oben), clBlack);
    // ...and the last member (p0 = 0,9) stands as an outline at its mode k = 45, C(50,45) = 2118760.
    const int y45 = Balkenoberkante(Binomial_geschlossen(2118760.0L, 45, 50, 0.9L), Pmax);
    EXPECT_EQ(Pixel(Balkenmitte(45), y45), clBlack);
    EXPECT_EQ(Pixel(Balkenmitte(45), y45 + 2), clWhite);  // unfilled
    // The caption band: white right of the caption text, the text itself there.
    Schrift fett;
    fett.fett = true;
    const int Textende = f->Geometrie_des_Bildes().x_Ursprung + 40 +
                         Textbreite(QString::fromStdString(Beschriftung_mehrere_p0(50)), fett);
    int schwarz = 0;
    for (int y = 5; y < 20; ++y) {
        for (int x = f->Geometrie_des_Bildes().x_Ursprung + 40; x < Textende; ++x) schwarz += Pixel(x, y) == clBlack;
        for (int x = Textende + 2; x < f->Geometrie_des_Bildes().x_Ende; ++x)
            ASSERT_EQ(Pixel(x, y), clWhite) << x << "," << y;
    }
    EXPECT_GT(schwarz, 50);
}

TEST_F(Familien, MehrereP0BeiN15UeberragtDieSkala) {
    Eingeben(f->Edit_n, "15");
    f->Button_p0_variabel->click();
    // Scale P(X=2) of B(15; 0,1): that bar ends at the top of the scale, the bar of k = 1
    // (the mode) rises above it.
    EXPECT_EQ(Pixel(Balkenmitte(2), f->Geometrie_des_Bildes().y_Oben), clBlack);
    const long double P1 = Binomial_geschlossen(15.0L, 1, 15, 0.1L);
    const long double P2 = Binomial_geschlossen(105.0L, 2, 15, 0.1L);
    ASSERT_LT(Balkenoberkante(P1, P2), 0);  // even beyond the top of the image
    // Its left outline runs on up through the rows above the scale (below the caption rows).
    const int X = f->Geometrie_des_Bildes().x_Ursprung + f->Geometrie_des_Bildes().Saeulenbreite;
    for (int y = 21; y < f->Geometrie_des_Bildes().y_Oben; ++y) ASSERT_EQ(Pixel(X, y), clBlack) << "y=" << y;
}

TEST_F(Familien, MehrereP0BeiN500WirdGezeichnet) {
    Eingeben(f->Edit_n, "500");
    f->Button_p0_variabel->click();
    EXPECT_TRUE(rec->Meldungen.isEmpty());
    EXPECT_EQ(f->Stand().n, 500);
    EXPECT_EQ(f->Geometrie_des_Bildes().k_Spanne, 500);
}

TEST_F(Familien, MehrereP0UeberN500NurMeldung) {
    Eingeben(f->Edit_n, "501");
    Eingeben(f->Edit_p0, "0,3");
    const QImage vorher = f->Image1->Bild().copy();
    const QString k2_vorher = f->Edit_k2->text();
    f->Button_p0_variabel->click();
    EXPECT_EQ(rec->Meldungen, QStringList{"n zu groß"});
    EXPECT_EQ(f->Stand().n, 501);
    EXPECT_EQ(f->Stand().p0, 0.3L);
    EXPECT_EQ(f->Edit_p0->text(), "0,3");
    EXPECT_EQ(f->Edit_k2->text(), k2_vorher);
    EXPECT_TRUE(f->Image1->Bild() == vorher);
}

struct n_Familienfall {
    const char* Name;
    const char* p0_Text;
    int k2;
    long double p0_danach;
    const char* p0_Text_danach;
};

class n_Familie_Fenster : public Explorationsfenster, public ::testing::WithParamInterface<n_Familienfall> {};

TEST_P(n_Familie_Fenster, AchseUndZustandDanach) {
    const n_Familienfall& c = GetParam();
    // A longer table first, so that stale entries above 200 would show if not cleared.
    Eingeben(f->Edit_n, "300");
    Eingeben(f->Edit_p0, c.p0_Text);
    f->Button_n_variabel->click();

    EXPECT_EQ(f->Geometrie_des_Bildes().k_Spanne, c.k2);  // the family's axis stays in the chart
    EXPECT_EQ(f->Stand().n, 20);
    EXPECT_EQ(f->Stand().k2, 20);
    EXPECT_EQ(f->Edit_n->text(), "20");
    EXPECT_EQ(f->Edit_k2->text(), "20");
    EXPECT_EQ(f->Stand().p0, c.p0_danach);
    EXPECT_EQ(f->Edit_p0->text(), c.p0_Text_danach);
    EXPECT_FALSE(f->Stand().Serie_laeuft);
    for (int k = 21; k <= std::max(c.k2, 200); ++k) ASSERT_EQ(f->Stand().P0_Tabelle[k], 0.0L) << "k=" << k;
}

INSTANTIATE_TEST_SUITE_P(Faelle, n_Familie_Fenster,
                         ::testing::Values(n_Familienfall{"p0_0_8", "0,8", 177, 0.8L, "0,8"},
                                           n_Familienfall{"p0_0_5", "0,5", 121, 0.5L, "0,5"},
                                           n_Familienfall{"p0_0_99", "0,99", 202, 0.99L, "0,99"},
                                           n_Familienfall{"p0_0_wird_0_2", "0", 57, 0.2L, "0,2"}),
                         [](const auto& i) { return std::string(i.param.Name); });

TEST_F(Familien, SaeulendiagrammWirdZumHistogramm) {
    Waehlen(f->ComboBox_Histo_Saeule, 1);
    ASSERT_TRUE(f->Stand().Saeulendiagramm);
    f->Button_n_variabel->click();
    EXPECT_FALSE(f->Stand().Saeulendiagramm);
    EXPECT_EQ(f->ComboBox_Histo_Saeule->currentIndex(), 0);
    // Histogram bars are black outlines: no red hatch anywhere in the family chart.
    const QImage& b = f->Image1->Bild();
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) ASSERT_NE(b.pixel(x, y) | 0xFF000000u, clRed) << x << "," << y;
    // The n = 200 member's outline at its mode 160 (p0 = 0,8) stands on the family's scale.
    const long double P = Binomialverteilung(200, 160, 0.8L);
    EXPECT_EQ(Pixel(Balkenmitte(160), Balkenoberkante(P, Pmax_mehrere_n(0.8L))), clBlack);
}

}  // namespace
