// What a screen reader gets through Qt's accessibility interfaces, beyond the names: each combo
// box's item as its value, text and selected child; the chart's description in the words of the
// fields, with P(A) and in correct German; and an animation heard once, not frame by frame.

#include "Fensterhilfe.h"

#include "charts/Beschreibung.h"
#include "ui/Erkundungsanzeige.h"
#include "ui/Sitzung.h"

#include <QAccessible>
#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

class Bildschirmleser : public Fenstertest {
public:
    using Fenstertest::Eingeben;
    using Fenstertest::Waehlen;
};

// The box keeps its own name whatever is picked; the pick is its value and its text, and the
// one selected item of its list.
TEST_F(Bildschirmleser, AuswahlenNennenIhrenEintrag) {
    for (const auto& [c, Name, Eintrag, Wert] : {std::tuple<QComboBox*, const char*, int, const char*>{
                                                     f->ComboBox_Verteilung_p0, "Verteilung von p0", 2, "Poisson"},
                                                 {f->ComboBox_Verteilung_p1, "Verteilung von p1", 1, "Hypergeo"},
                                                 {f->ComboBox_Verteilung_p2, "Verteilung von p2", 3, "Geometr"},
                                                 {f->ComboBox_Histo_Saeule, "Diagrammart", 1, "Säulendiagramm"}}) {
        SCOPED_TRACE(Name);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Value), c->itemText(0));
        Waehlen(c, Eintrag);
        EXPECT_EQ(a->role(), QAccessible::ComboBox);
        EXPECT_EQ(a->text(QAccessible::Name), Name);
        EXPECT_EQ(a->text(QAccessible::Value), Wert);
        ASSERT_NE(a->textInterface(), nullptr);
        EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()), Wert);
        ASSERT_EQ(a->childCount(), 1);
        QAccessibleInterface* Liste = a->child(0);
        ASSERT_EQ(Liste->childCount(), c->count());
        EXPECT_EQ(Liste->parent()->object(), c);
        QStringList Eintraege, gewaehlt;
        for (int i = 0; i < Liste->childCount(); ++i) {
            Eintraege << Liste->child(i)->text(QAccessible::Name);
            if (Liste->child(i)->state().selected) gewaehlt << Liste->child(i)->text(QAccessible::Name);
        }
        EXPECT_EQ(Eintraege.value(Eintrag), Wert);
        EXPECT_EQ(gewaehlt, QStringList{Wert});
    }
}

// --- The chart's description ----------------------------------------------------------------

struct Beschreibungsfall {
    const char* Name;
    std::function<void(Bildschirmleser&, TForm1&)> Tun;
    std::vector<const char*> enthalten;
};

class Diagramm_in_Worten : public Bildschirmleser, public ::testing::WithParamInterface<Beschreibungsfall> {};

// p0 and p1 read as typed, further rows in the nominative, P(A) with V and with A.
TEST_P(Diagramm_in_Worten, WieDieFelder) {
    GetParam().Tun(*this, *f);
    const QString d = QAccessible::queryAccessibleInterface(f->Image1)->text(QAccessible::Description);
    for (const char* t : GetParam().enthalten) EXPECT_TRUE(d.contains(QString::fromUtf8(t))) << d.toStdString();
    EXPECT_FALSE(d.contains("dazu der") || d.contains("0,1666")) << d.toStdString();
    // The worksheet under an exported or printed chart reads them the same way.
    const Sitzung& s = f->Eingaben_des_Fensters();
    const QString Blatt =
        Arbeitsblatt_Texte(s.Ergebnis().z, s.Ergebnis().s, {}, {}, nullptr, Gezeigte_p_Texte(s.Stand(), s.Ergebnis()))
            .join('\n');
    EXPECT_TRUE(Blatt.contains("H0: p=" + f->Edit_p0->text())) << Blatt.toStdString();
    if (f->CheckBox_p1_zeichnen->isChecked()) {
        EXPECT_TRUE(Blatt.contains("p1=" + f->Edit_p1->text())) << Blatt.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fenster, Diagramm_in_Worten,
    ::testing::Values(Beschreibungsfall{"P0AlsBruch",
                                        [](Bildschirmleser& t, TForm1& f) {
                                            t.Eingeben(f.Edit_p0, "1/6");
                                            f.CheckBox_Alfa_zeigen->click();
                                        },
                                        {"Histogramm der Binomialverteilung mit p0=1/6 für n=20", ", P(A)="}},
                      Beschreibungsfall{"Verwerfungsbereich",
                                        [](Bildschirmleser&, TForm1& f) { f.CheckBox_Alfa_zeigen->click(); },
                                        {"Verwerfungsbereich V={0; ... ;12;20; ... ;20}, α-Fehler 4,37%, P(A)=95,63%"}},
                      Beschreibungsfall{"Annahmebereich",
                                        [](Bildschirmleser&, TForm1& f) { f.CheckBox_Annahmebereich_zeigen->click(); },
                                        {"Annahmebereich A={13; ... ;19}, P(A)=95,63%"}},
                      Beschreibungsfall{
                          "WeitereVerteilungen",
                          [](Bildschirmleser& t, TForm1& f) {
                              t.Eingeben(f.Edit_p1, "1/3");
                              f.CheckBox_p1_zeichnen->click();
                              f.CheckBox_p2_zeichnen->click();
                              t.Waehlen(f.ComboBox_Verteilung_p2, 1);
                          },
                          {"; dazu die Binomialverteilung mit p1=1/3; dazu die hypergeometrische Verteilung mit M="}},
                      Beschreibungsfall{"OC",
                                        [](Bildschirmleser& t, TForm1& f) {
                                            t.Eingeben(f.Edit_p0, "1/6");
                                            f.BitBtn_OC->click();
                                        },
                                        {"OC-Kurve des ", " und p0=1/6: "}}),
    [](const auto& i) { return std::string(i.param.Name); });

// --- An animation heard once ----------------------------------------------------------------

struct Animationsende {
    const char* Name;
    int Bilder;  // frames stepped before the way is taken
    std::function<void(Bildschirmleser&, TForm1&)> Tun;
    const char* Beschreibung;  // the start of the one description heard
};

class Animation_gehoert : public Bildschirmleser, public ::testing::WithParamInterface<Animationsende> {};

// The 96 frames of the n animation are one description, given when the run is over: at its
// end the last frame's; stopped, the frame left standing; stopped by an input, the new chart's.
// Offscreen Qt sends no accessibility events, so the description is read after every step: the
// window sets it only when it differs, so each new text read is one event on a real bus
// (tests/vorleser counts those).
TEST_P(Animation_gehoert, Einmal) {
    Erkundungsanzeige* a = f->findChild<Erkundungsanzeige*>();
    ASSERT_NE(a, nullptr);
    QAccessibleInterface* Bild = QAccessible::queryAccessibleInterface(f->Image1);
    QStringList Gehoert;
    QString zuletzt = Bild->text(QAccessible::Description);
    const auto Hoeren = [&] {
        const QString d = Bild->text(QAccessible::Description);
        if (d != zuletzt) Gehoert << d;
        zuletzt = d;
    };
    f->BitBtn_nAnimation->click();
    Hoeren();
    for (int i = 0; i < GetParam().Bilder; ++i) {
        a->naechstes_Bild();
        Hoeren();
    }
    GetParam().Tun(*this, *f);
    Hoeren();
    QTest::qWait(20);
    Hoeren();
    EXPECT_FALSE(a->laeuft());
    ASSERT_EQ(Gehoert.size(), 1) << Gehoert.join('\n').toStdString();
    EXPECT_TRUE(Gehoert[0].startsWith(QString::fromUtf8(GetParam().Beschreibung))) << Gehoert[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Fenster, Animation_gehoert,
    ::testing::Values(
        Animationsende{"ZuEnde", 96, [](Bildschirmleser&, TForm1&) {},
                       "Histogramm der Binomialverteilung mit p0=0,8 für n=100,"},
        Animationsende{"Esc", 3, [](Bildschirmleser&, TForm1& f) { QTest::keyClick(f.CheckBox_Info, Qt::Key_Escape); },
                       "Histogramm der Binomialverteilung mit p0=0,8 für n=8,"},
        Animationsende{"Eingabe", 3, [](Bildschirmleser& t, TForm1& f) { t.Eingeben(f.Edit_p0, "1/6"); },
                       "Histogramm der Binomialverteilung mit p0=1/6 für n=20,"}),
    [](const auto& i) { return std::string(i.param.Name); });

}  // namespace
