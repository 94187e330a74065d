#include "analysis/Zahlentexte.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

struct Allgemein_Fall {
    const char* name;
    long double wert;
    const char* text;
};

// Expected texts written by hand from the rules of the general format (15 significant
// digits, fixed notation from 0,0001 to 15 integer digits, otherwise "2,5E-7" style).
const Allgemein_Fall allgemein_faelle[] = {
    {"Null", 0.0L, "0"},
    {"Negative_Null", -0.0L, "0"},
    {"Ganze_Zahl", 95.0L, "95"},
    {"Dezimalbruch", 99.5L, "99,5"},
    {"p_Startwert", 0.8L, "0,8"},
    {"x_durch_n", 1.0L / 20, "0,05"},
    {"Drittel_15_Stellen", 1.0L / 3, "0,333333333333333"},
    {"Zweidrittel_gerundet", 2.0L / 3, "0,666666666666667"},
    {"Negativ", -1.5L, "-1,5"},
    {"Grenze_fest", 0.0001L, "0,0001"},
    {"Unter_Grenze", 0.00009999L, "9,999E-5"},
    {"Klein", 2.5e-7L, "2,5E-7"},
    {"Klein_negativ", -2.5e-7L, "-2,5E-7"},
    {"Erst_gerundet_dann_beurteilt", 0.0000999999999999999999L, "0,0001"},
    {"Fuenfzehn_Ganzstellen", 999999999999999.0L, "999999999999999"},
    {"Sechzehn_Ganzstellen", 1e15L, "1E15"},
    {"Gross_mit_Mantisse", 123456789012345678.0L, "1,23456789012346E17"},
    // 123456789012344,5 is exact in binary: halves go away from zero, not to even.
    {"Haelfte_weg_von_Null", 123456789012344.5L, "123456789012345"},
    {"Kleinster_Subnormaler", std::numeric_limits<long double>::denorm_min(), "3,64519953188247E-4951"},
    {"Groesster_Wert", std::numeric_limits<long double>::max(), "1,18973149535723E4932"},
};

class Zahl_allgemein_Test : public testing::TestWithParam<Allgemein_Fall> {};

TEST_P(Zahl_allgemein_Test, Text) { EXPECT_EQ(Zahl_allgemein(GetParam().wert), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Zeilen, Zahl_allgemein_Test, testing::ValuesIn(allgemein_faelle),
                         [](const auto& info) { return std::string(info.param.name); });

struct Fest_Fall {
    const char* name;
    long double wert;
    int P;
    int D;
    const char* text;
};

// Exact binary values from Python's fractions module (nearest 64-bit significand):
// 98.845L = 98.84500000000000000111..., (double)98.845 = 98.84499999999999886...,
// 2.675L = 2.67499999999999999995..., -0.005L = -0.00499999999999999999989...,
// 1.0005L = 1.00050000000000000001..., 0.0025L = 0.0024999999999999999999492...,
// 1.005L = 1.0049999999999999999957...
// A value below the half in binary whose 18 significant digits read the typed half rounds as
// the half; a double's 98.845 reads 98.8449999999999989 and stays below.
const Fest_Fall fest_faelle[] = {
    {"Intervallwahrscheinlichkeit", 98.8470785L, 5, 2, "98,85"},
    {"Hundert", 100.0L, 5, 2, "100,00"},
    {"Null", 0.0L, 5, 2, "0,00"},
    {"Exakte_Haelfte_aufwaerts", 0.125L, 6, 2, "0,13"},
    {"Exakte_Haelfte_negativ", -0.125L, 6, 2, "-0,13"},
    {"Exakte_Haelfte_ganz", 2.5L, 5, 0, "3"},
    {"Binaer_ueber_Haelfte", 98.845L, 5, 2, "98,85"},
    {"Binaer_unter_Haelfte_double", static_cast<long double>(98.845), 5, 2, "98,84"},
    {"Binaer_unter_Haelfte", 2.675L, 6, 2, "2,68"},
    {"Getippte_Haelfte_p0", 0.0025L, 5, 3, "0,003"},
    {"Getippte_Haelfte_negativ", -0.0025L, 5, 3, "-0,003"},
    {"Getippte_Haelfte_zwei_Dezimalen", 1.005L, 6, 2, "1,01"},
    {"Unter_Haelfte_in_18_Stellen", 0.0024999999999999999L, 5, 3, "0,002"},
    {"Drei_Dezimalen", 1.0005L, 6, 3, "1,001"},
    {"Winzig_negativ_ohne_Vorzeichen", -1e-20L, 6, 4, "0,0000"},
    {"Knapp_unter_Haelfte_negativ", -0.005L, 5, 2, "-0,01"},
    {"Negativ_gerundet", -0.0051L, 5, 2, "-0,01"},
    {"Signifikante_Stellen_groeber", 123.456L, 4, 2, "123,50"},
    {"Dezimalen_groeber", 0.000123456L, 5, 2, "0,00"},
    {"Konfidenzgrenze", 0.23613589351256678L, 6, 4, "0,2361"},
    {"Fuenf_Ganzstellen", 12345.678L, 5, 2, "12346,00"},
    {"Rundung_ueber_P_Ganzstellen", 99999.6L, 5, 2, "1E5"},
    {"Mehr_Ganzstellen_als_P", 123456.0L, 5, 2, "1,2346E5"},
    {"Praezision_unter_eins", 0.5L, 0, 1, "0,5"},
    {"Negative_Dezimalen", 3.14L, 5, -2, "3"},
};

class Zahl_fest_Test : public testing::TestWithParam<Fest_Fall> {};

TEST_P(Zahl_fest_Test, Text) {
    const Fest_Fall& f = GetParam();
    EXPECT_EQ(Zahl_fest(f.wert, f.P, f.D), f.text);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Zahl_fest_Test, testing::ValuesIn(fest_faelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Zahlentexte, Nicht_endliche_Werte_ergeben_Zahlen) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(Zahl_allgemein(nan), "0");
    EXPECT_EQ(Zahl_allgemein(inf), "1,18973149535723E4932");
    EXPECT_EQ(Zahl_allgemein(-inf), "-1,18973149535723E4932");
    EXPECT_EQ(Zahl_fest(nan, 5, 2), "0,00");
    EXPECT_EQ(Zahl_fest(inf, 5, 2), "1,1897E4932");
    EXPECT_EQ(Zahl_fest(-inf, 6, 4), "-1,18973E4932");
}

TEST(Zahlentexte, Ganzzahlen) {
    EXPECT_EQ(Zahl_ganz(-1), "-1");
    EXPECT_EQ(Zahl_ganz(0), "0");
    EXPECT_EQ(Zahl_ganz(4001), "4001");
    EXPECT_EQ(Zahl_ganz(std::numeric_limits<int>::min()), "-2147483648");
}

// Builds de_DE.UTF-8 into a private directory when the system lacks it.
bool Deutsches_Gebietsschema_setzen() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8")) return true;
    const std::string ordner = testing::TempDir() + "quorvel_locale";
    const std::string befehl =
        "mkdir -p " + ordner + " && localedef -i de_DE -f UTF-8 " + ordner + "/de_DE.UTF-8 >/dev/null 2>&1";
    if (std::system(befehl.c_str()) != 0) return false;
    setenv("LOCPATH", ordner.c_str(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

TEST(Zahlentexte, Unabhaengig_vom_Gebietsschema) {
    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    if (!Deutsches_Gebietsschema_setzen()) {
        GTEST_SKIP() << "no German locale can be built here";
    }
    // The C library now writes a comma itself; our texts must neither double nor lose it.
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_STREQ(std::localeconv()->thousands_sep, ".");
    const std::string allgemein = Zahl_allgemein(1234.5L);
    const std::string klein = Zahl_allgemein(2.5e-7L);
    const std::string fest = Zahl_fest(98.8470785L, 5, 2);
    const std::string exakt = Zahl_fest(0.125L, 6, 2);
    std::setlocale(LC_ALL, vorher.c_str());
    EXPECT_EQ(allgemein, "1234,5");
    EXPECT_EQ(klein, "2,5E-7");
    EXPECT_EQ(fest, "98,85");
    EXPECT_EQ(exakt, "0,13");
}

}  // namespace
