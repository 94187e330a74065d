// The language chosen at start: from the interface languages in their order, German where
// neither German nor English is asked for; the number texts follow it.

#include "analysis/Texte.h"
#include "analysis/Zahlentexte.h"
#include "ui/Sprache.h"

#include <gtest/gtest.h>

namespace {

struct Sprachfall {
    const char* Name;
    QStringList Sprachen;
    Sprache erwartet;
};
class Sprachwahl : public ::testing::TestWithParam<Sprachfall> {};

TEST_P(Sprachwahl, ErsteBekannteEntscheidet) { EXPECT_EQ(Sprache_aus(GetParam().Sprachen), GetParam().erwartet); }

INSTANTIATE_TEST_SUITE_P(
    Sprache, Sprachwahl,
    ::testing::Values(Sprachfall{"Deutsch", {"de-DE", "de-Latn-DE", "de"}, Sprache::Deutsch},
                      Sprachfall{"Englisch", {"en-GB", "en-Latn-GB"}, Sprache::Englisch},
                      Sprachfall{"FranzoesischDannEnglisch", {"fr-FR", "en", "de"}, Sprache::Englisch},
                      Sprachfall{"EnglischVorDeutsch", {"en", "en-US", "de", "de-DE"}, Sprache::Englisch},
                      Sprachfall{"NurFranzoesisch", {"fr-FR", "fr"}, Sprache::Deutsch},
                      Sprachfall{"C", {"C"}, Sprache::Deutsch}, Sprachfall{"Keine", {}, Sprache::Deutsch}),
    [](const auto& i) { return std::string(i.param.Name); });

TEST(Sprache, ZahlentexteFolgenIhr) {
    Sprache_einstellen(Sprache::Englisch);
    EXPECT_EQ(Aktuelle_Sprache(), Sprache::Englisch);
    EXPECT_EQ(Zahl_fest(17.4567L, 5, 2), "17.46");
    EXPECT_EQ(Zahl_allgemein(2.5e-7L), "2.5E-7");
    Sprache_einstellen(Sprache::Deutsch);
    EXPECT_EQ(Zahl_fest(17.4567L, 5, 2), "17,46");
    EXPECT_EQ(Zahl_allgemein(0.8L), "0,8");
}

// Numbers go into a translated sentence wherever its language puts them.
TEST(Sprache, EinsetzenWieArg) {
    EXPECT_EQ(Einsetzen("%2 von %1, %3", {"a", "b"}), "b von a, %3");
    EXPECT_EQ(Einsetzen("100 %", {"x"}), "100 %");
}

}  // namespace
