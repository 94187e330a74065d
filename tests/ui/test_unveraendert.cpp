// Nothing changes unless the user changes it: moving through the window, redrawing and
// recomputing keep every field, value and pixel; a typed bound survives the recomputation.

#include "Fensterhilfe.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>
#include <string>

namespace {

struct Anblick {
    QStringList Texte;
    QImage Bild;
    Extended Werte[6];
    bool operator==(const Anblick& a) const {
        return Texte == a.Texte && Bild == a.Bild && std::equal(std::begin(Werte), std::end(Werte), a.Werte);
    }
};

class Unveraendert : public Fenstertest {
public:
    void Eintippen(QLineEdit* e, const char* Text) { Eingeben(e, QString::fromUtf8(Text)); }

protected:
    Anblick Ansehen() const {
        Anblick a;
        for (QLineEdit* e : f->findChildren<QLineEdit*>()) a.Texte << e->objectName() + "=" + e->text();
        for (QLabel* l : f->findChildren<QLabel*>()) a.Texte << l->objectName() + "=" + l->text();
        a.Bild = f->Image1->Bild();
        const Zustand& z = f->Stand();
        const Extended w[] = {z.Alfali, z.Alfare, z.Sigmafaktor, z.Umgebung, z.p0, Extended(z.kli * 10000 + z.kre)};
        std::copy(std::begin(w), std::end(w), a.Werte);
        return a;
    }
    void Runden(Qt::KeyboardModifiers m) {
        for (int i = 0; i < 2 * 45; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, m);
    }
};

struct Lage {
    const char* Name;
    std::function<void(Unveraendert&, TForm1&)> herstellen;
};

class Tabrunden : public Unveraendert, public testing::WithParamInterface<Lage> {};

TEST_P(Tabrunden, AendernNichts) {
    GetParam().herstellen(*this, *f);
    const Anblick vorher = Ansehen();
    f->CheckBox_Erwartungswert_zeigen->setFocus();
    Runden(Qt::NoModifier);
    Runden(Qt::ShiftModifier);
    const Anblick nachher = Ansehen();
    for (qsizetype i = 0; i < vorher.Texte.size(); ++i) EXPECT_EQ(nachher.Texte[i], vorher.Texte[i]);
    EXPECT_TRUE(nachher == vorher);
    EXPECT_TRUE(rec->Meldungen.isEmpty());
    EXPECT_EQ(rec->Toene, 0);
}

INSTANTIATE_TEST_SUITE_P(Fenster, Tabrunden,
                         testing::Values(Lage{"Start_mit_Alpha_und_Sigma",
                                              [](Unveraendert&, TForm1& f) {
                                                  f.CheckBox_Alfa_zeigen->click();
                                                  f.CheckBox_Sigma_zeigen->click();
                                              }},
                                         Lage{"n2000_A_p1_beta",
                                              [](Unveraendert& t, TForm1& f) {
                                                  t.Eintippen(f.Edit_n, "2000");
                                                  t.Eintippen(f.Edit_p0, "0,3");
                                                  t.Eintippen(f.Edit_Alfali, "2,5");
                                                  t.Eintippen(f.Edit_Alfare, "2,5");
                                                  f.CheckBox_Annahmebereich_zeigen->click();
                                                  f.CheckBox_p1_zeichnen->click();
                                                  f.CheckBox_Beta_zeigen->click();
                                              }},
                                         Lage{"n60_Umgebung_Intervall",
                                              [](Unveraendert& t, TForm1& f) {
                                                  t.Eintippen(f.Edit_n, "60");
                                                  t.Eintippen(f.Edit_p0, "1/6");
                                                  t.Eintippen(f.Edit_kli, "4");
                                                  f.CheckBox_Umgebung_schraffieren->click();
                                                  f.CheckBox_Vertrauensintervall_berechnen->click();
                                              }}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace

class Fenster_Werte : public Fenstertest {};

// A bound the redraw or the user turned into a level comes back from it at the next
// recomputation; also where the level's text cannot carry the tail (5E-4945 reads as 0).
TEST_F(Fenster_Werte, GrenzenUeberlebenDieNeuberechnung) {
    Eingeben(f->Edit_n, "2000");
    Eingeben(f->Edit_p0, "0,3");
    Eingeben(f->Edit_Alfali, "2,5");
    Eingeben(f->Edit_Alfare, "2,5");
    EXPECT_EQ(f->Edit_kli->text(), "559");
    EXPECT_EQ(f->Edit_kre->text(), "641");
    f->CheckBox_Annahmebereich_zeigen->click();
    f->CheckBox_p1_zeichnen->click();
    f->CheckBox_Beta_zeigen->click();
    f->BitBtn_Histoneu->click();
    EXPECT_EQ(f->Edit_kli->text(), "559");
    EXPECT_EQ(f->Edit_kre->text(), "641");
    for (const char* k : {"544", "540", "578"}) {
        Eingeben(f->Edit_kli, k);
        Eingeben(f->Edit_k1, "1500");
        EXPECT_EQ(f->Edit_kli->text(), k);
    }
    Eingeben(f->Edit_kre, "1000");
    EXPECT_EQ(f->Edit_Alfare->text(), "0");  // P(X >= 1000) lies below the level's resolution
    f->BitBtn_Histoneu->click();
    EXPECT_EQ(f->Edit_kre->text(), "1000");

    Eingeben(f->Edit_n, "4000");
    Eingeben(f->Edit_p0, "0,942");
    Eingeben(f->Edit_kli, "0");
    EXPECT_EQ(f->Edit_Alfali->text(), "0");
    EXPECT_EQ(f->Stand().Alfali, 0.0L);
    f->BitBtn_Histoneu->click();
    EXPECT_EQ(f->Edit_kli->text(), "0");
}

// With the interval box on, x/n is p0 for everything: the same window as typing x/n.
TEST_F(Fenster_Werte, IntervallGibtDasFensterVonXdurchN) {
    f->CheckBox_Vertrauensintervall_berechnen->click();
    Eingeben(f->Edit_n, "30");
    EXPECT_EQ(f->Edit_p0->text(), "0,0333333333333333");
    EXPECT_EQ(f->Label_Vertrauensintervall_ausgeben->text(), "[ 0,0059 ; 0,1667 ]");
    const QString Texte[] = {f->Edit_kli->text(), f->Edit_kre->text(), f->Label_Intervallwahrscheinlichkeit->text(),
                             f->Label_Intervallwahrscheinlichkeit2->text()};
    const QImage Bild = f->Image1->Bild();
    const QString Zelle = f->StringGrid1->Zelle(1, 3);

    TForm1 g;
    g.show();
    QApplication::setActiveWindow(&g);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&g));
    Eingeben(g.Edit_n, "30");
    Eingeben(g.Edit_p0, "1/30");
    EXPECT_EQ(Texte[0], g.Edit_kli->text());
    EXPECT_EQ(Texte[1], g.Edit_kre->text());
    EXPECT_EQ(Texte[1], "4");
    EXPECT_EQ(Texte[2], g.Label_Intervallwahrscheinlichkeit->text());
    EXPECT_EQ(Texte[3], g.Label_Intervallwahrscheinlichkeit2->text());
    EXPECT_EQ(Zelle, g.StringGrid1->Zelle(1, 3));
    EXPECT_TRUE(Bild == g.Image1->Bild());
}

// A narrowed k range has the probabilities of the range shown.
TEST_F(Fenster_Werte, IntervalltexteFolgenDerVerengung) {
    Eingeben(f->Edit_n, "2000");
    EXPECT_EQ(f->Edit_k1->text(), "1537");
    EXPECT_EQ(f->Edit_k2->text(), "1663");
    EXPECT_EQ(f->Label_Intervallwahrscheinlichkeit->text(), "P=99,96%");
    EXPECT_EQ(f->Label_Intervallwahrscheinlichkeit2->text(), "P=99,95%");
}

// Overlapping regions reject every k once: the α error is at most 100 %, nothing is accepted.
TEST_F(Fenster_Werte, UeberlappendeBereicheBleibenWahrscheinlichkeiten) {
    Eingeben(f->Edit_Alfali, "70");
    Eingeben(f->Edit_Alfare, "70");
    ASSERT_GE(f->Stand().kli, f->Stand().kre);
    f->CheckBox_Alfa_zeigen->click();
    const QString Beschreibung = f->Image1->accessibleDescription();
    EXPECT_TRUE(Beschreibung.contains("α-Fehler 100,00%")) << Beschreibung.toStdString();
    f->CheckBox_Annahmebereich_zeigen->click();
    EXPECT_TRUE(f->Image1->accessibleDescription().contains("A={ }"))
        << f->Image1->accessibleDescription().toStdString();
}

// The same fields give the same test, whatever was shown before: the levels reached are shown,
// never kept in place of the typed ones, and a range the chart narrowed follows the
// distribution while a typed one stays. Each row acts, then checks fields and the chart's words.
struct Geschichte {
    const char* Name;
    std::function<void(Fenstertest&, TForm1&)> Tun;
    std::vector<std::pair<const char*, const char*>> Felder;  // objectName, text
    std::vector<const char*> Beschreibung;                    // in the chart's description
};

class Gleiche_Felder : public Fenstertest, public ::testing::WithParamInterface<Geschichte> {
public:
    using Fenstertest::Eingeben;
};

TEST_P(Gleiche_Felder, GleicherTest) {
    GetParam().Tun(*this, *f);
    for (const auto& [Name, Text] : GetParam().Felder)
        EXPECT_EQ(f->findChild<QLineEdit*>(Name)->text(), QString::fromUtf8(Text)) << Name;
    const QString d = f->Image1->accessibleDescription();
    for (const char* t : GetParam().Beschreibung) EXPECT_TRUE(d.contains(QString::fromUtf8(t))) << d.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Fenster, Gleiche_Felder,
    ::testing::Values(
        // α reached at n = 20 (3,21 % and 1,15 %) must not decide the test at n = 100.
        Geschichte{"AlfaAnDannN100",
                   [](Fenstertest& t, TForm1& f) {
                       f.CheckBox_Alfa_zeigen->click();
                       static_cast<Gleiche_Felder&>(t).Eingeben(f.Edit_n, "100");
                   },
                   {{"Edit_Alfali", "5"}, {"Edit_Alfare", "5"}, {"Edit_kli", "72"}, {"Edit_kre", "87"}},
                   {"α-Fehler 8,11%"}},
        Geschichte{"PruefungsaufgabeDanachN2000",
                   [](Fenstertest& t, TForm1& f) {
                       auto& g = static_cast<Gleiche_Felder&>(t);
                       g.Eingeben(f.Edit_n, "100");
                       g.Eingeben(f.Edit_Alfali, "2,5");
                       g.Eingeben(f.Edit_Alfare, "2,5");
                       f.CheckBox_Alfa_zeigen->click();
                       f.CheckBox_p1_zeichnen->click();
                       f.CheckBox_Beta_zeigen->click();
                       g.Eingeben(f.Edit_n, "2000");
                       g.Eingeben(f.Edit_p0, "0,3");
                       g.Eingeben(f.Edit_p1, "0,32");
                   },
                   {{"Edit_kli", "559"}, {"Edit_kre", "641"}},
                   {"α-Fehler 4,81%", "β-Fehler für p1 51,07%"}},
        // The bulk of B(2000; 0,3), not the range narrowed around B(2000; 0,8).
        Geschichte{"VerengungFolgtP0",
                   [](Fenstertest& t, TForm1& f) {
                       auto& g = static_cast<Gleiche_Felder&>(t);
                       g.Eingeben(f.Edit_n, "2000");
                       g.Eingeben(f.Edit_p0, "0,3");
                   },
                   {{"Edit_k1", "528"}, {"Edit_k2", "672"}},
                   {"k von 528 bis 672"}},
        // Typing one end of a narrowed range makes the range shown the user's.
        Geschichte{"VerengterBereichWirdGetippt",
                   [](Fenstertest& t, TForm1& f) {
                       auto& g = static_cast<Gleiche_Felder&>(t);
                       g.Eingeben(f.Edit_n, "2000");
                       g.Eingeben(f.Edit_k1, "1550");
                       g.Eingeben(f.Edit_p0, "0,79");
                   },
                   {{"Edit_k1", "1550"}, {"Edit_k2", "1663"}},
                   {"k von 1550 bis 1663"}},
        Geschichte{"GetippterBereichBleibt",
                   [](Fenstertest& t, TForm1& f) {
                       auto& g = static_cast<Gleiche_Felder&>(t);
                       g.Eingeben(f.Edit_k1, "5");
                       g.Eingeben(f.Edit_k2, "15");
                       g.Eingeben(f.Edit_p0, "0,5");
                   },
                   {{"Edit_k1", "5"}, {"Edit_k2", "15"}},
                   {}},
        // A refused n leaves the k range it showed while typing behind.
        Geschichte{"AbgewiesenesNLaesstKStehen",
                   [](Fenstertest& t, TForm1& f) { static_cast<Gleiche_Felder&>(t).Eingeben(f.Edit_n, "9999"); },
                   {{"Edit_n", "9999"}, {"Edit_k1", "0"}, {"Edit_k2", "20"}},
                   {"k von 0 bis 20"}}),
    [](const auto& i) { return std::string(i.param.Name); });

// Near the bulk the interval label says the chart shows nearly all of the distribution.
TEST_F(Fenster_Werte, VerengterBereichZeigtDieMasse) {
    Eingeben(f->Edit_n, "2000");
    Eingeben(f->Edit_p0, "0,3");
    const QString p = f->Label_Intervallwahrscheinlichkeit->text();
    EXPECT_GE(p.mid(2, p.size() - 3).replace(',', '.').toDouble(), 99.0) << p.toStdString();
}
