// Information box: the composed texts with their positions, and their drawing.

#include "charts/Infobox.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Berechnung.h"
#include "charts/Diagramm.h"
#include "charts/UGrafik.h"
#include "Testzustand.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

// The frame's origin on the window's chart.
const Diagrammgeometrie G40 = [] {
    Diagrammgeometrie g;
    g.x_Ursprung = 40;
    return g;
}();

// Start values with the test kind that the redraw sets first.
Zustand Start() {
    Zustand z = Startzustand();
    Testart_setzen(z);
    return z;
}

// The text standing at (x, y), or "<keiner>".
std::string Text_bei(const Info_Texte& t, int x, int y) {
    for (const Infotext& i : t)
        if (i.x == x && i.y == y) return i.Text.toStdString();
    return "<keiner>";
}

Schalter Alles_an() {
    Schalter s;
    s.Erwartungswert_zeigen = s.Sigma_zeigen = true;
    return s;
}

}  // namespace

// The texts for the start values (n = 20, p0 = 0.8, binomial,
// 5 % on both sides, Sigmafaktor 1.96, Umgebung 95); the percentages agree with exact
// rational sums: 3.2142663 %, 1.1529215 %, 99.0018214 %.
TEST(Infotexte, Zeile1_der_Startwerte) {
    const Zustand z = Start();
    const Schalter s = Alles_an();
    const Info_Texte t = Info_Zeile1_Texte(z, G40, s);
    EXPECT_EQ(Text_bei(t, 80, 5), "n=20");
    EXPECT_EQ(Text_bei(t, 155, 5), "p0=0,800");
    EXPECT_EQ(Text_bei(Info_Erwartungswerte_Texte(z, G40, s), 230, 5), "µ=16,00");
    const Info_Texte sig = Info_Sigma_Texte(z, G40, s);
    ASSERT_EQ(sig.size(), 5u);
    EXPECT_EQ(Text_bei(sig, 310, 5), "σ");
    EXPECT_EQ(Text_bei(sig, 320, 5), "=1,79");
    EXPECT_EQ(Text_bei(sig, 375, 5), "1,96");
    EXPECT_EQ(Text_bei(sig, 405, 5), "·σ");
    EXPECT_EQ(Text_bei(sig, 420, 5), "=3,51");
}

struct Zeile2fall {
    const char* Name;
    bool Alfa, Beta, Annahme, Umgebung, p1, p2;
    int x;
    const char* Text;  // "<keiner>" when nothing may stand there
};

class Zeile2_Startwerte : public testing::TestWithParam<Zeile2fall> {};

TEST_P(Zeile2_Startwerte, Text_an_seiner_Stelle) {
    const Zeile2fall& f = GetParam();
    Zustand z = Start();
    Schalter s;
    s.Alfa_zeigen = f.Alfa;
    s.Beta_zeigen = f.Beta;
    s.Annahmebereich_zeigen = f.Annahme;
    s.Umgebung_schraffieren = f.Umgebung;
    s.p1_zeichnen = f.p1;
    s.p2_zeichnen = f.p2;
    EXPECT_EQ(Text_bei(Info_Zeile2_Texte(z, G40, s), f.x, 25), f.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Zeile2_Startwerte,
    testing::Values(Zeile2fall{"V", true, false, false, false, false, false, 230, "V={0; ... ;12;20; ... ;20}"},
                    Zeile2fall{"alpha", true, false, false, false, false, false, 450, "α"},
                    Zeile2fall{"Alfa_Fehler", true, false, false, false, false, false, 460, "-Fehler=4,37%"},
                    Zeile2fall{"Aufteilung", true, false, false, false, false, false, 560, "=3,21%+1,15%"},
                    // The split is not drawn while the beta error is shown (the two would overlap).
                    Zeile2fall{"keine_Aufteilung_mit_Beta", true, true, false, false, true, false, 560, "<keiner>"},
                    Zeile2fall{"A", false, false, true, false, false, false, 230, "A={13; ... ;19}"},
                    Zeile2fall{"P_A", false, false, true, false, false, false, 390, "P(A)=95,63%"},
                    Zeile2fall{"Umgebung", false, false, false, true, false, false, 230, "95%-Umgebung={12; ... ;20}"},
                    Zeile2fall{"P_U", false, false, false, true, false, false, 460, "P(U)=99,00%"},
                    // beta at p1 = 0.6: P(13 <= X <= 19) for X ~ B(20; 0.6) = 0.415856376 (exact rational sum).
                    Zeile2fall{"beta", false, true, false, false, true, false, 405, "β"},
                    Zeile2fall{"Beta_Fehler", false, true, false, false, true, false, 415, "-Fehler=41,59%"},
                    Zeile2fall{"p1", false, false, false, false, true, false, 80, "p1=0,600"},
                    Zeile2fall{"p2", false, false, false, false, false, true, 155, "p2=0,300"},
                    Zeile2fall{"p1_aus", false, false, false, false, false, true, 80, "<keiner>"}),
    [](const testing::TestParamInfo<Zeile2fall>& i) { return std::string(i.param.Name); });

TEST(Infotexte, Info_aus_entfernt_alle_Texte) {
    Zustand z = Start();
    Schalter s = Alles_an();
    s.Alfa_zeigen = s.Beta_zeigen = s.p1_zeichnen = s.p2_zeichnen = s.Umgebung_schraffieren = true;
    s.Info = false;
    EXPECT_TRUE(Info_Zeile1_Texte(z, G40, s).empty());
    EXPECT_TRUE(Info_Erwartungswerte_Texte(z, G40, s).empty());
    EXPECT_TRUE(Info_Sigma_Texte(z, G40, s).empty());
    EXPECT_TRUE(Info_Zeile2_Texte(z, G40, s).empty());
}

TEST(Infotexte, Erwartungswert_und_Sigma_nur_mit_ihrem_Schalter) {
    const Zustand z = Start();
    EXPECT_TRUE(Info_Erwartungswerte_Texte(z, G40, Schalter{}).empty());
    EXPECT_TRUE(Info_Sigma_Texte(z, G40, Schalter{}).empty());
}

struct Mengenfall {
    const char* Name;
    int kli, kre;
    const char* V;
    const char* A;
    const char* Alfa = nullptr;  // the α error's text, where a row asks for it
};

class Mengen : public testing::TestWithParam<Mengenfall> {};

TEST_P(Mengen, je_Testart) {
    const Mengenfall& f = GetParam();
    Zustand z = Start();
    z.kli = f.kli;
    z.kre = f.kre;
    Testart_setzen(z);
    EXPECT_EQ(Ablehnungsmenge(z).toStdString(), f.V);
    EXPECT_EQ(Annahmemenge(z).toStdString(), f.A);
    Schalter s;
    s.Alfa_zeigen = true;
    if (f.Alfa) {
        EXPECT_EQ(Text_bei(Info_Zeile2_Texte(z, G40, s), 460, 25), f.Alfa);
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Mengen,
                         testing::Values(Mengenfall{"beidseitig", 2, 18, "{0; ... ;2;18; ... ;20}", "{3; ... ;17}"},
                                         // α = 0,2^20 + 0,8^20
                                         Mengenfall{"beidseitig_ab_0", 0, 20, "{0; ... ;0;20; ... ;20}", "{1; ... ;19}",
                                                    "-Fehler=1,15%"},
                                         Mengenfall{"links", 3, 21, "{0; ... ;3}", "{4; ... ;20}"},
                                         Mengenfall{"rechts", -1, 15, "{15; ... ;20}", "{0; ... ;14}"},
                                         Mengenfall{"keiner", -1, 21, "{ }", "{0; ... ;20}"},
                                         Mengenfall{"keiner_kre_n_plus_2", -1, 22, "{ }", "{0; ... ;20}"}),
                         [](const testing::TestParamInfo<Mengenfall>& i) { return std::string(i.param.Name); });

TEST(Infotexte, ohne_Ablehnungsbereich_kein_Alfa_Fehler_und_P_A_100) {
    Zustand z = Start();
    z.kli = -1;
    z.kre = 21;
    Testart_setzen(z);
    Schalter s;
    s.Alfa_zeigen = true;
    EXPECT_EQ(Text_bei(Info_Zeile2_Texte(z, G40, s), 460, 25), "-Fehler=0,00%");
    EXPECT_EQ(Text_bei(Info_Zeile2_Texte(z, G40, s), 560, 25), "<keiner>");
    s.Alfa_zeigen = false;
    s.Annahmebereich_zeigen = true;
    EXPECT_EQ(Text_bei(Info_Zeile2_Texte(z, G40, s), 390, 25), "P(A)=100,00%");
}

TEST(Infotexte, Umgebung_allgemein_formatiert_und_ab_0) {
    Zustand z = Start();
    z.Umgebung = 99.5L;
    z.Umgebung_li = 0;
    z.Umgebung_re = 17.4L;
    Schalter s;
    s.Umgebung_schraffieren = true;
    const Info_Texte t = Info_Zeile2_Texte(z, G40, s);
    EXPECT_EQ(Text_bei(t, 230, 25), "99,5%-Umgebung={0; ... ;17}");
    // a = 0: P(U) = P0(X <= 17) = 1 - P(X >= 18) = 0.7939152 (exact rational sum).
    EXPECT_EQ(Text_bei(t, 460, 25), "P(U)=79,39%");
    EXPECT_NEAR(Umgebungswahrscheinlichkeit(z), z.P0_kumuliert[17], 4 * std::numeric_limits<Extended>::epsilon());
}

TEST(Infotexte, entartete_Momente_ohne_nan_und_inf) {
    Zustand z = Start();
    z.mue0 = std::numeric_limits<Extended>::infinity();
    z.sigma0 = std::numeric_limits<Extended>::quiet_NaN();
    z.Umgebung = std::numeric_limits<Extended>::quiet_NaN();
    Schalter s = Alles_an();
    s.Umgebung_schraffieren = true;
    EXPECT_EQ(Text_bei(Info_Erwartungswerte_Texte(z, G40, s), 230, 5), "µ=–");
    EXPECT_EQ(Text_bei(Info_Sigma_Texte(z, G40, s), 320, 5), "=–");
    EXPECT_EQ(Text_bei(Info_Sigma_Texte(z, G40, s), 420, 5), "=–");
    EXPECT_EQ(Text_bei(Info_Zeile2_Texte(z, G40, s), 230, 25), "–%-Umgebung={12; ... ;20}");
}

// p just above 0, computed as the recomputation does, with the largest sigma factor and
// every text of both rows on: no text may show an infinity, a NaN or a value that overflowed
// (7 sigma of a geometric p = 4E-4932 does) or was clamped to the largest finite one.
struct Extremfall {
    const char* Name;
    int Art;
    Extended p0;
    const char* mue_Text;
};

class Extreme_Eingaben : public testing::TestWithParam<Extremfall> {};

TEST_P(Extreme_Eingaben, Infotexte_nur_mit_endlichen_Zahlen) {
    const Extremfall& f = GetParam();
    Zustand z;
    Startwerte_setzen(z);
    z.p0 = f.p0;
    z.p1 = f.p0;
    z.Sigmafaktor = Sigmafaktor_hoechstens;
    z.Umgebung = 100;
    Schalter s = Alles_an();
    s.Verteilung_p0 = s.Verteilung_p1 = f.Art;
    s.p1_zeichnen = s.Alfa_zeigen = s.Beta_zeigen = s.Umgebung_schraffieren = s.Annahmebereich_zeigen = true;
    Alles_berechnen(z, s);
    Testart_setzen(z);
    Info_Texte alle = Info_Zeile1_Texte(z, G40, s);
    for (const Info_Texte& t :
         {Info_Erwartungswerte_Texte(z, G40, s), Info_Sigma_Texte(z, G40, s), Info_Zeile2_Texte(z, G40, s)})
        alle.insert(alle.end(), t.begin(), t.end());
    ASSERT_GT(alle.size(), 10u);
    EXPECT_EQ(Text_bei(alle, 230, 5), f.mue_Text);
    for (const Infotext& t : alle) {
        EXPECT_FALSE(t.Text.contains(QStringLiteral("∞"))) << t.Text.toStdString();
        EXPECT_FALSE(t.Text.contains(QStringLiteral("inf"), Qt::CaseInsensitive)) << t.Text.toStdString();
        EXPECT_FALSE(t.Text.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << t.Text.toStdString();
        EXPECT_FALSE(t.Text.contains(QStringLiteral("E493"))) << t.Text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Extreme_Eingaben,
                         testing::Values(Extremfall{"Geometrisch_4E_4932", vaGeometr, 4e-4932L, "µ=20,00"},
                                         Extremfall{"Geometrisch_kleinster_Subnormaler", vaGeometr,
                                                    std::numeric_limits<Extended>::denorm_min(), "µ=20,00"},
                                         Extremfall{"Poisson_4E_4932", vaPoisson, 4e-4932L, "µ=0,00"},
                                         Extremfall{"Binomial_4E_4932", vaBinomial, 4e-4932L, "µ=0,00"}),
                         [](const testing::TestParamInfo<Extremfall>& i) { return std::string(i.param.Name); });

// ---- drawing ----

namespace {
int Schwarz(const QImage& b, int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (b.pixel(x, y) == clBlack) ++n;
    return n;
}
}  // namespace

TEST(Infobox, zeichnet_genau_die_Texte_an_ihren_Stellen) {
    Gui_sicherstellen();
    Zustand z = Start();
    Schalter s;
    QImage b = Testbild();
    Info_Zeile1_zeichnen(b, z, G40, s);
    Schrift f;
    f.fett = true;
    const int h = Texthoehe("n=20", f);
    const int w_n = Textbreite("n=20", f);
    const int w_p = Textbreite("p0=0,800", f);
    EXPECT_GT(Schwarz(b, 80, 80 + w_n, 5, 5 + h), 0);
    EXPECT_GT(Schwarz(b, 155, 155 + w_p, 5, 5 + h), 0);
    // Nothing outside the two text cells.
    const int alle = Schwarz(b, 0, b.width(), 0, b.height());
    EXPECT_EQ(alle, Schwarz(b, 80, 80 + w_n, 5, 5 + h) + Schwarz(b, 155, 155 + w_p, 5, 5 + h));
}

// The texts stand at fixed offsets: the widest text each place can get must end before the
// next text's offset, measured in the chart font. The offsets are those from x_Ursprung; the
// split of the alpha error has nothing after it but must fit the clipboard copy (at least
// 680 px wide); a k label starts k_Beschriftungsversatz left of its slot centre.
struct Nachbarfall {
    const char* Name;
    const char* Text;
    bool fett;
    int x;
    int naechstes_x;
};

class Nachbartexte_ueberlappen_nicht : public testing::TestWithParam<Nachbarfall> {};

TEST_P(Nachbartexte_ueberlappen_nicht, Text_endet_vor_dem_naechsten) {
    Gui_sicherstellen();
    const Nachbarfall& f = GetParam();
    Schrift s;
    s.fett = f.fett;
    const int Breite = Textbreite(QString::fromUtf8(f.Text), s);
    EXPECT_GT(Breite, 0);
    EXPECT_LT(f.x + Breite, f.naechstes_x) << f.Text << " is " << Breite << " px wide";
}

const Nachbarfall Nachbarfaelle[] = {
    {"Startwerte_Alfa_Fehler", "-Fehler=4,37%", true, 420, 520},
    {"Startwerte_n", "n=20", true, 40, 115},
    {"Startwerte_p0", "p0=0,800", true, 115, 190},
    {"Startwerte_V", "V={0; ... ;12;20; ... ;20}", true, 190, 410},
    {"n_4000", "n=4000", true, 40, 115},
    {"mue_4000", "µ=4000,00", true, 190, 270},
    {"sigma", "σ", true, 270, 280},
    {"sigma0_Poisson_4000", "=63,25", true, 280, 335},
    {"Sigmafaktor_7", "7,00", true, 335, 365},
    {"mal_sigma", "·σ", true, 365, 380},
    {"V_vierstellig", "V={0; ... ;1948;2052; ... ;4000}", true, 190, 410},
    {"alpha", "α", true, 410, 420},
    {"Alfa_Fehler_100", "-Fehler=100,00%", true, 420, 520},
    {"Aufteilung_zweistellig", "=12,34%+12,34%", true, 520, 680 - Diagramm_x_Ursprung},
    {"Umgebung_vierstellig", "95%-Umgebung={1938; ... ;2062}", true, 190, 420},
    {"A_vierstellig", "A={1949; ... ;2051}", true, 190, 350},
    {"OC_Titel", "OC-Kurve für  n=4000", false, 30, 175},
    {"OC_p0", "p0=0,80", false, 175, 240},
    {"OC_alpha", "α", false, 240, 250},
    {"OC_Alfali_100", "-li=100,0%", false, 250, 310},
    {"k_dreistellig", "130", false, -k_Beschriftungsversatz(130),
     Saeulenbreite_hoechstens - k_Beschriftungsversatz(131)},
};

INSTANTIATE_TEST_SUITE_P(Zeilen, Nachbartexte_ueberlappen_nicht, testing::ValuesIn(Nachbarfaelle),
                         [](const testing::TestParamInfo<Nachbarfall>& i) { return std::string(i.param.Name); });

TEST(Infobox, durchsichtig_die_Grafik_bleibt_zwischen_den_Buchstaben) {
    Gui_sicherstellen();
    Zustand z = Start();
    Schalter s;
    s.Alfa_zeigen = true;
    QImage b = Testbild();
    b.fill(clRed);
    Info_Zeile2_zeichnen(b, z, G40, s);
    Schrift f;
    f.fett = true;
    const QString v = "V={0; ... ;12;20; ... ;20}";
    const int breite = Textbreite(v, f), hoehe = Texthoehe(v, f);
    int rot = 0, schwarz = 0;
    for (int y = 25; y < 25 + hoehe; ++y)
        for (int x = 230; x < 230 + breite; ++x) {
            rot += b.pixel(x, y) == clRed;
            schwarz += b.pixel(x, y) == clBlack;
        }
    EXPECT_GT(schwarz, 0);
    EXPECT_GT(rot, schwarz);
    EXPECT_EQ(Schwarz(b, 0, b.width(), 0, 25), 0);  // row 2 only
}

// The decision on x stands in row 5 beside the widest texts that row can get (n = 4000, all
// row-5 markings on): over none of them, and inside a window's image where the row has room.
TEST(Infobox, Entscheidung_in_Zeile1_ueber_keinem_Text) {
    Zustand z = Binomialzustand(4000, 0.5L);
    z.x = 1948;
    z.Sigmafaktor = 7;
    Testart_setzen(z);
    Schalter s = Alles_an();
    s.Alfa_zeigen = s.Stichprobenergebnis_zeigen = true;
    Schrift f;
    f.fett = true;
    const auto Kasten = [&](const Infotext& t) {
        return QRect(t.x, t.y, Textbreite(t.Text, f), Texthoehe(t.Text, f));
    };
    for (const int Breite : {998, 700}) {
        const Info_Texte e = Info_Entscheidung_Texte(z, G40, s, Breite);
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(e[0].y, 5);
        for (const Info_Texte& Zeile :
             {Info_Zeile1_Texte(z, G40, s), Info_Erwartungswerte_Texte(z, G40, s), Info_Sigma_Texte(z, G40, s)})
            for (const Infotext& t : Zeile)
                EXPECT_FALSE(Kasten(e[0]).intersects(Kasten(t))) << Breite << ": " << t.Text.toStdString();
        if (Breite == 998) {
            EXPECT_LE(Kasten(e[0]).right(), Breite - 5);
        }
    }
    s.Stichprobenergebnis_zeigen = false;
    EXPECT_TRUE(Info_Entscheidung_Texte(z, G40, s, 998).empty());
}
