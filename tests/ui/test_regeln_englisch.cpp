// The rules' and the decision's sentences in English, through the program's real translation:
// what the balloon says and the field shows, and the texts the chart and the samples panel show.

#include "Fensterhilfe.h"

#include "analysis/Eingaben.h"
#include "analysis/Konfidenzintervall.h"
#include "analysis/Serienwerte.h"
#include "analysis/Stichproben.h"
#include "analysis/Testentscheidung.h"
#include "ui/Eingabehinweis.h"
#include "ui/Sprache.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// ---- Fields of the English window ----------------------------------------------------------

struct Englischer_Eintrag {
    const char* Name;
    const char* Feld;
    const char* Text;
    bool einfuegen;        // past the key filter, as a paste is
    const char* Feldtext;  // what the field shows afterwards
    const char* Hinweis;   // the balloon; "" for none
    Extended p0;           // the p0 in force afterwards
};

class Englisches_Feld : public Englischer_Fenstertest, public ::testing::WithParamInterface<Englischer_Eintrag> {};

TEST_P(Englisches_Feld, Hinweis_und_Feldtext) {
    const Englischer_Eintrag& a = GetParam();
    auto* e = f->findChild<QLineEdit*>(QString::fromLatin1(a.Feld));
    ASSERT_NE(e, nullptr);
    e->setFocus();
    e->selectAll();
    if (a.einfuegen)
        e->insert(QString::fromUtf8(a.Text));
    else
        QTest::keyClicks(e, QString::fromUtf8(a.Text));
    QTest::keyClick(e, Qt::Key_Tab);

    EXPECT_EQ(e->text().toStdString(), a.Feldtext);
    const auto* Hinweis = f->findChild<Eingabehinweis*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(Hinweis, nullptr);
    EXPECT_EQ(Hinweis->isVisible() ? Hinweis->text().toStdString() : std::string(), a.Hinweis);
    EXPECT_EQ(f->Stand().p0, a.p0);
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Englisches_Feld,
    ::testing::Values(Englischer_Eintrag{"n_abgewiesen", "Edit_n", "5000", false, "5000",
                                         "n must be between 1 and 4000", 0.8L},
                      Englischer_Eintrag{"x_korrigiert", "Edit_Stichprobenergebnis", "99", false, "0",
                                         "x must be between 0 and n = 20 – set to 0", 0.8L},
                      Englischer_Eintrag{"p_korrigiert_mit_Punkt", "Edit_p0", "2", false, "0.8",
                                         "p0 must be between 0 and 1, e.g. 0.25 or 1/6 – set to 0.8", 0.8L},
                      Englischer_Eintrag{"Komma_getippt", "Edit_p0", "0,3", false, "0.3", "", 0.3L},
                      Englischer_Eintrag{"Punkt_getippt", "Edit_p0", "0.3", false, "0.3", "", 0.3L},
                      Englischer_Eintrag{"Komma_eingefuegt", "Edit_p0", "0,3", true, "0,3", "", 0.3L},
                      Englischer_Eintrag{"Bruch", "Edit_p0", "1/4", false, "1/4", "", 0.25L}),
    [](const auto& i) { return std::string(i.param.Name); });

// ---- Texts of the chart and the samples panel ----------------------------------------------

Auswertung Nach(std::vector<std::pair<Feld, const char*>> Eintraege) {
    Eingaben e = Starteingaben();
    for (const auto& [f, Text] : Eintraege) Eingeben(e, auswerten(e), f, Text);
    return auswerten(e);
}

struct Englischer_Text {
    const char* Name;
    std::function<std::string()> Text;
    const char* erwartet;
};

class Englische_Regeltexte : public ::testing::TestWithParam<Englischer_Text> {
protected:
    void SetUp() override { ASSERT_TRUE(Sprache_einstellen(Sprache::Englisch)); }
    void TearDown() override { Sprache_einstellen(Sprache::Deutsch); }
};

TEST_P(Englische_Regeltexte, wie_gezeigt) { EXPECT_EQ(GetParam().Text(), GetParam().erwartet); }

Stichprobenstand Stichproben_aus_Zeile_1() {
    Stichprobenstand st;
    st.Zeile = 1;
    st.Ergebnis.in_V = 411;
    st.Ergebnis.in_A = 9589;
    st.Ergebnis.m = 10000;
    st.Ergebnis.ueber_n = 3;
    st.Rate = {4.11L, 3.75L, 4.5L, 4.2L};
    return st;
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Englische_Regeltexte,
    ::testing::Values(
        Englischer_Text{
            "Verworfen_beidseitig",
            [] {
                return Entscheidungstext(Nach({{Feld::Alfali, "80"}, {Feld::Alfare, "60"}, {Feld::x, "17"}}).z);
            },
            "x=17 ∈ V: H0 is rejected, since P0(X<=17)=79.39% <= 80% and P0(X>=17)=41.14% <= 60%"},
        Englischer_Text{"Nicht_verworfen",
                        [] {
                            return Entscheidungstext(Nach({{Feld::x, "14"}}).z);
                        },
                        "x=14 ∉ V: H0 is not rejected, since P0(X<=14)=19.58% > 5%"},
        Englischer_Text{"Stichproben", [] { return Stichprobentext(Stichproben_aus_Zeile_1()); },
                        "411 of 10000 in V, 9589 in A\nrelative frequency in V: 4.11%\n"
                        "95% interval: [3.75%; 4.50%]\nexact: power 1 − β(p1) = 4.20%\n"
                        "3 values greater than n"},
        Englischer_Text{"Hypergeometrisch", [] { return n_hoechstens_N(1, 50); },
                        "n must be at most N1 = 50 for the hypergeometric distribution"},
        Englischer_Text{"Serie_p0", [] { return Beschriftung_mehrere_p0(50); }, "p0=0.1 to p0=0.9     n=50"},
        Englischer_Text{"Leeres_Intervall", [] { return Leeres_Konfidenzintervall_Text(); }, "[ 0.0000 ; 0.0000 ]"}),
    [](const auto& i) { return std::string(i.param.Name); });

}  // namespace
