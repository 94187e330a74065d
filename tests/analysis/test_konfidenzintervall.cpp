#include "analysis/Konfidenzintervall.h"

#include "analysis/Berechnung.h"

#include "Analysezustand.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Intervallfall {
    const char* name;
    int x;
    long double Sigmafaktor;
    const char* Edit_p0;
    const char* Label;
};

// n = 20. Bounds of the score interval evaluated in double precision (Python 3):
// x = 0: [0; 0.16113], 1: [0.0088812; 0.23614], 10: [0.29929; 0.70071],
// 16: [0.58398; 0.91934], 20: [0.83887; 1].
const Intervallfall intervallfaelle[] = {
    {"x_null", 0, 1.96L, "0", "[ 0,0000 ; 0,1611 ]"},
    {"x_eins", 1, 1.96L, "0,05", "[ 0,0089 ; 0,2361 ]"},
    {"x_zehn", 10, 1.96L, "0,5", "[ 0,2993 ; 0,7007 ]"},
    {"x_sechzehn", 16, 1.96L, "0,8", "[ 0,5840 ; 0,9193 ]"},
    {"x_gleich_n", 20, 1.96L, "1", "[ 0,8389 ; 1,0000 ]"},
    {"Faktor_null_entartet", 5, 0.0L, "0,25", "[ 0,2500 ; 0,2500 ]"},
    // x left at 25 after n became 20: it counts as 20, never as a proportion above 1.
    {"x_ueber_n", 25, 1.96L, "1", "[ 0,8389 ; 1,0000 ]"},
};

class Konfidenzintervalle : public testing::TestWithParam<Intervallfall> {};

TEST_P(Konfidenzintervalle, Texte_und_neues_p0) {
    const Intervallfall& f = GetParam();
    Zustand z = Startzustand();
    z.x = f.x;
    z.Sigmafaktor = f.Sigmafaktor;
    Schalter s;
    s.Vertrauensintervall_berechnen = true;
    const Berechnungstexte t = Alles_berechnen(z, s);
    EXPECT_EQ(t.Edit_p0, f.Edit_p0);
    EXPECT_EQ(t.Label_Vertrauensintervall_ausgeben, f.Label);
    // The table of distribution 0 now belongs to p0 = x/n.
    EXPECT_EQ(z.P0_Tabelle[7], Binomialverteilung(20, 7, z.p0));
    EXPECT_NEAR(z.mue0, 20 * z.p0, 32 * eps);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Konfidenzintervalle, testing::ValuesIn(intervallfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// x/n is the test's p0: bounds, scale and labels are those of typing x/n into p0.
TEST(Konfidenzintervall, Alles_gehoert_zu_x_durch_n) {
    Zustand mit = Startzustand();
    mit.x = 1;
    mit.n = mit.k2 = 30;
    Schalter s;
    s.Vertrauensintervall_berechnen = true;
    const Berechnungstexte t = Alles_berechnen(mit, s);

    Zustand getippt = Startzustand();
    getippt.n = getippt.k2 = 30;
    getippt.p0 = 1.0L / 30;
    const Berechnungstexte g = Alles_berechnen(getippt, Schalter{});
    EXPECT_EQ(mit.p0, getippt.p0);
    EXPECT_EQ(t.Edit_kre, g.Edit_kre);
    EXPECT_EQ(t.Edit_kre, "4");
    EXPECT_EQ(t.Intervall.Label_Intervallwahrscheinlichkeit2, g.Intervall.Label_Intervallwahrscheinlichkeit2);
    EXPECT_EQ(mit.Pmax, getippt.Pmax);
}

TEST(Konfidenzintervall, Vor_dem_ersten_Zuruecksetzen_keine_Division) {
    Zustand z;  // all zero, n = 0
    EXPECT_EQ(Konfidenzintervall_Text(z), Leeres_Konfidenzintervall);
    EXPECT_EQ(Konfidenz_p0_setzen(z), "0");
    EXPECT_EQ(z.p0, 0.0L);  // the value too, not a NaN that its text would hide
}

}  // namespace
