// The explorations as values, without a window: frame counts and pauses, and of single frames
// the k axis, the scale, a bar top and what a screen reader hears.

#include "tests/charts/Testzustand.h"

#include "charts/UGrafik.h"
#include "explorations/Erkundung.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr long double eps = std::numeric_limits<long double>::epsilon();

// P(X = k) for B(n; p) by the test fixtures' own ratio recurrence (tests/charts/Testzustand.h),
// independent of the analysis layer.
long double B(int n, int k, long double p) {
    Wertefeld t;
    Binomialtabelle(t, n, p);
    return t[k];
}

QRgb Pixel(const QImage& b, int x, int y) { return b.pixel(x, y) | 0xFF000000u; }

struct Ablauffall {
    const char* Name;
    Erkundungsart Art;
    int Bilder;
    int Pause_erstes, Pause_zweites, Pause_letztes;  // ms after frame 0, frame 1, the last one
};

class Ablauf : public ::testing::TestWithParam<Ablauffall> {};

TEST_P(Ablauf, BilderUndPausen) {
    const Ablauffall& c = GetParam();
    const Erkundung e(c.Art, 20, 0.8L, true);
    ASSERT_EQ(e.Bildzahl(), c.Bilder);
    EXPECT_EQ(e.Wartezeit_ms(0), c.Pause_erstes);
    if (c.Bilder > 1) {
        EXPECT_EQ(e.Wartezeit_ms(1), c.Pause_zweites);
    }
    EXPECT_EQ(e.Wartezeit_ms(c.Bilder - 1), c.Pause_letztes);
}

INSTANTIATE_TEST_SUITE_P(Arten, Ablauf,
                         ::testing::Values(Ablauffall{"p0_Familie", Erkundungsart::mehrere_p0, 1, 0, 0, 0},
                                           Ablauffall{"n_Familie", Erkundungsart::mehrere_n, 1, 0, 0, 0},
                                           Ablauffall{"p0_Animation", Erkundungsart::p0_Animation, 181, 2000, 2, 2},
                                           Ablauffall{"n_Animation", Erkundungsart::n_Animation, 96, 2000, 25, 2000}),
                         [](const auto& i) { return std::string(i.param.Name); });

struct Bildfall {
    const char* Name;
    Erkundungsart Art;
    int n;
    long double p0;
    int Bild;
    int k1, k2;        // the k axis of the frame
    long double Pmax;  // its scale
    int k;             // a bar (a family: the outline of a later member) ...
    long double v;     // ... whose top stands at v on that scale
    const char* Text;  // what a screen reader hears
};

class Bild : public ::testing::TestWithParam<Bildfall> {};

TEST_P(Bild, AchseSkalaBalkenUndText) {
    const Bildfall& c = GetParam();
    QImage b = Testbild();
    QString Text;
    const Diagrammgeometrie g = Erkundung(c.Art, c.n, c.p0, true).Bild_zeichnen(c.Bild, b, Text);
    EXPECT_EQ(g.k1, c.k1);
    EXPECT_EQ(g.k2, c.k2);
    EXPECT_NEAR(g.Pmax, c.Pmax, 64 * c.n * eps * c.Pmax);
    const int x = g.x_Ursprung + (c.k - g.k1) * g.Saeulenbreite + g.Saeulenbreite / 2;
    const int y = g.y_Ursprung - static_cast<int>(std::nearbyint(c.v / c.Pmax * g.Hoehe_Skala));
    EXPECT_EQ(Pixel(b, x, y), clBlack);
    EXPECT_EQ(Pixel(b, x, y - 1), clWhite);  // an outline, and nothing stands higher
    EXPECT_EQ(Text, QString::fromUtf8(c.Text));
}

using A = Erkundungsart;

INSTANTIATE_TEST_SUITE_P(
    Faelle, Bild,
    ::testing::Values(
        // p0 = 0,9 mirrors p0 = 0,1: its outline at k = n - round(n/10) reaches the top.
        Bildfall{"p0_Familie_n50", A::mehrere_p0, 50, 0.3L, 0, 0, 50, B(50, 5, 0.1L), 45, B(50, 45, 0.9L),
                 "Histogramme einer Familie von Binomialverteilungen: p0=0,1 bis p0=0,9     n=50"},
        Bildfall{"p0_Familie_n500", A::mehrere_p0, 500, 0.3L, 0, 0, 500, B(500, 50, 0.1L), 450, B(500, 450, 0.9L),
                 "Histogramme einer Familie von Binomialverteilungen: p0=0,1 bis p0=0,9     n=500"},
        // The k axis reaches 3 sigma above the mean of n = 200, rounded: 160 + 16,97; 100 + 21,21; 198 + 4,22.
        Bildfall{"n_Familie_p0_0_8", A::mehrere_n, 300, 0.8L, 0, 0, 177, B(10, 8, 0.8L), 160, B(200, 160, 0.8L),
                 "Histogramme einer Familie von Binomialverteilungen: n=10  n=50  n=100  n=200     p0=0,80"},
        Bildfall{"n_Familie_p0_0_5", A::mehrere_n, 300, 0.5L, 0, 0, 121, B(10, 5, 0.5L), 100, B(200, 100, 0.5L),
                 "Histogramme einer Familie von Binomialverteilungen: n=10  n=50  n=100  n=200     p0=0,50"},
        Bildfall{"n_Familie_p0_0_99", A::mehrere_n, 300, 0.99L, 0, 0, 202, B(10, 10, 0.99L), 198, B(200, 198, 0.99L),
                 "Histogramme einer Familie von Binomialverteilungen: n=10  n=50  n=100  n=200     p0=0,99"},
        Bildfall{"n_Familie_p0_0_wird_0_2", A::mehrere_n, 300, 0.0L, 0, 0, 57, B(10, 2, 0.2L), 40, B(200, 40, 0.2L),
                 "Histogramme einer Familie von Binomialverteilungen: n=10  n=50  n=100  n=200     p0=0,20"},
        Bildfall{"p0_Ani_n20_erstes", A::p0_Animation, 20, 0.3L, 0, 0, 20, B(20, 1, 0.05L), 1, B(20, 1, 0.05L),
                 "Histogramm der Binomialverteilung mit p0=0,05 für n=20, k von 0 bis 20."},
        Bildfall{"p0_Ani_n20_zweites", A::p0_Animation, 20, 0.3L, 1, 0, 20, B(20, 1, 0.05L), 1, B(20, 1, 0.055L),
                 "Histogramm der Binomialverteilung mit p0=0,055 für n=20, k von 0 bis 20."},
        Bildfall{"p0_Ani_n20_letztes", A::p0_Animation, 20, 0.3L, 180, 0, 20, B(20, 1, 0.05L), 19, B(20, 19, 0.95L),
                 "Histogramm der Binomialverteilung mit p0=0,95 für n=20, k von 0 bis 20."},
        Bildfall{"n_Ani_erstes", A::n_Animation, 300, 0.3L, 0, 0, 100, 0.4096L, 4, 0.4096L,
                 "Histogramm der Binomialverteilung mit p0=0,8 für n=5, k von 0 bis 100."},
        Bildfall{"n_Ani_letztes", A::n_Animation, 300, 0.3L, 95, 0, 100, 0.4096L, 80, B(100, 80, 0.8L),
                 "Histogramm der Binomialverteilung mit p0=0,8 für n=100, k von 0 bis 100."},
        // 2001 values of k do not fit: every frame narrows to round(mu -+ 3.5 sigma) of its own p0.
        Bildfall{"p0_Ani_n2000_erstes", A::p0_Animation, 2000, 0.3L, 0, 66, 134, B(2000, 100, 0.05L), 100,
                 B(2000, 100, 0.05L), "Histogramm der Binomialverteilung mit p0=0,05 für n=2000, k von 66 bis 134."},
        Bildfall{"p0_Ani_n2000_mitte", A::p0_Animation, 2000, 0.3L, 90, 922, 1078, B(2000, 100, 0.05L), 1000,
                 B(2000, 1000, 0.5L), "Histogramm der Binomialverteilung mit p0=0,5 für n=2000, k von 922 bis 1078."},
        Bildfall{"p0_Ani_n2000_letztes", A::p0_Animation, 2000, 0.3L, 180, 1866, 1934, B(2000, 100, 0.05L), 1900,
                 B(2000, 1900, 0.95L),
                 "Histogramm der Binomialverteilung mit p0=0,95 für n=2000, k von 1866 bis 1934."}),
    [](const auto& i) { return std::string(i.param.Name); });

// P(X=2) of B(15; 0,1) is the scale, since 1,5 rounds to 2; the bar of the mode k = 1 rises
// past the top of the image, its left outline through every row below the caption band.
TEST(Familie, N15UeberragtDieSkala) {
    QImage b = Testbild();
    QString Text;
    const Diagrammgeometrie g = Erkundung(A::mehrere_p0, 15, 0.8L, true).Bild_zeichnen(0, b, Text);
    ASSERT_GT(B(15, 1, 0.1L) / g.Pmax * g.Hoehe_Skala, g.y_Ursprung);
    for (int y = 21; y < g.y_Ursprung; ++y) ASSERT_EQ(Pixel(b, g.x_Ursprung + g.Saeulenbreite, y), clBlack) << y;
}

// The start state holds the table of n = 20, but no frame shows a bar right of the slot of n.
TEST(n_Animation, KeinBalkenRechtsVonN) {
    const Erkundung e(A::n_Animation, 20, 0.8L, true);
    QImage b = Testbild();
    QString Text;
    for (int i = 0; i < e.Bildzahl(); ++i) {
        const Diagrammgeometrie g = e.Bild_zeichnen(i, b, Text);
        const int n = 5 + i;
        for (int y = g.y_Oben; y < g.y_Ursprung; ++y)
            for (int x = g.x_Ursprung + (n + 1) * g.Saeulenbreite + 1; x < g.x_Ende; ++x)
                ASSERT_EQ(Pixel(b, x, y), clWhite) << "n=" << n << " at " << x << "," << y;
    }
}

// A frame depends on its number alone: drawn after others, drawn fresh, it is the same image.
// The Info box adds its rows above the scale, and only when on.
TEST(Bilder, HaengenVonNichtsVorherigemAbNurVonInfo) {
    const Erkundung e(A::p0_Animation, 2000, 0.8L, true);
    QImage frisch = Testbild(), danach = Testbild();
    QString Text;
    e.Bild_zeichnen(50, frisch, Text);
    e.Bild_zeichnen(180, danach, Text);
    e.Bild_zeichnen(50, danach, Text);
    EXPECT_EQ(frisch, danach);

    QImage ohne = Testbild();
    Erkundung(A::p0_Animation, 2000, 0.8L, false).Bild_zeichnen(50, ohne, Text);
    EXPECT_NE(frisch, ohne);
    const QRect unter_Info(0, 45, frisch.width(), frisch.height() - 45);
    EXPECT_EQ(frisch.copy(unter_Info), ohne.copy(unter_Info));
}

}  // namespace
