// Reading the numbers of the edit fields from their text, and the rules that judge them.

#include "Analysezustand.h"
#include "Eingabefaelle.h"

#include "analysis/Eingaberegeln.h"
#include "analysis/Zahlen_lesen.h"
#include "analysis/Zahlentexte.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

// ---- Dezimal_lesen ------------------------------------------------------------------------

struct Dezimalfall {
    const char* name;
    const char* text;
    Extended erwartet;  // compared exactly: every row is one correctly rounded operation
};

class Dezimal_gelesen : public ::testing::TestWithParam<Dezimalfall> {};

TEST_P(Dezimal_gelesen, gibt_den_Wert) {
    const auto& f = GetParam();
    Extended wert = -12345;
    ASSERT_TRUE(Dezimal_lesen(f.text, wert));
    EXPECT_EQ(wert, f.erwartet);
    EXPECT_FALSE(std::signbit(wert) && wert == 0) << "negative zero must read as plain 0";
}

// Expected values are the nearest long double of the decimal, or one division of two such.
INSTANTIATE_TEST_SUITE_P(
    Zeilen, Dezimal_gelesen,
    ::testing::Values(
        Dezimalfall{"Komma", "0,8", 0.8L}, Dezimalfall{"Punkt", "0.8", 0.8L},
        Dezimalfall{"Drittel", "1/3", 1.0L / 3.0L}, Dezimalfall{"Dreiviertel", "3/4", 0.75L},
        Dezimalfall{"Dezimalbruch", "2,5/10", 0.25L}, Dezimalfall{"Nenner_mit_Komma", "1/0,5", 2.0L},
        Dezimalfall{"Leerzeichen_vorn", "  1,5", 1.5L}, Dezimalfall{"Leerzeichen_vor_Nenner", "1/ 4", 0.25L},
        Dezimalfall{"Plus", "+2", 2.0L}, Dezimalfall{"Minus", "-0,5", -0.5L},
        Dezimalfall{"negativer_Bruch", "-1/8", -0.125L}, Dezimalfall{"Exponent", "1e3", 1000.0L},
        Dezimalfall{"Exponent_gross", "2,5E-7", 2.5e-7L}, Dezimalfall{"ohne_Ganzteil", ",5", 0.5L},
        Dezimalfall{"ohne_Nachkomma", "5,", 5.0L}, Dezimalfall{"fuehrende_Nullen", "007", 7.0L},
        Dezimalfall{"Sigmafaktor_Start", "1,96", 1.96L}, Dezimalfall{"Null", "0", 0.0L},
        Dezimalfall{"minus_Null", "-0", 0.0L}, Dezimalfall{"minus_Null_Bruch", "-0/5", 0.0L},
        Dezimalfall{"Unterlauf_liest_Null", "1e-5000", 0.0L},
        Dezimalfall{"Quotient_unterlaeuft", "1e-4000/1e935", 0.0L},
        Dezimalfall{"groesster_Wert", "1,18973149535723176502e4932", std::numeric_limits<Extended>::max()},
        Dezimalfall{"viele_Ziffern", "0,333333333333333333333333333333333", 0.333333333333333333333333333333333L}),
    [](const auto& info) { return std::string(info.param.name); });

struct Fehlerfall {
    const char* name;
    const char* text;
};

class Dezimal_abgelehnt : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(Dezimal_abgelehnt, laesst_den_Wert_stehen) {
    Extended wert = 42.5L;
    EXPECT_FALSE(Dezimal_lesen(GetParam().text, wert));
    EXPECT_EQ(wert, 42.5L);
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Dezimal_abgelehnt,
    ::testing::Values(Fehlerfall{"leer", ""}, Fehlerfall{"nur_Leerzeichen", "  "},
                      Fehlerfall{"Division_durch_Null", "1/0"}, Fehlerfall{"Nenner_Null_Komma", "1/0,0"},
                      Fehlerfall{"Nenner_unterlaeuft_zu_Null", "1/1e-5000"}, Fehlerfall{"ohne_Zaehler", "/3"},
                      Fehlerfall{"ohne_Nenner", "3/"}, Fehlerfall{"zwei_Striche", "1/2/3"},
                      Fehlerfall{"zwei_Kommas", "1,2,3"}, Fehlerfall{"Leerzeichen_hinten", "1 "},
                      Fehlerfall{"Leerzeichen_vor_Strich", "1 /3"}, Fehlerfall{"Exponent_ohne_Ziffern", "1e"},
                      Fehlerfall{"nur_Exponent", "e5"}, Fehlerfall{"nur_Komma", ","}, Fehlerfall{"nur_Vorzeichen", "-"},
                      Fehlerfall{"doppeltes_Vorzeichen", "--1"}, Fehlerfall{"Minus_hinten", "1-"},
                      Fehlerfall{"Buchstaben", "abc"}, Fehlerfall{"inf", "inf"}, Fehlerfall{"nan", "nan"},
                      Fehlerfall{"Hex", "0x10"}, Fehlerfall{"Ueberlauf", "1e5000"},
                      Fehlerfall{"Ueberlauf_knapp", "1,2e4932"}, Fehlerfall{"Quotient_laeuft_ueber", "1e4000/1e-4000"},
                      Fehlerfall{"arabische_Ziffer", "\u0663"}, Fehlerfall{"breite_Ziffer", "\uff11"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Ganzzahl_lesen -----------------------------------------------------------------------

struct Ganzfall {
    const char* name;
    const char* text;
    bool gelesen;
    int erwartet;
};

class Ganzzahl : public ::testing::TestWithParam<Ganzfall> {};

TEST_P(Ganzzahl, liest_oder_laesst_stehen) {
    const auto& f = GetParam();
    int wert = 777;
    EXPECT_EQ(Ganzzahl_lesen(f.text, wert), f.gelesen);
    EXPECT_EQ(wert, f.gelesen ? f.erwartet : 777);
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Ganzzahl,
    ::testing::Values(Ganzfall{"einfach", "20", true, 20}, Ganzfall{"Leerzeichen_vorn", "  7", true, 7},
                      Ganzfall{"Plus", "+5", true, 5}, Ganzfall{"Minus", "-3", true, -3},
                      Ganzfall{"fuehrende_Nullen", "0007", true, 7},
                      Ganzfall{"Maximum", "2147483647", true, 2147483647},
                      Ganzfall{"Minimum", "-2147483648", true, std::numeric_limits<int>::min()},
                      Ganzfall{"ueber_Maximum", "2147483648", false, 0},
                      Ganzfall{"unter_Minimum", "-2147483649", false, 0},
                      Ganzfall{"riesig", "99999999999999999999999", false, 0}, Ganzfall{"leer", "", false, 0},
                      Ganzfall{"nur_Minus", "-", false, 0}, Ganzfall{"Leerzeichen_hinten", "1 ", false, 0},
                      Ganzfall{"Komma", "1,0", false, 0}, Ganzfall{"Exponent", "1e3", false, 0},
                      Ganzfall{"Buchstabe", "12a", false, 0}, Ganzfall{"arabische_Ziffer", "\u0663", false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Zufallseingaben ----------------------------------------------------------------------

// Texts from the characters a field can hold after typing or pasting, plus some it can't.
std::string Zufallstext(std::mt19937_64& zufall) {
    // One entry per character; the two before the last take several bytes in UTF-8.
    static const std::vector<std::string> zeichen = [] {
        std::vector<std::string> z;
        for (char c : std::string_view("0123456789012345678901234567890123456789,,,,..//  +-eExinf"))
            z.emplace_back(1, c);
        z.insert(z.end(), {"\u0663", "\uff11", "a"});
        return z;
    }();
    std::string text;
    if (zufall() % 4 == 0) {
        // Shaped like a real entry: [-]digits[,digits][e[-]digits][/digits[,digits]]
        auto ziffern = [&](int hoechstens) {
            const int n = 1 + static_cast<int>(zufall() % hoechstens);
            for (int i = 0; i < n; ++i) text += static_cast<char>('0' + zufall() % 10);
        };
        if (zufall() % 5 == 0) text += '-';
        ziffern(25);
        if (zufall() % 2) {
            text += ',';
            ziffern(25);
        }
        if (zufall() % 3 == 0) {
            text += 'e';
            if (zufall() % 2) text += '-';
            ziffern(4);
        }
        if (zufall() % 2) {
            text += '/';
            ziffern(20);
        }
        return text;
    }
    const int laenge = static_cast<int>(zufall() % 13);
    for (int i = 0; i < laenge; ++i) text += zeichen[zufall() % zeichen.size()];
    return text;
}

TEST(Dezimal_Zufall, eine_Million_Texte_nie_NaN_und_allgemeines_Format_kehrt_zurueck) {
    std::mt19937_64 zufall(20240611);
    const Extended unberuehrt = -0.0123L;
    long angenommen = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const std::string text = Zufallstext(zufall);
        Extended wert = unberuehrt;
        if (!Dezimal_lesen(text, wert)) {
            ASSERT_EQ(wert, unberuehrt) << text;
            continue;
        }
        ++angenommen;
        ASSERT_TRUE(std::isfinite(wert)) << text;
        // The general format carries 15 significant digits: reading it back lands within half a
        // unit of the 15th digit, and formatting that again gives the same text.
        const std::string allgemein = Zahl_allgemein(wert);
        Extended zurueck = 0;
        ASSERT_TRUE(Dezimal_lesen(allgemein, zurueck)) << text << " -> " << allgemein;
        ASSERT_LE(std::fabs(zurueck - wert), (5e-15L + 4 * eps) * std::fabs(wert)) << text << " -> " << allgemein;
        ASSERT_EQ(Zahl_allgemein(zurueck), allgemein) << text;
    }
    // The generator must exercise both outcomes in earnest.
    EXPECT_GT(angenommen, 200'000);
    EXPECT_LT(angenommen, 800'000);
}

// The reference reads the same texts another way: a pattern check and std::from_chars.
TEST(Ganzzahl_Zufall, stimmt_mit_Vergleichsweg_ueberein) {
    std::mt19937_64 zufall(77);
    static const char zeichen[] = "0123456789 +-,a";
    for (int i = 0; i < 300'000; ++i) {
        std::string text;
        const int laenge = static_cast<int>(zufall() % 14);
        for (int j = 0; j < laenge; ++j) text += zeichen[zufall() % (sizeof zeichen - 1)];

        static const std::regex muster("^ *[+-]?[0-9]+$");
        bool erwartet = false;
        long long vergleich = 0;
        if (std::regex_search(text, muster)) {
            std::string rest = text.substr(text.find_first_not_of(' '));
            if (rest[0] == '+') rest.erase(0, 1);
            const auto r = std::from_chars(rest.data(), rest.data() + rest.size(), vergleich);
            erwartet = r.ec == std::errc() && vergleich >= std::numeric_limits<int>::min() &&
                       vergleich <= std::numeric_limits<int>::max();
        }
        int wert = 0;
        ASSERT_EQ(Ganzzahl_lesen(text, wert), erwartet) << "'" << text << "'";
        if (erwartet) {
            ASSERT_EQ(wert, vergleich) << text;
        }
    }
}

// ---- Regeln ---------------------------------------------------------------------------------

template <class T>
Urteil<Extended> reell(const Urteil<T>& u) {
    return {u.Art, Extended(u.Wert), u.Text, u.Ton, u.Meldung, u.Grund};
}

// The field's rule with the state values its exit handler passes.
Urteil<Extended> Urteilen(const Eingabefall& f, Zustand& z, const Schalter& s) {
    const std::string_view feld = f.feld, t = f.text;
    const int i = feld.back() - '0';  // the row of a p, M or N field
    if (feld == "Edit_n") return reell(n_pruefen(t, z, s));
    if (feld == "Edit_Stichprobenergebnis") return reell(x_pruefen(t, z.n));
    if (feld == "Edit_k1") return reell(k1_pruefen(t, z.k2));
    if (feld == "Edit_k2") return reell(k2_pruefen(t, z.k1, z.n));
    if (feld.starts_with("Edit_p")) return p_pruefen(t, Zeile_von(z, i));
    if (feld.starts_with("Edit_M")) return reell(M_pruefen(t, Zeile_von(z, i)));
    if (feld.starts_with("Edit_N")) return reell(N_pruefen(t, Zeile_von(z, i), z.n));
    if (feld.starts_with("Edit_Alfa")) return Niveau_pruefen(t);
    if (feld == "Edit_kli") return reell(kli_pruefen(t, z.kre, z.n));
    if (feld == "Edit_kre") return reell(kre_pruefen(t, z.kli, z.n));
    if (feld == "Edit_Sigmafaktor") return Sigmafaktor_pruefen(t);
    if (feld == "Edit_Stichprobenzahl") return reell(Stichprobenzahl_pruefen(t));
    if (feld == "Edit_Startwert") return reell(Startwert_pruefen(t));
    EXPECT_EQ(feld, "Edit_Umgebung");
    return Umgebung_pruefen(t);
}

class Regel : public ::testing::TestWithParam<Eingabefall> {};

TEST_P(Regel, urteilt) {
    const Eingabefall& f = GetParam();
    // What the window's preparation changes, as far as the rules read it.
    Schalter s;
    Zustand z = Startzustand();
    s.Verteilung_p0 =
        f.vor == Vorbereitung::Zeile0_Hypergeo || f.vor == Vorbereitung::Zeile0_Hypergeo_M5 ? vaHypergeo : vaBinomial;
    s.Verteilung_p1 = f.vor == Vorbereitung::Zeile1_Hypergeo ? vaHypergeo : vaBinomial;
    s.Verteilung_p2 = f.vor == Vorbereitung::Zeile2_Hypergeo ? vaHypergeo : vaBinomial;
    if (f.vor == Vorbereitung::Zeile0_Hypergeo_M5) z.M0 = 5;
    if (f.vor == Vorbereitung::Alfare_0) z.kre = z.n + 1;
    if (f.vor == Vorbereitung::Alfali_0) z.kli = -1;

    const Urteil<Extended> u = Urteilen(f, z, s);
    ASSERT_EQ(u.Art, f.Art);
    EXPECT_EQ(u.Ton, f.Ton);
    EXPECT_EQ(u.Meldung, f.Meldung ? f.Meldung : "");
    // The words beside the field: a rule for every verdict but Annehmen, and a correction
    // names the text the field shows instead.
    EXPECT_EQ(u.Grund.empty(), f.Art == Urteilsart::Annehmen) << u.Grund;
    if (f.Art == Urteilsart::Korrigieren) {
        EXPECT_TRUE(u.Grund.ends_with(std::string(" – ") + f.Feldtext + " eingesetzt")) << u.Grund;
    }
    if (f.Art == Urteilsart::Abweisen) return;
    EXPECT_EQ(u.Wert, f.Wert);
    EXPECT_EQ(u.Text, f.Art == Urteilsart::Korrigieren ? f.Feldtext : "");
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Regel, ::testing::ValuesIn(Eingabefaelle),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
