// Chart markings: marker columns, hatched regions, the normal curve, and a sweep of every
// marking over extreme states.

#include "charts/Markierungen.h"

#include "analysis/Ablehnungsbereich.h"
#include "charts/UGrafik.h"
#include "Testzustand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr Extended inf = std::numeric_limits<Extended>::infinity();
constexpr Extended nan_ = std::numeric_limits<Extended>::quiet_NaN();

// The geometry that the frame computes for k1 = 0, k2 = 20 on the window's 998 x 373 image
// (trunc(943 / 21) = 44 capped to 20, x_Ende = 40 + 20 * 21 + 10 = 470).
Diagrammgeometrie Fenstergeometrie(const Zustand& z) {
    Diagrammgeometrie g;
    g.x_Ursprung = 40;
    g.y_Ursprung = 349;
    g.y_Oben = 52;
    g.Hoehe_Skala = 297;
    g.k1 = z.k1;
    g.k2 = z.k2;
    g.k_Spanne = z.k2 - z.k1;
    g.Saeulenbreite = 20;
    g.x_Ende = 40 + 20 * (g.k_Spanne + 1) + 10;
    g.Pmax = z.Pmax;
    return g;
}

// Start values with every table set to the same height, so that every bar is 149 px tall and
// a hatch shows in every slot it covers.
Zustand Flachzustand() {
    Zustand z = Startzustand();
    for (int k = 0; k <= z.n; ++k) z.P0_Tabelle[k] = z.P1_Tabelle[k] = 0.5L;
    z.Pmax = 1.0L;
    Testart_setzen(z);
    return z;
}

int Anzahl(const QImage& b, QRgb Farbe, int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int y = std::max(0, y0); y < std::min(b.height(), y1); ++y)
        for (int x = std::max(0, x0); x < std::min(b.width(), x1); ++x)
            if (b.pixel(x, y) == Farbe) ++n;
    return n;
}

// Slots k (of the histogram slot grid) that show at least one pixel of the colour inside
// the bar area, above the axis.
std::vector<int> Gefaerbte_Slots(const QImage& b, const Diagrammgeometrie& g, QRgb Farbe, int k_bis) {
    std::vector<int> r;
    for (int k = g.k1; k <= k_bis; ++k) {
        const int x = g.x_Ursprung + (k - g.k1) * g.Saeulenbreite;
        if (Anzahl(b, Farbe, x + 1, x + g.Saeulenbreite, g.y_Oben, g.y_Ursprung) > 0) r.push_back(k);
    }
    return r;
}

std::vector<int> Folge(int von, int bis) {
    std::vector<int> r;
    for (int k = von; k <= bis; ++k) r.push_back(k);
    return r;
}

}  // namespace

// Saeulenbreite 20, k1 = 0, mue0 = 16 put the marker on
// column 40 + trunc(16.5 * 20) = 370, from row y_Ursprung + 3 = 352 up to row 45.
TEST(Markierungen, Erwartungswert_der_Startwerte_auf_Spalte_370) {
    Zustand z = Startzustand();
    Diagrammgeometrie g = Fenstergeometrie(z);
    QImage b = Testbild();
    Erwartungswerte_zeichnen(b, z, g, Schalter{});
    for (int y = 45; y <= 352; ++y) ASSERT_EQ(b.pixel(370, y), clRed) << "row " << y;
    EXPECT_EQ(b.pixel(370, 44), clWhite);
    EXPECT_EQ(b.pixel(370, 353), clWhite);
    EXPECT_EQ(Anzahl(b, clRed, 0, b.width(), 0, b.height()), 352 - 45 + 1);
}

TEST(Markierungen, Erwartungswerte_von_p1_und_p2_nur_wenn_gezeigt) {
    Zustand z = Startzustand();
    Diagrammgeometrie g = Fenstergeometrie(z);
    Schalter s;
    s.p2_zeichnen = true;
    QImage b = Testbild();
    Erwartungswerte_zeichnen(b, z, g, s);
    const int spalte_mue1 = 40 + static_cast<int>((12.0L + 0.5L) * 20);  // mue1 = 20 * 0.6
    const int spalte_mue2 = 40 + static_cast<int>((6.0L + 0.5L) * 20);   // mue2 = 20 * 0.3
    EXPECT_EQ(b.pixel(spalte_mue1, 200), clWhite);
    EXPECT_EQ(b.pixel(spalte_mue2, 200), clRed);
}

struct Spaltenfall {
    const char* Name;
    int Saeulenbreite;
    Extended t;
    bool vorhanden;
    int Spalte;
};

class Markierungsspalten : public testing::TestWithParam<Spaltenfall> {};

TEST_P(Markierungsspalten, Spalte) {
    const Spaltenfall& f = GetParam();
    Diagrammgeometrie g;
    g.k1 = 6;
    g.x_Ursprung = 40;
    g.Saeulenbreite = f.Saeulenbreite;
    const QImage b = Testbild();
    const std::optional<int> px = Markierungsspalte(b, g, f.t);
    ASSERT_EQ(px.has_value(), f.vorhanden);
    if (f.vorhanden) {
        EXPECT_EQ(*px, f.Spalte);
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Markierungsspalten,
                         testing::Values(Spaltenfall{"linker_Slotrand_auf_dem_Ursprung", 20, 5.5L, true, 40},
                                         // trunc(-0.2 * w) is 0 up to w = 4 and -1 from w = 5 on (w = 5 itself sits
                                         // exactly on -1, where the binary 5.3 decides; w = 6 gives -1.2).
                                         Spaltenfall{"knapp_links_Breite_4", 4, 5.3L, true, 40},
                                         Spaltenfall{"knapp_links_Breite_6", 6, 5.3L, true, 39},
                                         Spaltenfall{"Slotmitte", 20, 7.0L, true, 40 + 30},
                                         Spaltenfall{"weit_rechts_am_Bildrand_festgehalten", 20, 1e30L, true, 998},
                                         Spaltenfall{"plus_unendlich", 1, inf, true, 998},
                                         Spaltenfall{"minus_unendlich", 1, -inf, true, -1},
                                         Spaltenfall{"weit_links", 20, -1e30L, true, -1},
                                         Spaltenfall{"NaN_keine_Spalte", 20, nan_, false, 0},
                                         Spaltenfall{"Saeulenbreite_0_keine_Spalte", 0, 7.0L, false, 0}),
                         [](const testing::TestParamInfo<Spaltenfall>& i) { return std::string(i.param.Name); });

TEST(Markierungen, Sigmagrenzen_in_ihren_Farben_und_ungerundet) {
    Zustand z = Startzustand();
    Diagrammgeometrie g = Fenstergeometrie(z);
    Schalter s;
    s.p1_zeichnen = true;
    QImage b = Testbild();
    Sigmagrenzen_zeichnen(b, z, g, s);
    // mue0 +- 1.96 sqrt(3.2) = 16 +- 3.50615: columns 40 + trunc(20.00615 * 20) and
    // 40 + trunc(13.0062 * 20) (closed form n p and sqrt(n p q) of the binomial).
    const Extended d0 = 1.96L * std::sqrt(3.2L);
    EXPECT_EQ(b.pixel(40 + static_cast<int>((16.5L + d0) * 20), 200), clBlack);
    EXPECT_EQ(b.pixel(40 + static_cast<int>((16.5L - d0) * 20), 200), clBlack);
    const Extended d1 = 1.96L * std::sqrt(4.8L);
    EXPECT_EQ(b.pixel(40 + static_cast<int>((12.5L + d1) * 20), 200), clBlue);
    EXPECT_EQ(b.pixel(40 + static_cast<int>((12.5L - d1) * 20), 200), clBlue);
    EXPECT_EQ(Anzahl(b, clGreen, 0, b.width(), 0, b.height()), 0);
}

TEST(Markierungen, Sigma_null_legt_beide_Grenzen_auf_den_Erwartungswert) {
    Zustand z = Startzustand();
    Diagrammgeometrie g = Fenstergeometrie(z);
    z.sigma0 = 0;
    QImage b = Testbild();
    Sigmagrenzen_zeichnen(b, z, g, Schalter{});
    EXPECT_EQ(b.pixel(370, 200), clBlack);
    EXPECT_EQ(Anzahl(b, clBlack, 0, b.width(), 200, 201), 1);
}

TEST(Markierungen, Stichprobenergebnis_violett_bei_x) {
    Zustand z = Startzustand();
    Diagrammgeometrie g = Fenstergeometrie(z);
    z.x = 3;
    QImage b = Testbild();
    Stichprobenergebnis_zeichnen(b, z, g, Schalter{});
    EXPECT_EQ(b.pixel(40 + 70, 300), clPurple);
    EXPECT_EQ(Anzahl(b, clPurple, 0, b.width(), 300, 301), 1);
}

// ---- hatched regions ----

struct Schraffurfall {
    const char* Name;
    int k1, kli, kre;
    void (*Routine)(QImage&, const Zustand&, const Diagrammgeometrie&, const Schalter&, const Farbsatz&);
    int von, bis;  // slots expected hatched in red; von > bis for none
};

class Schraffuren : public testing::TestWithParam<Schraffurfall> {};

TEST_P(Schraffuren, rote_Slots) {
    const Schraffurfall& f = GetParam();
    Zustand z = Flachzustand();
    z.k1 = f.k1;
    Diagrammgeometrie g = Fenstergeometrie(z);
    z.kli = f.kli;
    z.kre = f.kre;
    Testart_setzen(z);
    QImage b = Testbild();
    f.Routine(b, z, g, Schalter{}, Standardfarben());
    EXPECT_EQ(Gefaerbte_Slots(b, g, clRed, z.k2), Folge(f.von, f.bis));
    // Nothing of a region left of the origin, where the axis numbers stand.
    EXPECT_EQ(Anzahl(b, clRed, 0, g.x_Ursprung, 0, b.height()), 0);
    EXPECT_EQ(Anzahl(b, clBlack, 0, g.x_Ursprung, 0, b.height()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Schraffuren,
    testing::Values(Schraffurfall{"Alfa_links_Startwerte", 0, 12, 20, Alfa_links_zeichnen, 0, 12},
                    Schraffurfall{"Alfa_rechts_Startwerte", 0, 12, 20, Alfa_rechts_zeichnen, 20, 20},
                    Schraffurfall{"Alfa_links_ohne_Bereich", 0, -1, 20, Alfa_links_zeichnen, 1, 0},
                    Schraffurfall{"Alfa_rechts_kre_ueber_n", 0, 12, 21, Alfa_rechts_zeichnen, 1, 0},
                    Schraffurfall{"Alfa_links_vor_k1", 6, 4, 20, Alfa_links_zeichnen, 1, 0},
                    Schraffurfall{"Annahme_Startwerte", 0, 12, 20, Annahmebereich_zeichnen, 13, 19},
                    Schraffurfall{"Annahme_einseitig_links", 0, 12, 21, Annahmebereich_zeichnen, 13, 20},
                    Schraffurfall{"Annahme_einseitig_rechts", 0, -1, 18, Annahmebereich_zeichnen, 0, 17},
                    Schraffurfall{"Annahme_kre_n_plus_2", 0, -1, 22, Annahmebereich_zeichnen, 0, 20},
                    Schraffurfall{"Annahme_vor_k1_geschnitten", 6, 3, 20, Annahmebereich_zeichnen, 6, 19}),
    [](const testing::TestParamInfo<Schraffurfall>& i) { return std::string(i.param.Name); });

TEST(Schraffur, laesst_die_Pixel_zwischen_den_Linien_stehen) {
    Zustand z = Flachzustand();
    const Diagrammgeometrie g = Fenstergeometrie(z);
    QImage b = Testbild();
    b.fill(clLime);
    Alfa_links_zeichnen(b, z, g, Schalter{});
    // Inside slot 5 (away from its outline): red lines and lime between them.
    const int x = 40 + 5 * 20;
    const int rot = Anzahl(b, clRed, x + 2, x + 18, 250, 340);
    const int gruen = Anzahl(b, clLime, x + 2, x + 18, 250, 340);
    EXPECT_GT(rot, 0);
    EXPECT_GT(gruen, rot);  // one line in eight pixels of a row
}

TEST(Schraffur, Beta_schwarz_auf_den_p1_Saeulen_rechts_im_Saeulendiagramm) {
    Zustand z = Flachzustand();
    z.Saeulendiagramm = true;
    const Diagrammgeometrie g = Fenstergeometrie(z);
    QImage b = Testbild();
    Beta_zeichnen(b, z, g, Schalter{});
    // Two-sided start test: acceptance region 13..19. Column chart: the right part of the
    // slot (from X + halb = X + 10 on), the left part of slot 13 stays free.
    for (int k = 0; k <= 20; ++k) {
        const int x = 40 + k * 20;
        const bool drin = k >= 13 && k <= 19;
        EXPECT_EQ(Anzahl(b, clBlack, x + 11, x + 20, 210, 340) > 0, drin) << "k " << k;
        EXPECT_EQ(Anzahl(b, clBlack, x + 1, x + 9, 210, 340), 0) << "k " << k;
    }
}

struct Umgebungsfall {
    const char* Name;
    Extended li, re;
    int a, b;
};

class Umgebungsgrenzen : public testing::TestWithParam<Umgebungsfall> {};

TEST_P(Umgebungsgrenzen, gerundet_und_geschnitten) {
    const Umgebungsfall& f = GetParam();
    Zustand z = Startzustand();
    z.Umgebung_li = f.li;
    z.Umgebung_re = f.re;
    const k_Bereich u = Umgebung_runden(z);
    EXPECT_EQ(u.von, f.a);
    EXPECT_EQ(u.bis, f.b);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Umgebungsgrenzen,
                         testing::Values(Umgebungsfall{"Startwerte", 16.0L - 1.96L * std::sqrt(3.2L), 20, 12, 20},
                                         Umgebungsfall{"halbe_gerade_abwaerts", 2.5L, 17.5L, 2, 18},
                                         Umgebungsfall{"halbe_gerade_aufwaerts", 3.5L, 16.5L, 4, 16},
                                         Umgebungsfall{"ausserhalb_0_n", -3, 27, 0, 20},
                                         Umgebungsfall{"unendlich", -inf, inf, 0, 20},
                                         Umgebungsfall{"NaN_ganzer_Bereich", nan_, nan_, 0, 20}),
                         [](const testing::TestParamInfo<Umgebungsfall>& i) { return std::string(i.param.Name); });

TEST(Schraffur, Umgebung_ab_gerundeter_Grenze) {
    Zustand z = Flachzustand();
    z.Umgebung_li = 2.5L;
    z.Umgebung_re = 5.5L;
    const Diagrammgeometrie g = Fenstergeometrie(z);
    QImage b = Testbild();
    Umgebung_zeichnen(b, z, g, Schalter{});
    EXPECT_EQ(Gefaerbte_Slots(b, g, clRed, z.k2), Folge(2, 6));
}

// ---- normal curve ----

namespace {
int Oberste_blaue_Zeile(const QImage& b, int x) {
    for (int y = 0; y < b.height(); ++y)
        if (b.pixel(x, y) == clBlue) return y;
    return -1;
}
}  // namespace

TEST(Normalkurve, Startwerte_Gipfel_ueber_y_Oben_und_ganze_Achse) {
    Zustand z = Startzustand();
    Diagrammgeometrie g = Fenstergeometrie(z);
    QImage b = Testbild();
    Normalkurve_zeichnen(b, z, g, Schalter{});
    // Peak at t = 16 (column 370): 349 - round(phi(0)/sigma0 * 297 / Pmax)
    // = 349 - round(0.223016 / 0.218199 * 297) = 349 - 304 = 45, above y_Oben = 52.
    const int spitze = Oberste_blaue_Zeile(b, 370);
    EXPECT_GE(spitze, 44);
    EXPECT_LE(spitze, 46);
    EXPECT_NE(Oberste_blaue_Zeile(b, 41), -1);
    EXPECT_NE(Oberste_blaue_Zeile(b, g.x_Ende - 1), -1);  // includes the 10 px right of slot 20
    // The 2-pixel pen may spread one column either side of the axis ends, no further.
    EXPECT_EQ(Anzahl(b, clBlue, 0, g.x_Ursprung - 1, 0, b.height()), 0);
    EXPECT_EQ(Anzahl(b, clBlue, g.x_Ende + 2, b.width(), 0, b.height()), 0);
}

struct Kurvenfall {
    const char* Name;
    void (*Aendern)(Zustand&, Diagrammgeometrie&);
};

class Normalkurve_undefiniert : public testing::TestWithParam<Kurvenfall> {};

TEST_P(Normalkurve_undefiniert, zeichnet_nichts) {
    Zustand z = Startzustand();
    Diagrammgeometrie g = Fenstergeometrie(z);
    GetParam().Aendern(z, g);
    QImage b = Testbild();
    Normalkurve_zeichnen(b, z, g, Schalter{});
    EXPECT_EQ(Anzahl(b, clBlue, 0, b.width(), 0, b.height()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Normalkurve_undefiniert,
    testing::Values(Kurvenfall{"sigma_0", [](Zustand& z, Diagrammgeometrie&) { z.sigma0 = 0; }},
                    Kurvenfall{"sigma_NaN", [](Zustand& z, Diagrammgeometrie&) { z.sigma0 = nan_; }},
                    Kurvenfall{"sigma_unendlich", [](Zustand& z, Diagrammgeometrie&) { z.sigma0 = inf; }},
                    Kurvenfall{"mue_unendlich", [](Zustand& z, Diagrammgeometrie&) { z.mue0 = inf; }},
                    Kurvenfall{"Pmax_0", [](Zustand&, Diagrammgeometrie& g) { g.Pmax = 0; }},
                    Kurvenfall{"Saeulenbreite_0", [](Zustand&, Diagrammgeometrie& g) { g.Saeulenbreite = 0; }}),
    [](const testing::TestParamInfo<Kurvenfall>& i) { return std::string(i.param.Name); });

TEST(Normalkurve, winziges_sigma_bleibt_im_Ganzzahlbereich) {
    Zustand z = Startzustand();
    Diagrammgeometrie g = Fenstergeometrie(z);
    z.sigma0 = 1e-300L;  // density at mue0 far beyond any int
    QImage b = Testbild();
    Normalkurve_zeichnen(b, z, g, Schalter{});
    // A spike to the top of the image at mue0, flat on the axis elsewhere.
    EXPECT_EQ(Oberste_blaue_Zeile(b, 370), 0);
    EXPECT_NE(Oberste_blaue_Zeile(b, 100), -1);
    EXPECT_GE(Oberste_blaue_Zeile(b, 100), 347);
}

// ---- sweep: every marking on extreme states ----

#include "analysis/Berechnung.h"
#include "charts/Diagramm.h"
#include "charts/Infobox.h"

namespace {

struct Extremfall {
    std::string Name;
    Zustand z;
    Schalter s;
};

Extremfall Fall(std::string Name, int n, Extended p0, int Art = vaBinomial, void (*nachher)(Zustand&) = nullptr,
                void (*vorher)(Zustand&) = nullptr) {
    Extremfall f{std::move(Name), Binomialzustand(n, p0), Schalter{}};
    f.s.Verteilung_p0 = Art;
    f.s.p1_zeichnen = f.s.p2_zeichnen = true;
    f.z.M0 = static_cast<int>(std::lround(p0 * 100));
    f.z.N0 = std::max(100, n);
    if (vorher) vorher(f.z);
    Alles_berechnen(f.z, f.s);
    if (nachher) nachher(f.z);
    return f;
}

std::vector<Extremfall> Extremfaelle() {
    std::vector<Extremfall> v;
    v.push_back(Fall("n_1", 1, 0.5L));
    v.push_back(Fall("n_4000", 4000, 0.5L));
    v.push_back(Fall("n_4000_p_klein", 4000, 0.001L));
    v.push_back(Fall("p0_0", 20, 0.0L));
    v.push_back(Fall("p0_1", 20, 1.0L));
    for (int art : {vaHypergeo, vaPoisson, vaGeometr})
        for (Extended p : {0.0L, 0.8L, 1.0L})
            v.push_back(
                Fall("Art_" + std::to_string(art) + "_p_" + std::to_string(static_cast<int>(p * 10)), 20, p, art));
    v.push_back(Fall("Geometr_n_4000_p_klein", 4000, 0.0005L, vaGeometr));
    v.push_back(Fall("k1_gleich_k2", 20, 0.8L, vaBinomial, nullptr, [](Zustand& z) { z.k1 = z.k2 = 16; }));
    v.push_back(
        Fall("ohne_Ablehnungsbereich", 20, 0.8L, vaBinomial, nullptr, [](Zustand& z) { z.Alfali = z.Alfare = 0; }));
    v.push_back(Fall("Niveaus_100", 20, 0.8L, vaBinomial, nullptr, [](Zustand& z) { z.Alfali = z.Alfare = 100; }));
    v.push_back(Fall("kre_n_plus_2", 20, 0.8L, vaBinomial, [](Zustand& z) { z.kre = z.n + 2; }));
    v.push_back(Fall("Bereiche_ueberlappend", 20, 0.8L, vaBinomial, [](Zustand& z) { z.kli = 15, z.kre = 10; }));
    v.push_back(Fall("Pmax_0", 20, 0.8L, vaBinomial, [](Zustand& z) { z.Pmax = 0; }));
    v.push_back(Fall("Momente_entartet", 20, 0.8L, vaBinomial, [](Zustand& z) {
        z.mue0 = inf;
        z.sigma0 = nan_;
        z.mue1 = -inf;
        z.sigma2 = inf;
        z.Umgebung_li = nan_;
        z.Umgebung_re = inf;
        z.Sigmafaktor = 7;
    }));
    return v;
}

bool Text_sauber(const QString& t) {
    return !t.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
           !t.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

}  // namespace

TEST(Sweep, jede_Markierung_auf_Extremzustaenden) {
    Gui_sicherstellen();
    using Routine = void (*)(QImage&, const Zustand&, const Diagrammgeometrie&, const Schalter&, const Farbsatz&);
    const Routine Bereiche[] = {Alfa_links_zeichnen, Alfa_rechts_zeichnen, Beta_zeichnen, Annahmebereich_zeichnen,
                                Umgebung_zeichnen};
    const Routine Linien[] = {Normalkurve_zeichnen, Erwartungswerte_zeichnen, Sigmagrenzen_zeichnen,
                              Stichprobenergebnis_zeichnen};
    for (Extremfall& f : Extremfaelle()) {
        SCOPED_TRACE(f.Name);
        for (bool Saeulen : {false, true}) {
            Zustand z = f.z;
            z.Saeulendiagramm = Saeulen;
            QImage b = Testbild();
            const Diagrammgeometrie g = Geometrie_berechnen(b, z, f.s);
            Testart_setzen(z);
            // Regions alone on a white image: nothing left of the origin or right of the axis.
            for (Routine r : Bereiche) r(b, z, g, f.s, Standardfarben());
            int fremd = 0;
            for (int y = 0; y < b.height(); ++y)
                for (int x = 0; x < b.width(); ++x)
                    if ((x < g.x_Ursprung || x > g.x_Ende) && b.pixel(x, y) != clWhite) ++fremd;
            EXPECT_EQ(fremd, 0);
            for (Routine r : Linien) r(b, z, g, f.s, Standardfarben());
            for (Extended t : {z.mue0, z.mue1, z.mue2, z.mue0 + z.Sigmafaktor * z.sigma0}) {
                const std::optional<int> px = Markierungsspalte(b, g, t);
                if (px) {
                    EXPECT_GE(*px, -1);
                    EXPECT_LE(*px, b.width());
                }
            }
            EXPECT_EQ(b.size(), QSize(998, 373));
        }
        // Every combination of the switches that shape the information texts.
        for (int m = 0; m < 256; ++m) {
            Zustand z = f.z;
            QImage b = Testbild();
            const Diagrammgeometrie g = Geometrie_berechnen(b, z, f.s);
            Testart_setzen(z);
            Schalter s = f.s;
            s.p1_zeichnen = m & 1;
            s.p2_zeichnen = m & 2;
            s.Alfa_zeigen = m & 4;
            s.Beta_zeigen = m & 8;
            s.Annahmebereich_zeigen = m & 16;
            s.Umgebung_schraffieren = m & 32;
            s.Erwartungswert_zeigen = m & 64;
            s.Sigma_zeigen = m & 128;
            Info_Texte alle = Info_Zeile1_Texte(z, g, s);
            for (const Info_Texte& t :
                 {Info_Erwartungswerte_Texte(z, g, s), Info_Sigma_Texte(z, g, s), Info_Zeile2_Texte(z, g, s)})
                alle.insert(alle.end(), t.begin(), t.end());
            for (const Infotext& t : alle) EXPECT_TRUE(Text_sauber(t.Text)) << t.Text.toStdString();
            // No text of the second row covers another, whichever boxes are on.
            const Info_Texte zwei = Info_Zeile2_Texte(z, g, s);
            Schrift fett;
            fett.fett = true;
            for (std::size_t i = 0; i < zwei.size(); ++i)
                for (std::size_t j = i + 1; j < zwei.size(); ++j) {
                    const QRect a(zwei[i].x, 25, Textbreite(zwei[i].Text, fett), 17);
                    const QRect c(zwei[j].x, 25, Textbreite(zwei[j].Text, fett), 17);
                    EXPECT_FALSE(a.intersects(c))
                        << m << ": " << zwei[i].Text.toStdString() << " / " << zwei[j].Text.toStdString();
                }
            if (m == 255) {
                Info_Zeile1_zeichnen(b, z, g, s);
                Info_Erwartungswerte_zeichnen(b, z, g, s);
                Info_Sigma_zeichnen(b, z, g, s);
                Info_Zeile2_zeichnen(b, z, g, s);
            }
        }
    }
}
