#pragma once
// Entries into the edit fields: the field, its text, the state before, and the verdict of the
// field's rule. core_tests judge them with the rules alone; ui_tests enter them into the
// real window, which must carry the verdict out.

#include "analysis/Eingaberegeln.h"

#include <limits>
#include <ostream>
#include <vector>

enum class Vorbereitung {
    keine,
    Zeile0_Hypergeo,
    Zeile0_Hypergeo_M5,
    Zeile1_Hypergeo,
    Zeile2_Hypergeo,
    Konfidenzintervall_an,
    Alfare_0,
    Stichprobenfeld_offen,
    Alfali_0
};

struct Eingabefall {
    const char* name;
    Vorbereitung vor;
    const char* feld;  // objectName
    const char* text;  // UTF-8
    bool einfuegen;    // pasted, so a minus passes the key filter
    Urteilsart Art;
    bool Ton = false;                // Abweisen
    const char* Meldung = nullptr;   // Abweisen; nullptr for none
    const char* Feldtext = nullptr;  // Korrigieren, Annehmen: the field's text afterwards
    Extended Wert = 0;               // Korrigieren, Annehmen: the value taken
    // In the window, for the cases that run there: a field or label the follow-up work
    // writes, how its text starts, and a value of the state afterwards. nullptr: rule only.
    const char* anderes_Feld = nullptr;
    const char* anderer_Text = nullptr;
    Extended (*Zustandswert)(const Zustand&) = nullptr;
    Extended erwartet = 0;
    Extended Toleranz = 0;
};
inline void PrintTo(const Eingabefall& f, std::ostream* o) { *o << f.name; }

inline const std::vector<Eingabefall> Eingabefaelle = [] {
    using V = Vorbereitung;
    constexpr Extended eps = std::numeric_limits<Extended>::epsilon();
    constexpr Urteilsart Ab = Urteilsart::Abweisen, Ko = Urteilsart::Korrigieren, An = Urteilsart::Annehmen;
    return std::vector<Eingabefall>{
        {"n_leer", V::keine, "Edit_n", "", false, Ab, true},
        {"n_4001", V::keine, "Edit_n", "4001", false, Ab, true},
        {"n_0", V::keine, "Edit_n", "0", false, Ab, true},
        {"n_ueber_N1_ungezeichnet", V::Zeile1_Hypergeo, "Edit_n", "60", false, Ab, true, "n zu groß für Hypergeo"},
        {"n_gleich_N1", V::Zeile1_Hypergeo, "Edit_n", "50", false, An, false, nullptr, "50", 50},
        {"x_leer", V::keine, "Edit_Stichprobenergebnis", "", false, Ab},
        {"k1_leer", V::keine, "Edit_k1", "", false, Ab},
        {"k2_leer", V::keine, "Edit_k2", "", false, Ab},
        {"p0_durch_Null", V::keine, "Edit_p0", "1/0", false, Ab},
        {"p1_ohne_Zaehler", V::keine, "Edit_p1", "/3", false, Ab},
        {"p2_ohne_Nenner", V::keine, "Edit_p2", "3/", false, Ab},
        {"Alfali_zwei_Kommas", V::keine, "Edit_Alfali", "1,2,3", false, Ab},
        {"Alfare_zwei_Striche", V::keine, "Edit_Alfare", "1/2/3", false, Ab},
        {"kli_leer", V::keine, "Edit_kli", "", false, Ab},
        {"kre_leer", V::keine, "Edit_kre", "", false, Ab},
        {"M0_leer", V::Zeile0_Hypergeo, "Edit_M0", "", false, Ab, true},
        {"M0_gleich_N0", V::Zeile0_Hypergeo, "Edit_M0", "100", false, Ab, true, "M0 muss kleiner als N0 sein !"},
        {"M0_negativ_eingefuegt", V::Zeile0_Hypergeo, "Edit_M0", "-5", true, Ab, true},
        {"N0_null", V::Zeile0_Hypergeo, "Edit_N0", "0", false, Ab, true},
        {"N0_gleich_M0", V::Zeile0_Hypergeo, "Edit_N0", "80", false, Ab, true, "N0 muss größer als M0 sein !"},
        {"N0_unter_n", V::Zeile0_Hypergeo_M5, "Edit_N0", "10", false, Ab, true, "N0 muss größer gleich n sein !"},
        {"M1_gleich_N1", V::Zeile1_Hypergeo, "Edit_M1", "50", false, Ab, true, "M1 muss kleiner als N1 sein !"},
        {"N1_leer", V::Zeile1_Hypergeo, "Edit_N1", "", false, Ab, true},
        {"M2_ueber_N2", V::Zeile2_Hypergeo, "Edit_M2", "71", false, Ab, true, "M2 muss kleiner als N2 sein !"},
        {"N2_gleich_M2", V::Zeile2_Hypergeo, "Edit_N2", "21", false, Ab, true, "N2 muss größer als M2 sein !"},
        {"Sigmafaktor_7_01", V::keine, "Edit_Sigmafaktor", "7,01", false, Ab, true},
        {"Sigmafaktor_leer", V::keine, "Edit_Sigmafaktor", "", false, Ab, true},
        {"Umgebung_100_5", V::keine, "Edit_Umgebung", "100,5", false, Ab, true},
        {"Umgebung_Bruch_durch_Null", V::keine, "Edit_Umgebung", "5/0", false, Ab, true},
        {"Stichprobenzahl_0", V::Stichprobenfeld_offen, "Edit_Stichprobenzahl", "0", false, Ab, true},
        {"Stichprobenzahl_ueber_eine_Million", V::Stichprobenfeld_offen, "Edit_Stichprobenzahl", "1000001", false, Ab,
         true},
        {"Startwert_leer", V::Stichprobenfeld_offen, "Edit_Startwert", "", false, Ab, true},
        {"Startwert_negativ", V::Stichprobenfeld_offen, "Edit_Startwert", "-1", true, Ab, true},
        // Corrected and taken; the value is the one the field shows afterwards.
        {"Alfali_150", V::keine, "Edit_Alfali", "150", false, Ko, false, nullptr, "0", 0, "Edit_kli", "-1",
         [](auto& z) { return z.Alfali; }, 0},
        {"Alfare_150", V::keine, "Edit_Alfare", "150", false, Ko, false, nullptr, "0", 0, "Edit_kre", "21",
         [](auto& z) { return Extended(z.kre); }, 21},
        {"kre_99_bei_n_20", V::keine, "Edit_kre", "99", false, Ko, false, nullptr, "21", 21, "Edit_Alfare", "0",
         [](auto& z) { return Extended(z.kre); }, 21},
        {"kli_ueber_kre", V::keine, "Edit_kli", "99", false, Ko, false, nullptr, "-1", -1, "Edit_Alfali", "0",
         [](auto& z) { return Extended(z.kli); }, -1},
        {"kli_minus_3_eingefuegt", V::keine, "Edit_kli", "-3", true, Ko, false, nullptr, "-1", -1},
        // Without a right region kre = 21 lets 21 pass the first step; the second puts it at n.
        {"kli_ueber_n", V::Alfare_0, "Edit_kli", "21", false, Ko, false, nullptr, "20", 20},
        {"kre_negativ_eingefuegt", V::keine, "Edit_kre", "-1", true, Ko, false, nullptr, "21", 21},
        {"kre_negativ_ohne_linken_Bereich", V::Alfali_0, "Edit_kre", "-1", true, Ko, false, nullptr, "21", 21,
         "Edit_Alfare", "0", [](auto& z) { return Extended(z.kre); }, 21},
        {"kre_n_plus_2", V::keine, "Edit_kre", "22", false, Ko, false, nullptr, "21", 21},
        {"p0_1_5", V::keine, "Edit_p0", "1,5", false, Ko, false, nullptr, "0,8", 0.8L, "Edit_kli", "12",
         [](auto& z) { return z.p0; }, 0.8L},
        {"p0_minus_eingefuegt", V::keine, "Edit_p0", "-0,5", true, Ko, false, nullptr, "0,8", 0.8L},
        {"p1_2", V::keine, "Edit_p1", "2", false, Ko, false, nullptr, "0,6", 0.6L},
        {"p2_drei_Halbe", V::keine, "Edit_p2", "3/2", false, Ko, false, nullptr, "0,3", 0.3L, "Edit_p0", "0,8",
         [](auto& z) { return z.p2; }, 0.3L},
        {"x_ueber_n", V::keine, "Edit_Stichprobenergebnis", "25", false, Ko, false, nullptr, "0", 0,
         "Label_Vertrauensintervall_ausgeben", "[ 0,0000 ; 0,0000 ]", [](auto& z) { return Extended(z.x); }, 0},
        {"x_n_plus_1", V::keine, "Edit_Stichprobenergebnis", "21", false, Ko, false, nullptr, "0", 0,
         "Label_Vertrauensintervall_ausgeben", "[ 0,0000 ; 0,0000 ]", [](auto& z) { return Extended(z.x); }, 0},
        {"x_minus_1_eingefuegt", V::keine, "Edit_Stichprobenergebnis", "-1", true, Ko, false, nullptr, "0", 0},
        {"k1_ueber_k2", V::keine, "Edit_k1", "25", false, Ko, false, nullptr, "0", 0},
        {"k2_ueber_n", V::keine, "Edit_k2", "25", false, Ko, false, nullptr, "20", 20, "Edit_k1", "0",
         [](auto& z) { return Extended(z.k2); }, 20},
        // Binomial values for n = 20, p0 = 0,8 are exact sums of the terms C(20,k)·0,8^k·0,2^(20-k)
        // in rational arithmetic: P(X<=10) = 0,0025948274..., P(X>=18) = 0,2060847189...,
        // P(X<=13) = 0,0866925..., P(X<=14) = 0,1957922... (so a level of 10 % gives kli = 13).
        // Phi(1,96) - Phi(-1,96) = 0,9500042... (standard normal table).
        {"p1_Drittel_bleibt_als_Bruch", V::keine, "Edit_p1", "1/3", false, An, false, nullptr, "1/3", 1.0L / 3.0L,
         "Edit_p0", "0,8", [](auto& z) { return z.p1; }, 1.0L / 3.0L},
        {"Stichprobenzahl_eine_Million", V::Stichprobenfeld_offen, "Edit_Stichprobenzahl", "1000000", false, An, false,
         nullptr, "1000000", 1000000},
        {"Sigmafaktor_1_96", V::keine, "Edit_Sigmafaktor", "1,96", false, An, false, nullptr, "1,96", 1.96L,
         "Edit_Umgebung", "95,0004", [](auto& z) { return z.Umgebung; }, 95.00042L, 1e-5L},
        // 19600 additions of 0,0001, each rounded once.
        {"Umgebung_95", V::keine, "Edit_Umgebung", "95", false, An, false, nullptr, "95", 95, "Edit_Sigmafaktor",
         "1,96", [](auto& z) { return z.Sigmafaktor; }, 1.96L, 19600 * 2 * eps},
        {"Umgebung_100_Faktor_7", V::keine, "Edit_Umgebung", "100", false, An, false, nullptr, "100", 100,
         "Edit_Sigmafaktor", "7", [](auto& z) { return z.Sigmafaktor; }, 7},
        {"Umgebung_0", V::keine, "Edit_Umgebung", "0", false, An, false, nullptr, "0", 0, "Edit_Sigmafaktor", "0",
         [](auto& z) { return z.Sigmafaktor; }, 0},
        // At 7 the series' rounding (about 1e-11) exceeds the true tail, so only the value
        // near 100 is asserted, not its last digits.
        {"Sigmafaktor_7", V::keine, "Edit_Sigmafaktor", "7", false, An, false, nullptr, "7", 7, "Edit_Umgebung", "",
         [](auto& z) { return z.Umgebung; }, 100, 1e-8L},
        // 2·Phi(5) - 1 = 0,999999426696856 (standard normal table); the series' omitted tail
        // keeps about 1e-11 of it, hence 1e-8 in percent.
        {"Sigmafaktor_5", V::keine, "Edit_Sigmafaktor", "5", false, An, false, nullptr, "5", 5, "Edit_Umgebung",
         "99,99994266", [](auto& z) { return z.Umgebung; }, 99.9999426696856L, 1e-8L},
        // The redraw narrows the k range of so large an n; the bound label shows the new n.
        {"n_4000", V::keine, "Edit_n", "4000", false, An, false, nullptr, "4000", 4000, "Label_V_n", "; ... ;4000]",
         [](auto& z) { return Extended(z.n); }, 4000},
        // P(X = 0) = 0,2^20 and P(X = 20) = 0,8^20: the regions' outermost k.
        {"kli_0", V::keine, "Edit_kli", "0", false, An, false, nullptr, "0", 0, "Edit_Alfali", "1,048576E-12",
         [](auto& z) { return z.Alfali; }, 1.048576e-12L, 1e-25L},
        {"kre_n", V::keine, "Edit_kre", "20", false, An, false, nullptr, "20", 20, "Edit_Alfare", "1,15292150460685",
         [](auto& z) { return z.Alfare; }, 1.152921504606847L, 1e-14L},
        {"kre_gleich_kli", V::keine, "Edit_kre", "12", false, An, false, nullptr, "12", 12},
        {"Alfali_100", V::keine, "Edit_Alfali", "100", false, An, false, nullptr, "100", 100, "Edit_kli", "20",
         [](auto& z) { return Extended(z.kli); }, 20},
        {"p0_0", V::keine, "Edit_p0", "0", false, An, false, nullptr, "0", 0},
        {"kli_10", V::keine, "Edit_kli", "10", false, An, false, nullptr, "10", 10, "Edit_Alfali", "0,25948274006740",
         [](auto& z) { return z.Alfali; }, 0.25948274006740174L, 1e-15L},
        {"kre_18", V::keine, "Edit_kre", "18", false, An, false, nullptr, "18", 18, "Edit_Alfare", "20,608471894847",
         [](auto& z) { return z.Alfare; }, 20.60847189484739L, 1e-13L},
        {"Alfali_10", V::keine, "Edit_Alfali", "10", false, An, false, nullptr, "10", 10, "Edit_kli", "13",
         [](auto& z) { return Extended(z.kli); }, 13},
        {"k1_5", V::keine, "Edit_k1", "5", false, An, false, nullptr, "5", 5, "Edit_k2", "20",
         [](auto& z) { return Extended(z.k1); }, 5},
        {"k1_gleich_k2", V::keine, "Edit_k1", "20", false, An, false, nullptr, "20", 20},
        {"k2_gleich_k1", V::keine, "Edit_k2", "0", false, An, false, nullptr, "0", 0},
        // 976 values of k still fit the 976 pixels of the axis: the range shown stays 0..n.
        {"n_975_ohne_Verengung", V::keine, "Edit_n", "975", false, An, false, nullptr, "975", 975, "Edit_k1", "0",
         [](auto& z) { return Extended(z.k1); }, 0},
        {"M0_40", V::Zeile0_Hypergeo, "Edit_M0", "40", false, An, false, nullptr, "40", 40, "Edit_p0", "0,4",
         [](auto& z) { return z.p0; }, 0.4L},
        {"N0_gleich_n", V::Zeile0_Hypergeo_M5, "Edit_N0", "20", false, An, false, nullptr, "20", 20, "Edit_p0", "0,25",
         [](auto& z) { return z.p0; }, 0.25L},
        {"N2_mit_Zeile2", V::Zeile2_Hypergeo, "Edit_N2", "84", false, An, false, nullptr, "84", 84, "Edit_p2", "0,25",
         [](auto& z) { return z.p2; }, 0.25L},
        // Score interval for x = 10 of n = 20 at z = 1,96, which also makes x/n the new p0.
        {"x_10_mit_Intervall", V::Konfidenzintervall_an, "Edit_Stichprobenergebnis", "10", false, An, false, nullptr,
         "10", 10, "Label_Vertrauensintervall_ausgeben", "[ 0,2993 ; 0,7007 ]", [](auto& z) { return z.p0; }, 0.5L},
    };
}();
