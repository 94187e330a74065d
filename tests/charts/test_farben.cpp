// The projector palette: two of its colours that mark different things stay apart as
// deuteranopes and protanopes see them and on a washed-out projector, each stands out from
// what it is drawn on, in the beta chart A and V of the p1 bars differ in pattern, and a chart
// drawn in it holds no other colour. The standard palette is pinned by the pixel tests.

#include "charts/Farben.h"

#include "analysis/Ablehnungsbereich.h"
#include "charts/Diagramm.h"
#include "charts/Haeufigkeiten.h"
#include "charts/OC.h"
#include "Testzustand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

// Colour-vision deficiencies as simulated by Machado, Oliveira and Fernandes, "A
// Physiologically-based Model for Simulation of Color Vision Deficiency", IEEE TVCG 15(6),
// 2009: their matrices at severity 1.0, on linear sRGB.
using Matrix = std::array<std::array<long double, 3>, 3>;
struct Sehen {
    const char* Name;
    Matrix M;
};
const std::array<Sehen, 3> Sehweisen{{
    {"normal", {{{1.0L, 0.0L, 0.0L}, {0.0L, 1.0L, 0.0L}, {0.0L, 0.0L, 1.0L}}}},
    {"Deuteranopie",
     {{{0.367322L, 0.860646L, -0.227968L}, {0.280085L, 0.672501L, 0.047413L}, {-0.011820L, 0.042940L, 0.968881L}}}},
    {"Protanopie",
     {{{0.152286L, 1.052583L, -0.204868L}, {0.114503L, 0.786281L, 0.099216L}, {-0.003882L, -0.048116L, 1.051998L}}}},
}};

// A projector in a lit room: its black is 10 % of its white (a contrast of 10:1), added to
// every channel.
constexpr long double Schwarzwert_Projektor = 0.10L;

// The thresholds. CIE76 ΔE of 20 is a difference seen at a glance; washed out, half of it.
constexpr long double dE_mindestens = 20.0L;
constexpr long double dE_gewaschen_mindestens = 10.0L;
// WCAG 2 for graphical objects, here reached even washed out.
constexpr long double Kontrast_mindestens = 3.0L;

using Linear = std::array<long double, 3>;

long double linear(int Kanal) {
    const long double c = Kanal / 255.0L;
    return c <= 0.04045L ? c / 12.92L : std::pow((c + 0.055L) / 1.055L, 2.4L);
}

// The light of the colour as the projector throws it, as seen with v.
Linear Licht(QRgb Farbe, const Sehen& v, long double Schwarzwert) {
    Linear c{linear(qRed(Farbe)), linear(qGreen(Farbe)), linear(qBlue(Farbe))};
    for (long double& k : c) k = Schwarzwert + (1.0L - Schwarzwert) * k;
    Linear r{};
    for (int i = 0; i < 3; ++i) {
        long double s = 0.0L;
        for (int j = 0; j < 3; ++j) s += v.M[i][j] * c[j];
        r[i] = std::clamp(s, 0.0L, 1.0L);
    }
    return r;
}

long double Leuchtdichte(const Linear& c) { return 0.2126L * c[0] + 0.7152L * c[1] + 0.0722L * c[2]; }

// CIELAB under D65, the projector's white as reference white.
Linear Lab(const Linear& c) {
    const long double X = (0.4124L * c[0] + 0.3576L * c[1] + 0.1805L * c[2]) / 0.95047L;
    const long double Y = 0.2126L * c[0] + 0.7152L * c[1] + 0.0722L * c[2];
    const long double Z = (0.0193L * c[0] + 0.1192L * c[1] + 0.9505L * c[2]) / 1.08883L;
    const auto f = [](long double t) {
        return t > 216.0L / 24389.0L ? std::cbrt(t) : (24389.0L / 27.0L * t + 16.0L) / 116.0L;
    };
    return {116.0L * f(Y) - 16.0L, 500.0L * (f(X) - f(Y)), 200.0L * (f(Y) - f(Z))};
}

long double dE76(QRgb a, QRgb b, const Sehen& v, long double Schwarzwert) {
    const Linear x = Lab(Licht(a, v, Schwarzwert)), y = Lab(Licht(b, v, Schwarzwert));
    return std::hypot(x[0] - y[0], x[1] - y[1], x[2] - y[2]);
}

long double Kontrast(QRgb a, QRgb b, long double Schwarzwert) {
    const long double la = Leuchtdichte(Licht(a, Sehweisen[0], Schwarzwert));
    const long double lb = Leuchtdichte(Licht(b, Sehweisen[0], Schwarzwert));
    return (std::max(la, lb) + 0.05L) / (std::min(la, lb) + 0.05L);
}

struct Rolle {
    const char* Name;
    QRgb Farbsatz::*Farbe;  // nullptr: black, the same in every palette
};
QRgb Farbe_von(const Farbsatz& f, const Rolle& r) { return r.Farbe ? f.*(r.Farbe) : clBlack; }

// Every mark of the charts; the lit slot's tint is a background and not among them.
const std::vector<Rolle> Marken{
    {"Texte, Achsen, Umrisse", nullptr},
    {"Hilfslinien", &Farbsatz::Hilfslinien},
    {"p0-Säulen", &Farbsatz::p0_Saeulen},
    {"Bereiche", &Farbsatz::Bereiche},
    {"Erwartungswerte", &Farbsatz::Erwartungswerte},
    {"p1-Säulen", &Farbsatz::p1_Saeulen},
    {"p2-Säulen", &Farbsatz::p2_Saeulen},
    {"Beta", &Farbsatz::Beta},
    {"Normalkurve", &Farbsatz::Normalkurve},
    {"Sigma p0", &Farbsatz::Sigma_p0},
    {"Sigma p1", &Farbsatz::Sigma_p1},
    {"Sigma p2", &Farbsatz::Sigma_p2},
    {"Stichprobe x", &Farbsatz::Stichprobe},
    {"Häufigkeiten", &Farbsatz::Haeufigkeiten},
    {"OC-Kurve", &Farbsatz::OC_Kurve},
};

// Marks that may share a colour: those the standard palette already gives one, and two more
// the projector palette joins (x and the frequencies both show samples; the p2 bars are
// dark enough to mark their own bounds).
bool eine_Farbe_erlaubt(const Rolle& a, const Rolle& b) {
    if (Farbe_von(Standardfarben(), a) == Farbe_von(Standardfarben(), b)) return true;
    const auto Paar = [&](QRgb Farbsatz::*x, QRgb Farbsatz::*y) {
        return (a.Farbe == x && b.Farbe == y) || (a.Farbe == y && b.Farbe == x);
    };
    return Paar(&Farbsatz::Stichprobe, &Farbsatz::Haeufigkeiten) || Paar(&Farbsatz::p2_Saeulen, &Farbsatz::Sigma_p2);
}

TEST(Projektorfarben, zwei_Marken_bleiben_auch_fehlsichtig_und_ausgewaschen_unterscheidbar) {
    const Farbsatz& P = Projektorfarben();
    for (std::size_t i = 0; i < Marken.size(); ++i) {
        for (std::size_t j = i + 1; j < Marken.size(); ++j) {
            const Rolle &a = Marken[i], &b = Marken[j];
            SCOPED_TRACE(std::string(a.Name) + " / " + b.Name);
            const QRgb fa = Farbe_von(P, a), fb = Farbe_von(P, b);
            if (fa == fb) {
                EXPECT_TRUE(eine_Farbe_erlaubt(a, b)) << "one colour for two different marks";
                continue;
            }
            for (const Sehen& v : Sehweisen) {
                EXPECT_GE(dE76(fa, fb, v, 0.0L), dE_mindestens) << v.Name;
                EXPECT_GE(dE76(fa, fb, v, Schwarzwert_Projektor), dE_gewaschen_mindestens)
                    << v.Name << ", ausgewaschen";
            }
        }
    }
}

TEST(Projektorfarben, jede_Marke_hebt_sich_ausgewaschen_vom_Grund_ab) {
    const Farbsatz& P = Projektorfarben();
    // The frequencies are drawn over the lit slot too, half white and half tint.
    const QRgb t = P.Zuletzt;
    const QRgb Hervorgehoben = qRgb((255 + qRed(t)) / 2, (255 + qGreen(t)) / 2, (255 + qBlue(t)) / 2);
    for (const Rolle& r : Marken) {
        EXPECT_GE(Kontrast(Farbe_von(P, r), clWhite, Schwarzwert_Projektor), Kontrast_mindestens) << r.Name;
    }
    EXPECT_GE(Kontrast(P.Haeufigkeiten, Hervorgehoben, Schwarzwert_Projektor), Kontrast_mindestens);
}

// The start state (n = 20, p0 = 0,8, two-sided: V = {0..12; 20}, A = 13..19) with p1 = 0,6.
Zustand Betazustand(bool Saeulendiagramm) {
    Zustand z = Startzustand();
    z.Saeulendiagramm = Saeulendiagramm;
    Testart_setzen(z);
    return z;
}

Schalter Betaschalter() {
    Schalter s;
    s.Info = false;
    s.p1_zeichnen = true;
    s.Alfa_zeigen = true;
    s.Beta_zeigen = true;
    return s;
}

// A row of the bar's part of the slot of k (the right part in the column chart) that is
// inked from one side to the other inside its outline, somewhere below the lower of the bar
// tops: a horizontal hatch line.
bool durchgehende_Zeile(const QImage& b, const Diagrammgeometrie& g, const Zustand& z, int k) {
    const int X = g.x_Ursprung + (k - g.k1) * g.Saeulenbreite;
    const int links = X + (z.Saeulendiagramm ? 10 : 0) + 1, rechts = X + g.Saeulenbreite - 1;
    const int oben = g.y_Ursprung - Balkenhoehe(g, std::min(z.P0_Tabelle[k], z.P1_Tabelle[k])) + 1;
    for (int y = oben; y < g.y_Ursprung; ++y) {
        bool voll = true;
        for (int x = links; x < rechts && voll; ++x) voll = b.pixel(x, y) != clWhite;
        if (voll) return true;
    }
    return false;
}

struct Betafall {
    const char* Name;
    bool Saeulendiagramm;
    bool Projektor;
};

class Betamuster : public testing::TestWithParam<Betafall> {};

// V (k = 12) and A (k = 16) of the p1 bars: in the projector palette only A has lines across.
// k = 12 and 16 have p1 bars tall enough for several hatch rows (P1 = 0,180 and 0,035).
TEST_P(Betamuster, A_und_V_der_p1_Saeulen) {
    const Betafall& f = GetParam();
    Zustand z = Betazustand(f.Saeulendiagramm);
    QImage b = Testbild();
    const Diagrammgeometrie g = Geometrie_berechnen(b, z, Betaschalter());
    Histo_neu_zeichnen(b, z, g, Betaschalter(), f.Projektor ? Projektorfarben() : Standardfarben());
    EXPECT_EQ(durchgehende_Zeile(b, g, z, 16), f.Projektor) << "A";
    EXPECT_FALSE(durchgehende_Zeile(b, g, z, 12)) << "V";
}

INSTANTIATE_TEST_SUITE_P(Farben, Betamuster,
                         testing::Values(Betafall{"Histogramm_Projektor", false, true},
                                         Betafall{"Saeulendiagramm_Projektor", true, true},
                                         Betafall{"Saeulendiagramm_Standard", true, false}),
                         [](const auto& i) { return std::string(i.param.Name); });

std::set<QRgb> Farben_im_Satz(const Farbsatz& f) {
    std::set<QRgb> s{clWhite};
    for (const Rolle& r : Marken) s.insert(Farbe_von(f, r));
    return s;
}

// Every pixel of a chart with every marking on, in the projector palette: a colour of the
// palette, black or white; a mark still drawn in a standard colour shows here.
std::vector<QRgb> Fremde_Farben(const QImage& b) {
    const std::set<QRgb> erlaubt = Farben_im_Satz(Projektorfarben());
    std::set<QRgb> fremd;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (!erlaubt.count(b.pixel(x, y))) fremd.insert(b.pixel(x, y));
    return {fremd.begin(), fremd.end()};
}

class Projektorbild : public testing::TestWithParam<bool> {};

TEST_P(Projektorbild, nur_Farben_des_Satzes) {
    Zustand z = Betazustand(GetParam());
    z.x = 14;
    Schalter s = Betaschalter();
    s.Info = true;
    s.p2_zeichnen = true;
    s.Erwartungswert_zeigen = s.Sigma_zeigen = s.Umgebung_schraffieren = s.Normalverteilung = true;
    s.Annahmebereich_zeigen = s.waagerechte_Strichelung = s.Stichprobenergebnis_zeigen = true;
    QImage b = Testbild();
    const Diagrammgeometrie g = Geometrie_berechnen(b, z, s);
    Histo_neu_zeichnen(b, z, g, s, Projektorfarben());
    Stichprobenstand st;
    st.Ergebnis.Haeufigkeit.assign(21, 1);
    st.Ergebnis.m = 21;
    Haeufigkeiten_zeichnen(b, z, g, s, st, Projektorfarben());
    EXPECT_EQ(Fremde_Farben(b), std::vector<QRgb>{});
    QImage oc = Testbild();
    OC_zeichnen(oc, z, Projektorfarben());
    EXPECT_EQ(Fremde_Farben(oc), std::vector<QRgb>{});
}

INSTANTIATE_TEST_SUITE_P(Farben, Projektorbild, testing::Bool(),
                         [](const auto& i) { return std::string(i.param ? "Saeulendiagramm" : "Histogramm"); });

}  // namespace
