// The decision on x in words, entered the way the user enters it (field by field) at n = 20,
// p0 = 0,8. Reference tails: exact binomial sums of B(20; 0,8) in Python's fractions module.

#include "analysis/Eingaben.h"
#include "analysis/Testentscheidung.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Eintraege = std::vector<std::pair<Feld, const char*>>;

Auswertung Nach(const Eintraege& t, Eingaben e = Starteingaben()) {
    for (const auto& [f, Text] : t) Eingeben(e, auswerten(e), f, Text);
    return auswerten(e);
}

struct Entscheidungsfall {
    const char* name;
    Eintraege Eingaben;
    const char* Text;
};

class Entscheidung : public testing::TestWithParam<Entscheidungsfall> {};

TEST_P(Entscheidung, In_Worten) { EXPECT_EQ(Entscheidungstext(Nach(GetParam().Eingaben).z), GetParam().Text); }

INSTANTIATE_TEST_SUITE_P(
    Text, Entscheidung,
    testing::Values(
        Entscheidungsfall{
            "Links_verworfen", {{Feld::x, "11"}}, "x=11 ∈ V: H0 wird verworfen, da P0(X<=11)=1,00% <= 5%"},
        Entscheidungsfall{"Beidseitig_beibehalten_links_naeher",
                          {{Feld::x, "14"}},
                          "x=14 ∉ V: H0 wird nicht verworfen, da P0(X<=14)=19,58% > 5%"},
        Entscheidungsfall{"Beidseitig_beibehalten_rechts_naeher",
                          {{Feld::x, "17"}},
                          "x=17 ∉ V: H0 wird nicht verworfen, da P0(X>=17)=41,14% > 5%"},
        Entscheidungsfall{
            "Rechts_verworfen", {{Feld::x, "20"}}, "x=20 ∈ V: H0 wird verworfen, da P0(X>=20)=1,15% <= 5%"},
        Entscheidungsfall{"Linksseitig_beibehalten",
                          {{Feld::Alfare, "0"}, {Feld::x, "16"}},
                          "x=16 ∉ V: H0 wird nicht verworfen, da P0(X<=16)=58,86% > 5%"},
        Entscheidungsfall{"Rechtsseitig_beibehalten",
                          {{Feld::Alfali, "0"}, {Feld::x, "14"}},
                          "x=14 ∉ V: H0 wird nicht verworfen, da P0(X>=14)=91,33% > 5%"},
        Entscheidungsfall{"Ueberlappende_Bereiche",
                          {{Feld::Alfali, "80"}, {Feld::Alfare, "60"}, {Feld::x, "17"}},
                          "x=17 ∈ V: H0 wird verworfen, da P0(X<=17)=79,39% <= 80% und P0(X>=17)=41,14% <= 60%"},
        // The level a typed bound gives is a 15-digit text that falls short of the tail at
        // the bound itself here (3,21426630808751 < 3,2142663080875...); x = kli must still
        // be in V by its comparison.
        Entscheidungsfall{"Getippte_Grenze",
                          {{Feld::kli, "12"}, {Feld::x, "12"}},
                          "x=12 ∈ V: H0 wird verworfen, da P0(X<=12)=3,21% <= 3,21%"},
        Entscheidungsfall{"Kein_Verwerfungsbereich",
                          {{Feld::Alfali, "0"}, {Feld::Alfare, "0"}, {Feld::x, "14"}},
                          "x=14 ∉ V: H0 wird nicht verworfen (kein Verwerfungsbereich)"},
        // x is not checked against a later, smaller n.
        Entscheidungsfall{"x_groesser_n",
                          {{Feld::x, "14"}, {Feld::n, "10"}},
                          "x=14 liegt nicht in {0; ... ;10}: keine Entscheidung"}),
    [](const testing::TestParamInfo<Entscheidungsfall>& i) { return std::string(i.param.name); });

// For every x of a table the words say "∈ V" exactly where the chart hatches V, and every
// comparison they show holds the same way: "<=" in V, ">" outside.
TEST(Entscheidung, Stimmt_fuer_jedes_x_mit_V_ueberein) {
    const std::vector<std::pair<const char*, Eintraege>> Tabellen = {
        {"Startwerte", {}},
        {"Linksseitig_10", {{Feld::Alfali, "10"}, {Feld::Alfare, "0"}}},
        {"Rechtsseitig_2,5", {{Feld::Alfali, "0"}, {Feld::Alfare, "2,5"}}},
        {"Niveau_gleich_Tabellenwert", {{Feld::Alfali, "3,214266308087513"}}},
        // Both levels' texts fall short of their bounds' tails.
        {"Getippte_Grenzen", {{Feld::kli, "12"}, {Feld::kre, "19"}}},
        // P0(X = k) = 0 for k < 15: V links ends where the tail first exceeds the level.
        {"Hypergeometrisch", {{Feld::M0, "25"}, {Feld::N0, "30"}, {Feld::Alfali, "10"}}},
        {"Poisson_n_50", {{Feld::n, "50"}, {Feld::p0, "0,3"}}},
    };
    for (const auto& [Name, t] : Tabellen) {
        Eingaben e = Starteingaben();
        if (std::string(Name) == "Hypergeometrisch") Art_waehlen(e, 0, vaHypergeo);
        if (std::string(Name) == "Poisson_n_50") Art_waehlen(e, 0, vaPoisson);
        for (int x = 0; x <= Nach(t, e).z.n; ++x) {
            Eintraege mit_x = t;
            const std::string xs = std::to_string(x);
            mit_x.push_back({Feld::x, xs.c_str()});
            const Zustand z = Nach(mit_x, e).z;
            const bool in_V = ((z.Test_links || z.Test_beidseitig) && x <= z.kli) ||
                              ((z.Test_rechts || z.Test_beidseitig) && x >= z.kre);
            const std::string s = Entscheidungstext(z);
            EXPECT_EQ(s.find(" ∈ V") != std::string::npos, in_V) << Name << ": " << s;
            EXPECT_EQ(s.find(in_V ? " > " : " <= ") == std::string::npos, true) << Name << ": " << s;
        }
    }
}

}  // namespace
