// The window's place and zoom on the screens it meets: a remembered rectangle never puts the
// window off the screen, and the zoom keys step within what the screen holds.

#include "ui/Fensterplatz.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Platzfall {
    const char* Name;
    QRect Gemerkt;
    QList<QRect> Verfuegbar;
    QRect Erwartet;
};

void PrintTo(const Platzfall& f, std::ostream* o) { *o << f.Name; }

class Gemerkter_Platz : public ::testing::TestWithParam<Platzfall> {};

TEST_P(Gemerkter_Platz, NieAusserhalbDesBildschirms) {
    const Platzfall& f = GetParam();
    EXPECT_EQ(Rahmen_einpassen(f.Gemerkt, f.Verfuegbar), f.Erwartet);
}

const QRect Schirm_1280{0, 0, 1280, 720};
const QRect Rechts_1280x1024{1920, 0, 1280, 1024};

INSTANTIATE_TEST_SUITE_P(
    Fensterplatz, Gemerkter_Platz,
    ::testing::Values(
        Platzfall{"ganz_darauf_bleibt", {100, 10, 1031, 700}, {Schirm_1280}, {100, 10, 1031, 700}},
        Platzfall{"Titelleiste_ueber_dem_Rand", {124, -15, 1031, 750}, {Schirm_1280}, {124, 0, 1031, 720}},
        Platzfall{"rechts_hinaus", {800, 100, 1031, 600}, {Schirm_1280}, {249, 100, 1031, 600}},
        Platzfall{"groesser_als_der_Schirm", {-40, -40, 1600, 900}, {{0, 0, 1024, 768}}, {0, 0, 1024, 768}},
        Platzfall{"Leiste_links", {0, 0, 1031, 700}, {{48, 0, 1232, 720}}, {48, 0, 1031, 700}},
        Platzfall{"zweiter_Schirm_bleibt",
                  {2000, 100, 1031, 750},
                  {{0, 0, 1920, 1080}, Rechts_1280x1024},
                  {2000, 100, 1031, 750}},
        Platzfall{"zwischen_zwei_Schirmen_auf_den_mit_mehr",
                  {1700, 100, 1031, 750},
                  {{0, 0, 1920, 1080}, Rechts_1280x1024},
                  {1920, 100, 1031, 750}},
        Platzfall{"Schirm_abgezogen_Mitte_des_ersten", {2000, 100, 1031, 750}, {Schirm_1280}, {124, 0, 1031, 720}},
        Platzfall{"nichts_gemerkt_Mitte", QRect(), {{0, 0, 1920, 1080}}, {444, 165, 1031, 750}},
        Platzfall{"kleiner_Schirm_Titelleiste_darauf", {-100, -50, 1031, 750}, {{0, 0, 800, 600}}, {0, 0, 1031, 750}}),
    [](const auto& i) { return std::string(i.param.Name); });

// The step Ctrl+Plus, Ctrl+Minus or Ctrl+0 leads to on a screen (device pixels, available).
struct Zoomfall {
    const char* Name;
    QSize Verfuegbar;
    int Jetzt;
    int Richtung;
    int Erwartet;
};

void PrintTo(const Zoomfall& f, std::ostream* o) { *o << f.Name; }

class Zoomschritt : public ::testing::TestWithParam<Zoomfall> {};

TEST_P(Zoomschritt, InStufenBisZumBildschirm) {
    const Zoomfall& f = GetParam();
    EXPECT_EQ(Zoom_schritt(f.Jetzt, f.Richtung, Zoom_hoechstens(f.Verfuegbar)), f.Erwartet);
}

INSTANTIATE_TEST_SUITE_P(Fensterplatz, Zoomschritt,
                         ::testing::Values(Zoomfall{"Full_HD_groesser", {1920, 1080}, 100, 1, 125},
                                           Zoomfall{"Full_HD_bis_150", {1920, 1080}, 150, 1, 150},
                                           Zoomfall{"Full_HD_mit_Leiste_nur_125", {1920, 1040}, 125, 1, 125},
                                           Zoomfall{"1366x768_bleibt_100", {1366, 768}, 100, 1, 100},
                                           Zoomfall{"4K_bis_200", {3840, 2160}, 175, 1, 200},
                                           Zoomfall{"4K_nicht_ueber_200", {3840, 2160}, 200, 1, 200},
                                           Zoomfall{"kleiner", {3840, 2160}, 150, -1, 125},
                                           Zoomfall{"nicht_unter_100", {3840, 2160}, 100, -1, 100},
                                           Zoomfall{"Normalgroesse", {3840, 2160}, 175, 0, 100},
                                           Zoomfall{"zwischen_Stufen_groesser", {3840, 2160}, 130, 1, 150},
                                           Zoomfall{"zwischen_Stufen_kleiner", {3840, 2160}, 130, -1, 125}),
                         [](const auto& i) { return std::string(i.param.Name); });

}  // namespace
