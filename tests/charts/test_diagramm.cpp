#include "charts/Diagramm.h"

#include "analysis/Ablehnungsbereich.h"
#include "charts/UGrafik.h"
#include "Testzustand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// What the window does around the drawing: the geometry, a narrowed range taken over, the test
// kind; then the chart.
Diagrammgeometrie Zeichnen(QImage& Bild, Zustand& z, const Schalter& s) {
    const Diagrammgeometrie g = Geometrie_berechnen(Bild, z, s);
    z.k1 = g.k1;
    z.k2 = g.k2;
    Testart_setzen(z);
    Histo_neu_zeichnen(Bild, z, g, s);
    return g;
}

class Diagramm : public ::testing::Test {
protected:
    void SetUp() override { Gui_sicherstellen(); }
    QImage Bild = Testbild();
    Zustand z = Startzustand();
    Diagrammgeometrie g;
    Schalter aus = [] {
        Schalter s;
        s.Info = false;
        return s;
    }();
};

// Bounds of the non-white pixels inside `Bereich`.
QRect Bemalt(const QImage& Bild, const QRect& Bereich) {
    QRect r;
    for (int y = Bereich.top(); y <= Bereich.bottom(); ++y)
        for (int x = Bereich.left(); x <= Bereich.right(); ++x)
            if (Bild.pixel(x, y) != clWhite) r |= QRect(x, y, 1, 1);
    return r;
}

struct Geometriefall {
    const char* Name;
    int k1, k2;
    int Saeulenbreite, x_Ende;
};

class Geometrie : public ::testing::TestWithParam<Geometriefall> {};

TEST_P(Geometrie, SlotWidthAndAxisEndOnTheWindowImage) {
    const Geometriefall& f = GetParam();
    Zustand z = Binomialzustand(4000, 0.8L);
    z.k1 = f.k1;
    z.k2 = f.k2;
    const Diagrammgeometrie g = Geometrie_berechnen(Testbild(), z, Schalter{});
    EXPECT_FALSE(g.verengt);
    EXPECT_EQ(g.Saeulenbreite, f.Saeulenbreite);
    EXPECT_EQ(g.x_Ende, f.x_Ende);
    EXPECT_EQ(g.y_Ursprung, 349);
    EXPECT_EQ(g.Hoehe_Skala, 297);
    EXPECT_EQ(g.k1, f.k1);
    EXPECT_EQ(g.k2, f.k2);
}

// 943 = 998 - 15 - 40 pixels of axis.
INSTANTIATE_TEST_SUITE_P(Faelle, Geometrie,
                         ::testing::Values(Geometriefall{"start_0_bis_20_gedeckelt", 0, 20, 20, 470},
                                           Geometriefall{"ein_Slot", 7, 7, 20, 70},
                                           Geometriefall{"44_Slots_gedeckelt", 0, 43, 20, 930},
                                           Geometriefall{"45_Slots_volle_Achse", 0, 44, 20, 983},
                                           Geometriefall{"48_Slots", 0, 47, 19, 983},
                                           Geometriefall{"943_Werte_noch_1_Pixel", 100, 1042, 1, 983}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Verengung, OneValueMoreThanPixelsNarrowsToMuePlusMinus3point5Sigma) {
    Gui_sicherstellen();
    Zustand z = Binomialzustand(4000, 0.8L);
    z.k1 = 100;
    z.k2 = 1043;  // 944 values of k
    QImage Bild = Testbild();
    Schalter s;
    s.Info = false;
    Diagrammgeometrie g = Geometrie_berechnen(Bild, z, s);
    // mue0 = 3200, sigma0 = sqrt(640) = 25.29822...: 3200 -+ 88.5438 rounds to 3111 and 3289.
    EXPECT_TRUE(g.verengt);
    EXPECT_EQ(g.k1, 3111);
    EXPECT_EQ(g.k2, 3289);
    EXPECT_EQ(g.Saeulenbreite, 943 / 179);
    EXPECT_EQ(g.x_Ende, 40 + 5 * 179 + 10);
    EXPECT_EQ(z.k1, 100) << "the state is the window's to change";

    // Once the window has taken the narrowed range, the next redraw keeps it.
    z.k1 = g.k1;
    z.k2 = g.k2;
    EXPECT_FALSE(Geometrie_berechnen(Bild, z, s).verengt);

    z.k1 = 100;
    z.k2 = 1042;  // 943 values fit
    g = Geometrie_berechnen(Bild, z, s);
    EXPECT_FALSE(g.verengt);
    EXPECT_EQ(g.k1, 100);
}

TEST(Verengung, NarrowDistributionKeepsTheSlotCap) {
    Zustand z = Binomialzustand(4000, 0.001L);  // mue0 = 4, sigma0 ~ 2: 12 values after narrowing
    z.k2 = 4000;
    const Diagrammgeometrie g = Geometrie_berechnen(Testbild(), z, Schalter{});
    EXPECT_TRUE(g.verengt);
    EXPECT_EQ(g.k1, 0);
    EXPECT_EQ(g.k2, 11);
    EXPECT_EQ(g.Saeulenbreite, 20);
    EXPECT_EQ(g.x_Ende, 40 + 20 * 12 + 10);
}

TEST(Verengung, MomentsThatAreNotFiniteKeepTheWholeTableAndLeaveNoSlotWidth) {
    Zustand z = Binomialzustand(4000, 0.8L);
    z.sigma0 = std::numeric_limits<Extended>::infinity();
    Diagrammgeometrie g = Geometrie_berechnen(Testbild(), z, Schalter{});
    EXPECT_TRUE(g.verengt);
    EXPECT_EQ(g.k1, 0);
    EXPECT_EQ(g.k2, 4000);
    EXPECT_EQ(g.Saeulenbreite, 0);
    z.mue0 = std::numeric_limits<Extended>::quiet_NaN();
    g = Geometrie_berechnen(Testbild(), z, Schalter{});
    EXPECT_TRUE(g.verengt);
    EXPECT_EQ(g.k1, 0);
    EXPECT_EQ(g.k2, 4000);
}

TEST_F(Diagramm, ZeroSlotWidthDrawsFrameButNoTicksOrBars) {
    z = Binomialzustand(4000, 0.8L);
    z.sigma0 = 1e6L;  // still too wide after narrowing
    g = Zeichnen(Bild, z, aus);
    ASSERT_EQ(g.Saeulenbreite, 0);
    EXPECT_EQ(Bild.pixel(40, 349), clBlack);
    // x_Ende = 50: the arrowhead and the "k" stand at 50..70.
    EXPECT_TRUE(Bemalt(Bild, QRect(41, 52, 900, 290)).isEmpty()) << "no bar above the axis";
    EXPECT_TRUE(Bemalt(Bild, QRect(75, 350, 900, 20)).isEmpty()) << "no tick or number below it";
}

TEST_F(Diagramm, FrameAxesAndArrowheads) {
    g = Geometrie_berechnen(Bild, z, aus);
    Histo_KOS(Bild, g, aus);
    for (int x = 40; x <= 469; ++x) ASSERT_EQ(Bild.pixel(x, 349), clBlack) << x;
    // Arrowhead: base on column 470 from row 346 to 352, tip at 480, white inside.
    EXPECT_EQ(Bild.pixel(470, 346), clBlack);
    EXPECT_EQ(Bild.pixel(470, 352), clBlack);
    EXPECT_EQ(Bild.pixel(480, 349), clBlack);
    EXPECT_EQ(Bild.pixel(473, 349), clWhite);
    EXPECT_EQ(Bild.pixel(482, 349), clWhite);
    // Probability axis from row 349 up to row 31; arrowhead base on row 30, tip at row 20.
    for (int y = 31; y <= 349; ++y) ASSERT_EQ(Bild.pixel(40, y), clBlack) << y;
    EXPECT_EQ(Bild.pixel(37, 30), clBlack);
    EXPECT_EQ(Bild.pixel(43, 30), clBlack);
    EXPECT_EQ(Bild.pixel(40, 20), clBlack);
    EXPECT_EQ(Bild.pixel(40, 27), clWhite);
    // Nothing above the axis to the right of the origin: no bars yet, no auxiliary lines.
    EXPECT_TRUE(Bemalt(Bild, QRect(41, 40, 420, 305)).isEmpty());
}

TEST_F(Diagramm, TicksOfMultiplesOfTenAreLongerAndWider) {
    g = Geometrie_berechnen(Bild, z, aus);
    Histo_KOS(Bild, g, aus);
    // k = 10: centre 40 + trunc(10.5 * 20) = 250, two columns wide, down to row 355 where
    // the white box of its number begins.
    EXPECT_EQ(Bild.pixel(250, 355), clBlack);
    EXPECT_EQ(Bild.pixel(251, 355), clBlack);
    EXPECT_EQ(Bild.pixel(249, 353), clWhite);
    EXPECT_EQ(Bild.pixel(252, 353), clWhite);
    // k = 11: centre 270, one column, rows 350..353 (end row 354 omitted).
    EXPECT_EQ(Bild.pixel(270, 353), clBlack);
    EXPECT_EQ(Bild.pixel(269, 352), clWhite);
    EXPECT_EQ(Bild.pixel(271, 352), clWhite);
}

struct Beschriftungsfall {
    const char* Name;
    int k_Spanne, k;
    bool beschriftet;
};

class k_Beschriftung : public ::testing::TestWithParam<Beschriftungsfall> {};

TEST_P(k_Beschriftung, LabelRuleBySpan) {
    const Beschriftungsfall& f = GetParam();
    EXPECT_EQ(k_beschriftet(f.k, f.k_Spanne), f.beschriftet);
}

INSTANTIATE_TEST_SUITE_P(
    Regeln, k_Beschriftung,
    ::testing::Values(
        Beschriftungsfall{"Spanne30_ungerade", 30, 17, true}, Beschriftungsfall{"Spanne31_ungerade", 31, 17, false},
        Beschriftungsfall{"Spanne31_gerade", 31, 18, true}, Beschriftungsfall{"Spanne69_gerade", 69, 18, true},
        Beschriftungsfall{"Spanne70_gerade", 70, 18, false}, Beschriftungsfall{"Spanne140_fuenf", 140, 35, true},
        Beschriftungsfall{"Spanne141_fuenf", 141, 35, false}, Beschriftungsfall{"Spanne280_zehn", 280, 40, true},
        Beschriftungsfall{"Spanne281_zehn", 281, 40, false}, Beschriftungsfall{"Spanne281_dreissig", 281, 90, true},
        Beschriftungsfall{"Spanne499_dreissig", 499, 90, true}, Beschriftungsfall{"Spanne500_dreissig", 500, 90, false},
        Beschriftungsfall{"Spanne500_fuenfzig", 500, 3150, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(k_Beschriftung, OffsetByCountOfDigits) {
    EXPECT_EQ(k_Beschriftungsversatz(9), 3);
    EXPECT_EQ(k_Beschriftungsversatz(10), 7);
    EXPECT_EQ(k_Beschriftungsversatz(999), 11);
    EXPECT_EQ(k_Beschriftungsversatz(1000), 15);
}

TEST_F(Diagramm, AuxiliaryLinesRowsLabelsAndDots) {
    z.Pmax = 0.25L;
    g = Geometrie_berechnen(Bild, z, aus);
    Schalter s = aus;
    s.waagerechte_Strichelung = true;
    Histo_KOS(Bild, g, s);
    // Rows 52 + round(i * 297 / 5): 59.4, 118.8, 178.2 and 237.6 round to 59, 119, 178, 238.
    const int Zeilen[5] = {52, 111, 171, 230, 290};
    const char* Texte[5] = {"0,250", "0,200", "0,150", "0,100", "0,050"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Hilfslinie_Zeile(g, i), Zeilen[i]);
        EXPECT_EQ(Hilfslinie_Text(g, i), QString::fromLatin1(Texte[i]));
        // Dotted from column 37 on: even distances from 37 are painted.
        EXPECT_EQ(Bild.pixel(101, Zeilen[i]), clGray) << i;
        EXPECT_EQ(Bild.pixel(100, Zeilen[i]), clWhite) << i;
    }
    EXPECT_TRUE(Bemalt(Bild, QRect(45, 291, 420, 58)).isEmpty()) << "no line at 0";
    for (int y = 31; y <= 349; ++y) ASSERT_EQ(Bild.pixel(40, y), clBlack) << "label box cuts the axis at " << y;
}

TEST_F(Diagramm, BarHeightsFollowTheScale) {
    g = Geometrie_berechnen(Bild, z, aus);
    Saeulen_zeichnen(Bild, z, g, z.P0_Tabelle, 16, 16, true, clBlack, Pinselart::bsClear);
    // Pmax = P0(X=16), so k = 16 reaches y_Oben: columns 360..380, rows 52..349.
    EXPECT_EQ(Bemalt(Bild, QRect(0, 0, 998, 373)), QRect(QPoint(360, 52), QPoint(380, 349)));
    EXPECT_EQ(Bild.pixel(370, 200), clWhite);
    Saeulen_zeichnen(Bild, z, g, z.P0_Tabelle, g.k1, g.k2, true, clBlack, Pinselart::bsClear);
    // P(X=15) / P(X=16) = (16/5)(0.2/0.8) = 0.8 exactly: 0.8 * 297 = 237.6 rounds to 238.
    EXPECT_EQ(Bild.pixel(350, 349 - 238), clBlack);
    EXPECT_EQ(Bild.pixel(350, 349 - 239), clWhite);
    EXPECT_EQ(Bild.pixel(350, 349 - 237), clWhite);
    // P(X=0) = 0.2^20 rounds to 0 pixels: only the outline on the axis.
    EXPECT_EQ(Bemalt(Bild, QRect(41, 300, 18, 48)), QRect());
}

struct Saeulenfall {
    const char* Name;
    int Saeulenbreite;
    bool linke_Haelfte;
    int von, bis;  // painted columns relative to the slot start
};

class Saeulendiagramm : public ::testing::TestWithParam<Saeulenfall> {};

TEST_P(Saeulendiagramm, ColumnsTakeTheirPartOfTheSlot) {
    const Saeulenfall& f = GetParam();
    QImage Bild = Testbild();
    Zustand z = Startzustand();
    Diagrammgeometrie g = Geometrie_berechnen(Bild, z, Schalter{});
    z.Saeulendiagramm = true;
    g.Saeulenbreite = f.Saeulenbreite;
    Saeulen_zeichnen(Bild, z, g, z.P0_Tabelle, 16, 16, f.linke_Haelfte, clRed, Pinselart::bsHorizontal);
    const int X = 40 + 16 * f.Saeulenbreite;
    const QRect r = Bemalt(Bild, QRect(0, 0, 998, 373));
    EXPECT_EQ(r.left(), X + f.von);
    EXPECT_EQ(r.right(), X + f.bis);
    EXPECT_EQ(r.bottom(), 349);
}

INSTANTIATE_TEST_SUITE_P(Breiten, Saeulendiagramm,
                         ::testing::Values(Saeulenfall{"w20_p0_erste_11", 20, true, 0, 10},
                                           Saeulenfall{"w20_p1_letzte_11", 20, false, 10, 20},
                                           Saeulenfall{"w1_halb_0_links", 1, true, 0, 1},
                                           Saeulenfall{"w1_halb_0_rechts", 1, false, 0, 1},
                                           Saeulenfall{"w5_halb_2", 5, true, 0, 3},
                                           Saeulenfall{"w7_halb_4", 7, false, 4, 7}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Diagramm, ScaleWithoutPmaxOrWithNonFiniteValuesGivesFlatBars) {
    g = Geometrie_berechnen(Bild, z, aus);
    Wertefeld Werte{};
    Werte[3] = std::numeric_limits<Extended>::quiet_NaN();
    Werte[4] = std::numeric_limits<Extended>::infinity();
    Werte[5] = std::numeric_limits<Extended>::max();
    g.Pmax = 0.0L;  // every shown probability 0
    Saeulen_zeichnen(Bild, z, g, Werte, g.k1, g.k2, true, clBlack, Pinselart::bsClear);
    EXPECT_EQ(Bemalt(Bild, QRect(0, 0, 998, 373)), QRect(QPoint(40, 349), QPoint(460, 349)));
    EXPECT_EQ(Balkenhoehe(g, 0.0L), 0);
    g.Pmax = std::numeric_limits<Extended>::denorm_min();
    EXPECT_EQ(Balkenhoehe(g, 1.0L), 0) << "quotient overflows to infinity";
    g.Pmax = 1.0L;
    EXPECT_EQ(Balkenhoehe(g, std::numeric_limits<Extended>::max()), 0);
    EXPECT_EQ(Balkenhoehe(g, 1e300L), Pixel_Grenze);
}

TEST_F(Diagramm, EntriesAboveNAreNeverDrawn) {
    z.k2 = 25;  // beyond n = 20, as no input field allows
    z.P0_Tabelle[21] = z.Pmax;
    g = Geometrie_berechnen(Bild, z, aus);
    Saeulen_zeichnen(Bild, z, g, z.P0_Tabelle, g.k1, g.k2, true, clBlack, Pinselart::bsClear);
    const int X21 = 40 + 21 * g.Saeulenbreite;
    EXPECT_TRUE(Bemalt(Bild, QRect(X21 + 1, 0, 5 * g.Saeulenbreite, 373)).isEmpty());
}

TEST_F(Diagramm, CumulativeChartScalesToOneAndTopsOutAtYOben) {
    Schalter s = aus;
    s.p0_kumuliert = true;
    g = Zeichnen(Bild, z, s);
    EXPECT_EQ(g.Pmax, 1.0L);
    // P0(X <= 20) = 1 up to rounding of the running sum: the last bar reaches row 52.
    EXPECT_EQ(Bild.pixel(450, 52), clBlack);
    EXPECT_EQ(Bild.pixel(450, 51), clWhite);
}

// The clipboard copy: at least 680 px, else 15 px past the axis end.
TEST(Zwischenablage, BreiteNachDemAchsenende) {
    const QImage Bild = Testbild();
    for (const auto& [x_Ende, Breite] : {std::pair{460, 680}, {600, 680}, {679, 680}, {680, 695}, {700, 715}}) {
        Diagrammgeometrie g;
        g.x_Ende = x_Ende;
        EXPECT_EQ(Zwischenablagebild(Bild, g).width(), Breite) << x_Ende;
    }
}

TEST_F(Diagramm, FullRedrawSetsTestKind) {
    Schalter alles;
    alles.p1_zeichnen = alles.p2_zeichnen = true;
    alles.Erwartungswert_zeigen = alles.Sigma_zeigen = alles.Normalverteilung = true;
    alles.Alfa_zeigen = alles.Beta_zeigen = alles.waagerechte_Strichelung = true;
    alles.Stichprobenergebnis_zeigen = true;
    Zeichnen(Bild, z, alles);
    // kli = 12 and kre = 20 = n: two-sided.
    EXPECT_TRUE(z.Test_beidseitig);
    EXPECT_FALSE(z.Test_links);
    EXPECT_FALSE(z.Test_rechts);
    // The expected-value marker of mue0 = 16 at 40 + trunc(16.5 * 20) = 370, red.
    EXPECT_EQ(Bild.pixel(370, 100), clRed);
}

// The start chart with markings of every kind of shape (bars, hatches, dotted auxiliary
// lines, marker lines, arrowheads), but no normal curve: that one is drawn per device column.
Schalter Formen() {
    Schalter s;
    s.Info = false;
    s.p1_zeichnen = true;
    s.Alfa_zeigen = s.Beta_zeigen = s.waagerechte_Strichelung = true;
    s.Erwartungswert_zeigen = s.Sigma_zeigen = s.Stichprobenergebnis_zeigen = true;
    return s;
}

// Logical boxes of the texts of the start chart, a pixel wider on every side: glyphs of a
// larger font may reach a little beyond the box of the logical one.
std::vector<QRect> Textkaesten(const Diagrammgeometrie& g, const Schalter& s) {
    Schrift normal, fett;
    fett.fett = true;
    auto Kasten = [](int x, int y, const QString& t, const Schrift& f) {
        return QRect(x - 1, y - 1, Textbreite(t, f) + 2, Texthoehe(t, f) + 2);
    };
    std::vector<QRect> k{Kasten(g.x_Ursprung - 30, 5, QStringLiteral("P(X=k)"), fett),
                         Kasten(g.x_Ende + 3, g.y_Ursprung + 5, QStringLiteral("k"), fett),
                         QRect(0, g.y_Ursprung + 6, 2000, 100)};  // the numbers of the k axis
    if (s.waagerechte_Strichelung)
        for (int i = 0; i <= 4; ++i)
            k.push_back(Kasten(g.x_Ursprung - 37, Hilfslinie_Zeile(g, i) - 8, Hilfslinie_Text(g, i), normal));
    return k;
}

struct Skalenfall {
    const char* Name;
    double Skala;
};

class Geraeteskala : public ::testing::TestWithParam<Skalenfall> {
protected:
    void SetUp() override { Gui_sicherstellen(); }
};

TEST_P(Geraeteskala, EveryLogicalPixelOutsideTheTextsBecomesOneCrispBlock) {
    const double s = GetParam().Skala;
    QImage Bild1 = Testbild();
    QImage Bild_s = Diagrammbild(998, 373, s);
    ASSERT_EQ(Bild_s.width(), Geraetepixel(s, 998));
    ASSERT_EQ(Logische_Breite(Bild_s), 998);
    ASSERT_EQ(Logische_Hoehe(Bild_s), 373);
    Zustand z1 = Startzustand(), z_s = Startzustand();
    const Diagrammgeometrie g1 = Zeichnen(Bild1, z1, Formen());
    const Diagrammgeometrie g_s = Zeichnen(Bild_s, z_s, Formen());
    EXPECT_EQ(g_s.Saeulenbreite, g1.Saeulenbreite) << "the geometry is logical";
    EXPECT_EQ(g_s.x_Ende, g1.x_Ende);
    const std::vector<QRect> Texte = Textkaesten(g1, Formen());
    int Schwarz = 0, Fehler = 0;
    for (int y = 0; y < 373; ++y)
        for (int x = 0; x < 998; ++x) {
            if (std::any_of(Texte.begin(), Texte.end(), [&](const QRect& r) { return r.contains(x, y); })) continue;
            const QRgb c = Bild1.pixel(x, y);
            if (c == clBlack) ++Schwarz;
            // Every device pixel of the block has the logical pixel's colour: a black
            // pixel becomes a black block, and no block has a grey, smoothed pixel.
            for (int Y = Geraetepixel(s, y); Y < Geraetepixel(s, y + 1); ++Y)
                for (int X = Geraetepixel(s, x); X < Geraetepixel(s, x + 1); ++X)
                    if (Bild_s.pixel(X, Y) != c && ++Fehler <= 5)
                        ADD_FAILURE() << "logical (" << x << ", " << y << ") device (" << X << ", " << Y
                                      << "): " << std::hex << Bild_s.pixel(X, Y) << " instead of " << c;
        }
    EXPECT_EQ(Fehler, 0);
    EXPECT_GT(Schwarz, 2000) << "the chart has its outlines and hatches";
}

INSTANTIATE_TEST_SUITE_P(Skalen, Geraeteskala,
                         ::testing::Values(Skalenfall{"zwei", 2.0}, Skalenfall{"anderthalb", 1.5},
                                           Skalenfall{"drei", 3.0}),
                         [](const auto& info) { return std::string(info.param.Name); });

// A text blown up from the logical image changes colour only at the borders of the 2 x 2
// blocks; a text drawn at device resolution has its finer edges inside them too.
TEST(Geraeteskala, TextsAreDrawnAtDeviceResolutionNotBlownUp) {
    Gui_sicherstellen();
    QImage Bild = Diagrammbild(998, 373, 2.0);
    Zustand z = Startzustand();
    Schalter s;
    s.Info = false;
    const Diagrammgeometrie g = Zeichnen(Bild, z, s);
    auto dunkel = [&](int X, int Y) { return qGray(Bild.pixel(X, Y)) < 128; };
    int an_Blockgrenzen = 0, in_Bloecken = 0;
    for (const QRect& r : Textkaesten(g, s)) {
        const QRect g = QRect(2 * r.left(), 2 * r.top(), 2 * r.width(), 2 * r.height())
                            .intersected(QRect(1, 1, Bild.width() - 1, Bild.height() - 1));
        for (int Y = g.top(); Y <= g.bottom(); ++Y)
            for (int X = g.left(); X <= g.right(); ++X) {
                // A change between X - 1 and X with odd X lies inside a block; likewise in Y.
                if (dunkel(X, Y) != dunkel(X - 1, Y)) ++(X % 2 == 1 ? in_Bloecken : an_Blockgrenzen);
                if (dunkel(X, Y) != dunkel(X, Y - 1)) ++(Y % 2 == 1 ? in_Bloecken : an_Blockgrenzen);
            }
    }
    ASSERT_GT(an_Blockgrenzen + in_Bloecken, 500) << "the texts are there";
    EXPECT_GT(in_Bloecken, (an_Blockgrenzen + in_Bloecken) / 4);
}

}  // namespace
