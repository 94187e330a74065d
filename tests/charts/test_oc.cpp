#include "charts/OC.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Zahlen_lesen.h"
#include "analysis/Zahlentexte.h"
#include "charts/UGrafik.h"
#include "charts/Testzustand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr Extended eps = std::numeric_limits<Extended>::epsilon();

// "0,9521" -> 0.9521; the cell texts use the decimal comma, whatever the locale, and so does
// the fields' own reader.
Extended Wert(const std::string& text) {
    Extended w = std::numeric_limits<Extended>::quiet_NaN();
    Dezimal_lesen(text, w);
    return w;
}

// A state whose test kind the last redraw would have set from kli and kre.
Zustand Test_mit(int n, Extended p0, int kli, int kre) {
    Zustand z = Binomialzustand(n, p0);
    z.kli = kli;
    z.kre = kre;
    Testart_setzen(z);
    return z;
}

bool rot(const QImage& b, int x, int y) { return b.pixel(x, y) == clRed; }

class OC : public ::testing::Test {
protected:
    void SetUp() override { Gui_sicherstellen(); }
};

TEST_F(OC, GeometrieAusDerBildhoehe) {
    QImage b = Testbild();
    const Diagrammgeometrie g = OC_Geometrie(b);
    EXPECT_EQ(g.x_Ursprung, 30);
    EXPECT_EQ(g.y_Ursprung, 343);
    EXPECT_EQ(g.y_Oben, 45);
    EXPECT_EQ(g.Hoehe_Skala, 298);
    EXPECT_EQ(g.OC_Breite, 400);
    EXPECT_EQ(g.x_Ende, 460);
}

TEST_F(OC, RahmenAchseBis440TickBei430) {
    QImage b = Testbild();
    Zustand z = Test_mit(20, 0.8L, 12, 20);
    OC_zeichnen(b, z);
    // The p1 axis ends before x = 440 (end point left out), where the arrow's base stands.
    EXPECT_EQ(b.pixel(435, 343), clBlack);
    EXPECT_EQ(b.pixel(449, 343), clBlack) << "arrow tip region";
    EXPECT_EQ(b.pixel(452, 343), clWhite);
    // Tick of p1 = 1 at x = 430, five pixels long.
    EXPECT_EQ(b.pixel(430, 347), clBlack);
    EXPECT_EQ(b.pixel(430, 349), clWhite);
    // Probability axis up to y_Oben - 10.
    EXPECT_EQ(b.pixel(30, 100), clBlack);
    EXPECT_EQ(b.pixel(30, 36), clBlack);
}

TEST_F(OC, OhneAblehnungsbereichWaagerechteLinieOben) {
    QImage b = Testbild();
    Zustand z = Test_mit(20, 0.8L, -1, 21);
    const OC_Tabelle t = OC_zeichnen(b, z);
    for (const std::string& s : t.Beta) EXPECT_EQ(s, "1,0000");
    const int xp = 30 + 320;  // the p0 marker interrupts the curve there
    for (int x = 32; x <= 428; ++x) {
        if (std::abs(x - xp) <= 4) continue;
        ASSERT_TRUE(rot(b, x, 45)) << "x=" << x;
        ASSERT_FALSE(rot(b, x, 200)) << "x=" << x;
    }
}

TEST_F(OC, TabellenspalteP1Und49Zeilen) {
    const OC_Tabelle t = OC_Tabelle_Spalte_p1();
    ASSERT_EQ(t.p1.size(), 49u);
    EXPECT_EQ(t.p1.front(), "0,02");
    EXPECT_EQ(t.p1[24], "0,50");
    EXPECT_EQ(t.p1.back(), "0,98");
    for (const std::string& s : t.Beta) EXPECT_TRUE(s.empty());
}

TEST_F(OC, ZweiMalHintereinanderGleich) {
    QImage a = Testbild(), b = Testbild();
    Zustand z = Test_mit(50, 0.3L, 8, 23);
    const OC_Tabelle ta = OC_zeichnen(a, z);
    const OC_Tabelle tb = OC_zeichnen(b, z);
    EXPECT_TRUE(a == b);
    EXPECT_EQ(ta.Beta, tb.Beta);
    EXPECT_EQ(ta.p1, tb.p1);
}

// Two-sided test at n = 50, p0 = 0.3 (kli = 8, kre = 23, the 5 % regions of the fixture).
// Reference: a plain sum of binomial terms over the acceptance region, computed by the
// fixture's ratio recurrence independently of the analysis layer.
TEST_F(OC, BetaZellenGleichBinomialsummeZweiseitigN50) {
    QImage b = Testbild();
    Zustand z = Binomialzustand(50, 0.3L);
    Testart_setzen(z);
    ASSERT_TRUE(z.Test_beidseitig);
    const OC_Tabelle t = OC_zeichnen(b, z);
    for (int r = 1; r <= OC_Tabellenzeilen; ++r) {
        const Extended p = static_cast<Extended>(r) / 50.0L;
        Wertefeld f;
        Binomialtabelle(f, 50, p);
        Extended summe = 0.0L;
        for (int k = z.kli + 1; k <= z.kre - 1; ++k) summe += f[static_cast<size_t>(k)];
        const std::string& zelle = t.Beta[static_cast<size_t>(r - 1)];
        EXPECT_EQ(zelle, Zahl_fest(Annahmewahrscheinlichkeit(z, p), 6, 4)) << "r=" << r;
        // The text has 4 decimals: half a unit of the last one, plus rounding of the sum.
        EXPECT_NEAR(static_cast<double>(Wert(zelle)), static_cast<double>(summe),
                    static_cast<double>(0.00005L + 1000 * eps))
            << "r=" << r;
        // The curve passes through the table's points: y0 - round(beta * H).
        const int x = 30 + 8 * r, y = 343 - static_cast<int>(std::nearbyint(summe * 298));
        if (std::abs(x - 30 - 120) > 4) {
            EXPECT_TRUE(rot(b, x, y)) << "r=" << r;
        }
    }
}

TEST_F(OC, LeererAnnahmebereichGibtNull) {
    QImage b = Testbild();
    Zustand z = Test_mit(50, 0.3L, 30, 20);  // regions overlap
    const OC_Tabelle t = OC_zeichnen(b, z);
    for (const std::string& s : t.Beta) EXPECT_EQ(s, "0,0000");
    EXPECT_TRUE(rot(b, 200, 342) || rot(b, 200, 343) || rot(b, 200, 344));
}

struct Randfall {
    const char* name;
    int n;
    Extended p0;
    int kli, kre;
    Extended p;
    Extended erwartet;
};

// At p = 0 (p = 1) all mass sits on k = 0 (k = n): acceptance is 1 exactly when the
// acceptance region holds that point.
class OC_Rand : public ::testing::TestWithParam<Randfall> {};

TEST_P(OC_Rand, AnnahmeAmRandDefiniert) {
    const Randfall& f = GetParam();
    Zustand z = Test_mit(f.n, f.p0, f.kli, f.kre);
    EXPECT_EQ(OC_Annahme(z, f.p), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, OC_Rand,
                         ::testing::Values(Randfall{"p0_enthaelt_0_gross", 1000, 0.0L, -1, 1, 0.0L, 1.0L},
                                           Randfall{"p0_links_abgelehnt_gross", 1000, 0.5L, 3, 1001, 0.0L, 0.0L},
                                           Randfall{"p1_enthaelt_n_gross", 1000, 1.0L, 999, 1001, 1.0L, 1.0L},
                                           Randfall{"p1_rechts_abgelehnt_gross", 1000, 0.5L, -1, 600, 1.0L, 0.0L},
                                           Randfall{"p0_klein_ohne_Test", 20, 0.5L, -1, 21, 0.0L, 1.0L},
                                           Randfall{"p1_leerer_Bereich", 20, 0.5L, 15, 10, 1.0L, 0.0L}),
                         [](const ::testing::TestParamInfo<Randfall>& i) { return std::string(i.param.name); });

struct Grosser_Fall {
    const char* name;
    int n;
    Extended p0;
    int kli, kre;
    int xp;  // marker column
};

class OC_Gross : public ::testing::TestWithParam<Grosser_Fall> {
protected:
    void SetUp() override { Gui_sicherstellen(); }
};

// Large n at the ends of the parameter range and with degenerate regions: every table text
// is a number in [0, 1] and the marker sits where p0 maps.
TEST_P(OC_Gross, KeinNaNInTabelleOderBild) {
    const Grosser_Fall& f = GetParam();
    QImage b = Testbild();
    Zustand z = Test_mit(f.n, f.p0, f.kli, f.kre);
    const OC_Tabelle t = OC_zeichnen(b, z);
    for (const std::string& s : t.Beta) {
        ASSERT_EQ(s.size(), 6u) << s;
        const Extended v = Wert(s);
        EXPECT_TRUE(v >= 0.0L && v <= 1.0L) << s;
    }
    // Dashed grey marker line from y_Oben down to the axis at column xp.
    int grau = 0;
    for (int y = 45; y < 343; ++y) grau += b.pixel(f.xp, y) == clGray;
    EXPECT_GT(grau, 50);
    // The circle's red outline lies within 3 pixels of the column.
    int rote = 0;
    for (int x = f.xp - 3; x <= f.xp + 3; ++x)
        for (int y = 40; y <= 348; ++y) rote += rot(b, x, y);
    EXPECT_GT(rote, 0);
}

INSTANTIATE_TEST_SUITE_P(Faelle, OC_Gross,
                         ::testing::Values(Grosser_Fall{"p0_null", 1000, 0.0L, -1, 1, 30},
                                           Grosser_Fall{"p0_eins", 1000, 1.0L, 999, 1001, 430},
                                           Grosser_Fall{"n4000_klein", 4000, 0.01L, 28, 53, 34},
                                           Grosser_Fall{"ohne_Test_gross", 4000, 0.5L, -1, 4001, 230},
                                           Grosser_Fall{"alles_abgelehnt", 4000, 0.5L, 4000, 0, 230},
                                           Grosser_Fall{"Bereiche_ueberlappend", 300, 0.5L, 200, 100, 230}),
                         [](const ::testing::TestParamInfo<Grosser_Fall>& i) { return std::string(i.param.name); });

}  // namespace
