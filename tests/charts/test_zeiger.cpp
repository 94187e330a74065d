// What a press on the chart takes hold of, on the start chart (k = 0..20 in slots of 20 px
// from column 40: bar k spans columns 40 + 20 k .. 59 + 20 k; kli = 12, kre = 20, x = 1).

#include "charts/Zeiger.h"

#include "analysis/Ablehnungsbereich.h"
#include "charts/Diagramm.h"
#include "Testzustand.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Grifffall {
    const char* Name;
    int Spalte;
    int Zeile;
    int x;
    int kli;
    bool Alfa, Annahme, x_Marke;
    Griff erwartet;
};

class Griffe : public testing::TestWithParam<Grifffall> {};

TEST_P(Griffe, Druck_auf_die_Grafik) {
    const Grifffall& f = GetParam();
    Zustand z = Startzustand();
    z.x = f.x;
    z.kli = f.kli;
    Testart_setzen(z);
    Schalter s;
    s.Alfa_zeigen = f.Alfa;
    s.Annahmebereich_zeigen = f.Annahme;
    s.Stichprobenergebnis_zeigen = f.x_Marke;
    const Diagrammgeometrie g = Geometrie_berechnen(Testbild(), z, s);
    ASSERT_EQ(g.Saeulenbreite, 20);
    EXPECT_EQ(Griff_bei(z, s, g, QPoint(f.Spalte, f.Zeile)), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Start, Griffe,
    testing::Values(Grifffall{"Balken_von_kli", 285, 300, 1, 12, true, false, false, Griff::V_links},
                    Grifffall{"Kante_nach_kli_4px_daneben", 304, 300, 1, 12, true, false, false, Griff::V_links},
                    Grifffall{"Balken_in_A_5px_neben_der_Kante", 305, 300, 1, 12, true, false, false, Griff::keiner},
                    Grifffall{"Balken_von_kre", 445, 300, 1, 12, true, false, false, Griff::V_rechts},
                    Grifffall{"mit_dem_Annahmebereich", 285, 300, 1, 12, false, true, false, Griff::V_links},
                    Grifffall{"ohne_Markierung_der_Bereiche", 285, 300, 1, 12, false, false, false, Griff::keiner},
                    // No left region: its edge is the origin, where a drag makes one.
                    Grifffall{"kein_linker_Bereich_Kante_am_Ursprung", 42, 300, 1, -1, true, false, false,
                              Griff::V_links},
                    // x's marker at column 290 on bar kli: the nearer line wins.
                    Grifffall{"x_Marke_auf_dem_Balken_von_kli", 291, 300, 12, 12, true, false, true, Griff::x},
                    Grifffall{"Balken_von_x", 62, 300, 1, 12, true, false, true, Griff::x},
                    Grifffall{"x_ohne_seine_Marke", 62, 300, 1, 12, true, false, false, Griff::keiner},
                    Grifffall{"ueber_der_Grafik_in_der_Infobox", 285, 30, 1, 12, true, false, false, Griff::keiner}),
    [](const testing::TestParamInfo<Grifffall>& i) { return std::string(i.param.Name); });

}  // namespace
