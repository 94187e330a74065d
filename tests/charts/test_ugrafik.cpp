#include "charts/UGrafik.h"
#include "Testzustand.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Bounds of every pixel that differs from `Grund`; empty QRect when none.
QRect Bemalt(const QImage& Bild, QRgb Grund = clWhite) {
    QRect r;
    for (int y = 0; y < Bild.height(); ++y)
        for (int x = 0; x < Bild.width(); ++x)
            if (Bild.pixel(x, y) != Grund) r |= QRect(x, y, 1, 1);
    return r;
}

struct Eckenfall {
    const char* Name;
    int x1, y1, x2, y2;
};

class RechteckEcken : public ::testing::TestWithParam<Eckenfall> {};

TEST_P(RechteckEcken, CoversMinToMaxMinusOneInEitherCornerOrder) {
    const Eckenfall& f = GetParam();
    QImage Bild = Testbild(40, 30);
    Rechteck(Bild, f.x1, f.y1, f.x2, f.y2, clBlack, clRed, 1, Stiftart::psSolid, Pinselart::bsSolid);
    EXPECT_EQ(Bemalt(Bild), QRect(QPoint(5, 7), QPoint(14, 19)));  // QPoint corners inclusive
    EXPECT_EQ(Bild.pixel(5, 7), clBlack);
    EXPECT_EQ(Bild.pixel(14, 19), clBlack);
    EXPECT_EQ(Bild.pixel(6, 8), clRed);
    EXPECT_EQ(Bild.pixel(13, 18), clRed);
}

INSTANTIATE_TEST_SUITE_P(Ecken, RechteckEcken,
                         ::testing::Values(Eckenfall{"oben_links_zuerst", 5, 7, 15, 20},
                                           Eckenfall{"unten_rechts_zuerst", 15, 20, 5, 7},
                                           Eckenfall{"y_vertauscht", 5, 20, 15, 7},
                                           Eckenfall{"x_vertauscht", 15, 7, 5, 20}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Rechteck, ClearBrushPaintsOnlyTheOutlineRing) {
    QImage Bild = Testbild(20, 20);
    Bild.fill(clGray);
    Rechteck(Bild, 2, 3, 8, 9, clBlack, clWhite, 1, Stiftart::psSolid, Pinselart::bsClear);
    for (int x = 2; x <= 7; ++x) {
        EXPECT_EQ(Bild.pixel(x, 3), clBlack);
        EXPECT_EQ(Bild.pixel(x, 8), clBlack);
    }
    for (int y = 3; y <= 8; ++y) {
        EXPECT_EQ(Bild.pixel(2, y), clBlack);
        EXPECT_EQ(Bild.pixel(7, y), clBlack);
    }
    EXPECT_EQ(Bild.pixel(4, 5), clGray);
    EXPECT_EQ(Bild.pixel(8, 5), clGray);
    EXPECT_EQ(Bild.pixel(5, 9), clGray);
}

TEST(Rechteck, EmptyRectanglePaintsNothing) {
    QImage Bild = Testbild(20, 20);
    Rechteck(Bild, 4, 4, 4, 12, clBlack, clRed, 1, Stiftart::psSolid, Pinselart::bsSolid);
    Rechteck(Bild, 4, 4, 12, 4, clBlack, clRed, 1, Stiftart::psSolid, Pinselart::bsSolid);
    EXPECT_TRUE(Bemalt(Bild).isEmpty());
}

struct Musterfall {
    const char* Name;
    Pinselart Stil;
    Qt::BrushStyle Qt_Stil;
};

class Schraffur : public ::testing::TestWithParam<Musterfall> {};

// Hatches are anchored at the image origin and follow Qt's own pattern brushes, so a
// rectangle, a polygon and a bar at any offset all share one set of hatch lines.
TEST_P(Schraffur, MatchesQtPatternAnchoredAtImageOrigin) {
    const Musterfall& f = GetParam();
    QImage eigen = Testbild(40, 40);
    QImage qt = Testbild(40, 40);
    Rechteck(eigen, 3, 5, 37, 38, clBlue, clBlue, 1, Stiftart::psClear, f.Stil);
    {
        QPainter p(&qt);
        p.setBrushOrigin(0, 0);
        p.fillRect(QRect(3, 5, 34, 33), QBrush(QColor(clBlue), f.Qt_Stil));
    }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(eigen.pixel(x, y), qt.pixel(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Stile, Schraffur,
                         ::testing::Values(Musterfall{"waagerecht", Pinselart::bsHorizontal, Qt::HorPattern},
                                           Musterfall{"senkrecht", Pinselart::bsVertical, Qt::VerPattern},
                                           Musterfall{"vorwaerts_diagonal", Pinselart::bsFDiagonal, Qt::FDiagPattern},
                                           Musterfall{"rueckwaerts_diagonal", Pinselart::bsBDiagonal, Qt::BDiagPattern},
                                           Musterfall{"kreuz", Pinselart::bsCross, Qt::CrossPattern},
                                           Musterfall{"diagonalkreuz", Pinselart::bsDiagCross, Qt::DiagCrossPattern}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Schraffur, ForwardDiagonalFallsFromTopLeftToBottomRight) {
    QImage Bild = Testbild(30, 30);
    Rechteck(Bild, 0, 0, 30, 30, clRed, clRed, 1, Stiftart::psClear, Pinselart::bsFDiagonal);
    int gesetzt = 0;
    for (int y = 0; y + 1 < 30; ++y)
        for (int x = 0; x + 1 < 30; ++x)
            if (Bild.pixel(x, y) == clRed) {
                ++gesetzt;
                EXPECT_EQ(Bild.pixel(x + 1, y + 1), clRed) << x << "," << y;
            }
    EXPECT_GT(gesetzt, 0);
}

TEST(Schraffur, HatchOverABarKeepsOutlineAndPixelsBetweenLines) {
    QImage Bild = Testbild(40, 40);
    Rechteck(Bild, 5, 5, 30, 35, clBlack, clRed, 1, Stiftart::psSolid, Pinselart::bsSolid);
    const QImage vorher = Bild;
    Rechteck(Bild, 5, 5, 30, 35, clBlack, clBlue, 1, Stiftart::psSolid, Pinselart::bsBDiagonal);
    int blau = 0, rot = 0;
    for (int y = 6; y < 34; ++y)
        for (int x = 6; x < 29; ++x) {
            const QRgb c = Bild.pixel(x, y);
            if (c == clBlue)
                ++blau;
            else if (c == clRed)
                ++rot;
            else
                ADD_FAILURE() << "pixel " << x << "," << y << " neither hatch nor bar";
        }
    EXPECT_GT(blau, 0);
    EXPECT_GT(rot, blau);  // one line in eight diagonals: most of the bar stays visible
    for (int x = 5; x < 30; ++x) EXPECT_EQ(Bild.pixel(x, 5), vorher.pixel(x, 5));
}

struct Linienfall {
    const char* Name;
    int x1, y1, x2, y2;
};

class LinieEndpunkt : public ::testing::TestWithParam<Linienfall> {};

TEST_P(LinieEndpunkt, PaintsStartButNotEndPoint) {
    const Linienfall& f = GetParam();
    QImage Bild = Testbild(40, 40);
    Linie(Bild, f.x1, f.y1, f.x2, f.y2, clBlack, 1, Stiftart::psSolid);
    EXPECT_EQ(Bild.pixel(f.x1, f.y1), clBlack);
    EXPECT_EQ(Bild.pixel(f.x2, f.y2), clWhite);
    int schwarz = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) schwarz += Bild.pixel(x, y) == clBlack;
    EXPECT_EQ(schwarz, std::max(std::abs(f.x2 - f.x1), std::abs(f.y2 - f.y1)));
}

INSTANTIATE_TEST_SUITE_P(Richtungen, LinieEndpunkt,
                         ::testing::Values(Linienfall{"rechts", 3, 10, 30, 10}, Linienfall{"links", 30, 10, 3, 10},
                                           Linienfall{"abwaerts", 7, 2, 7, 35}, Linienfall{"aufwaerts", 7, 35, 7, 2},
                                           Linienfall{"diagonal", 2, 2, 22, 22}, Linienfall{"flach", 1, 30, 38, 21},
                                           Linienfall{"steil_zurueck", 20, 38, 12, 1}),
                         [](const auto& info) { return std::string(info.param.Name); });

// Mirror-image edges of a shape must get mirror-image pixels, whichever way they are drawn.
TEST_P(LinieEndpunkt, SamePixelsInBothDirectionsApartFromTheOmittedEnd) {
    const Linienfall& f = GetParam();
    QImage hin = Testbild(40, 40), zurueck = Testbild(40, 40);
    Linie(hin, f.x1, f.y1, f.x2, f.y2, clBlack, 1, Stiftart::psSolid);
    Linie(zurueck, f.x2, f.y2, f.x1, f.y1, clBlack, 1, Stiftart::psSolid);
    hin.setPixel(f.x2, f.y2, clBlack);
    zurueck.setPixel(f.x1, f.y1, clBlack);
    EXPECT_EQ(hin, zurueck);
}

TEST(Linie, ZeroLengthPaintsNothing) {
    QImage Bild = Testbild(10, 10);
    Linie(Bild, 4, 4, 4, 4, clBlack, 2, Stiftart::psSolid);
    EXPECT_TRUE(Bemalt(Bild).isEmpty());
}

TEST(Linie, FarEndPointsAreClippedNotOverflowed) {
    QImage Bild = Testbild(50, 20);
    Linie(Bild, -Pixel_Grenze, 10, Pixel_Grenze, 10, clBlack, 1, Stiftart::psSolid);
    EXPECT_EQ(Bemalt(Bild), QRect(0, 10, 50, 1));
}

TEST(Linie, DottedPaintsEveryOtherPixelFromTheStart) {
    QImage Bild = Testbild(20, 5);
    Linie(Bild, 2, 2, 12, 2, clGray, 1, Stiftart::psDot);
    for (int x = 2; x < 12; ++x) EXPECT_EQ(Bild.pixel(x, 2), (x - 2) % 2 == 0 ? clGray : clWhite) << x;
}

TEST(Bild_loeschen, WhiteWithOrWithoutBlackBorder) {
    QImage Bild = Testbild(30, 20);
    Bild.fill(clRed);
    Bild_loeschen(Bild, false);
    EXPECT_TRUE(Bemalt(Bild).isEmpty());
    Bild_loeschen(Bild, true);
    for (int x = 0; x < 30; ++x) {
        EXPECT_EQ(Bild.pixel(x, 0), clBlack);
        EXPECT_EQ(Bild.pixel(x, 19), clBlack);
    }
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(Bild.pixel(0, y), clBlack);
        EXPECT_EQ(Bild.pixel(29, y), clBlack);
    }
    EXPECT_EQ(Bemalt(Bild.copy(1, 1, 28, 18)), QRect());
}

class Text : public ::testing::Test {
protected:
    void SetUp() override { Gui_sicherstellen(); }
};

TEST_F(Text, SolidBrushFillsTheCellClearBrushLeavesTheChartVisible) {
    const QString t = QStringLiteral("P(X=k)");
    Schrift f;
    f.fett = true;
    const int b = Textbreite(t, f), h = Texthoehe(t, f);
    ASSERT_GT(b, 0);
    ASSERT_GT(h, 0);
    EXPECT_LE(h, 17);  // the height is the whole cell, as the rows of the chart reserve it

    QImage voll = Testbild(120, 40);
    voll.fill(clRed);
    Text_ausgeben(voll, 10, 5, t, f, true);
    int rot_in_zelle = 0;
    for (int y = 5; y < 5 + h; ++y)
        for (int x = 10; x < 10 + b; ++x) rot_in_zelle += voll.pixel(x, y) == clRed;
    EXPECT_EQ(rot_in_zelle, 0);
    EXPECT_EQ(voll.pixel(9, 5), clRed);
    EXPECT_EQ(voll.pixel(10, 5 + h), clRed);

    QImage klar = Testbild(120, 40);
    klar.fill(clRed);
    Text_ausgeben(klar, 10, 5, t, f, false);
    const QRect schrift = Bemalt(klar, clRed);
    ASSERT_FALSE(schrift.isEmpty());
    EXPECT_TRUE(QRect(10, 5, b, h).contains(schrift)) << "glyphs leave their cell";
    int schwarz = 0, rot = 0;
    for (int y = schrift.top(); y <= schrift.bottom(); ++y)
        for (int x = schrift.left(); x <= schrift.right(); ++x) {
            schwarz += klar.pixel(x, y) == clBlack;
            rot += klar.pixel(x, y) == clRed;
        }
    EXPECT_GT(schwarz, 0);
    EXPECT_GT(rot, schwarz);
}

struct Rundungsfall {
    const char* Name;
    long double Wert;
    int trunc;
    int runden;
};

class Pixelumrechnung : public ::testing::TestWithParam<Rundungsfall> {};

TEST_P(Pixelumrechnung, TruncAndRoundWithoutUndefinedConversion) {
    const Rundungsfall& f = GetParam();
    EXPECT_EQ(Pixel_trunc(f.Wert), f.trunc);
    EXPECT_EQ(Pixel_runden(f.Wert), f.runden);
}

constexpr long double inf = std::numeric_limits<long double>::infinity();
INSTANTIATE_TEST_SUITE_P(Werte, Pixelumrechnung,
                         ::testing::Values(Rundungsfall{"halb_zu_gerade_abwaerts", 2.5L, 2, 2},
                                           Rundungsfall{"halb_zu_gerade_aufwaerts", 3.5L, 3, 4},
                                           Rundungsfall{"negativ_zur_null", -0.7L, 0, -1},
                                           Rundungsfall{"negativ_halb", -4.5L, -4, -4},
                                           Rundungsfall{"NaN", std::numeric_limits<long double>::quiet_NaN(), 0, 0},
                                           Rundungsfall{"plus_unendlich", inf, Pixel_Grenze, Pixel_Grenze},
                                           Rundungsfall{"minus_unendlich", -inf, -Pixel_Grenze, -Pixel_Grenze},
                                           Rundungsfall{"riesig", 1e30L, Pixel_Grenze, Pixel_Grenze}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
