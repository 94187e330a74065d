#include "analysis/Konfidenzintervall.h"

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

TEST_P(Konfidenzintervalle, Texte_und_neues_p0)
{
    const Intervallfall& f = GetParam();
    Zustand z = Startzustand();
    z.x = f.x;
    z.Sigmafaktor = f.Sigmafaktor;
    const Konfidenztexte t = Konfidenzintervall_berechnen(z, Schalter{});
    EXPECT_EQ(t.Edit_p0, f.Edit_p0);
    EXPECT_EQ(t.Label_Vertrauensintervall_ausgeben, f.Label);
    // The table of distribution 0 now belongs to p0 = x/n.
    EXPECT_EQ(z.P0_Tabelle[7], Binomialverteilung(20, 7, z.p0));
    EXPECT_NEAR(z.mue0, 20 * z.p0, 32 * eps);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Konfidenzintervalle, testing::ValuesIn(intervallfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Konfidenzintervall, Nur_Verteilung_null_wird_neu_berechnet)
{
    Zustand z = Startzustand();
    z.x = 4;
    Konfidenzintervall_berechnen(z, Schalter{});
    EXPECT_EQ(z.p0, 0.2L);
    // kli, kre and Pmax wait for the next full recomputation.
    EXPECT_EQ(z.kli, 12);
    EXPECT_EQ(z.kre, 20);
    EXPECT_EQ(z.Pmax, Binomialverteilung(20, 16, 0.8L));
}

TEST(Konfidenzintervall, Vor_dem_ersten_Zuruecksetzen_keine_Division)
{
    Zustand z;  // all zero, n = 0
    const Konfidenztexte t = Konfidenzintervall_berechnen(z, Schalter{});
    EXPECT_EQ(t.Label_Vertrauensintervall_ausgeben, Leeres_Konfidenzintervall);
    EXPECT_EQ(t.Edit_p0, "0");
}

}  // namespace
