// The edit fields on the real window: typing, leaving, and the three outcomes of an exit.

#include "Fensterhilfe.h"

#include "analysis/Zahlentexte.h"
#include "charts/Markierungen.h"
#include "ui/Bildfeld.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <vector>

namespace {

constexpr Extended eps = std::numeric_limits<Extended>::epsilon();

const char* const Alle_Felder[] = {
    "Edit_n",  "Edit_Stichprobenergebnis", "Edit_k1", "Edit_k2", "Edit_p0",     "Edit_p1",
    "Edit_p2", "Edit_M0",  "Edit_M1",      "Edit_M2", "Edit_N0", "Edit_N1",     "Edit_N2",
    "Edit_Alfali", "Edit_Alfare", "Edit_kli", "Edit_kre", "Edit_Sigmafaktor", "Edit_Umgebung"};

// What a rejected entry must leave alone: chart pixels, the other fields and labels, the state.
struct Schnappschuss {
    QImage Bild;
    std::map<QString, QString> Texte;
    std::vector<Extended> Werte;
    bool operator==(const Schnappschuss&) const = default;
};

enum class Vorbereitung { keine, Zeile0_Hypergeo, Zeile0_Hypergeo_M5, Zeile1_Hypergeo, Zeile2_Hypergeo,
                          Konfidenzintervall_an };

class Eingabefenster : public Fenstertest {
protected:
    QLineEdit* Feld(const char* name) const { return f->findChild<QLineEdit*>(QString::fromLatin1(name)); }

    // Gives the field the focus (ending the entry that had it) and replaces its text by typing.
    void Tippen(QLineEdit* e, const QString& text) {
        e->setFocus();
        ASSERT_TRUE(e->hasFocus());
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }
    // Text that arrives without the key filter, as a paste does.
    void Einfuegen(QLineEdit* e, const QString& text) {
        e->setFocus();
        ASSERT_TRUE(e->hasFocus());
        e->selectAll();
        e->insert(text);
    }
    void Enter(QLineEdit* e) { QTest::keyClick(e, Qt::Key_Return); }
    void Eingabe(QLineEdit* e, const QString& text, bool einfuegen = false) {
        if (einfuegen)
            Einfuegen(e, text);
        else
            Tippen(e, text);
        Enter(e);
    }

    void Hypergeo(QComboBox* c, void (TForm1::*Wechsel)()) {
        c->setCurrentIndex(vaHypergeo);
        (f.get()->*Wechsel)();
    }
    void Vorbereiten(Vorbereitung v) {
        switch (v) {
            case Vorbereitung::keine: break;
            case Vorbereitung::Zeile0_Hypergeo:
                Hypergeo(f->ComboBox_Verteilung_p0, &TForm1::ComboBox_Verteilung_p0Change);
                break;
            case Vorbereitung::Zeile0_Hypergeo_M5:
                Hypergeo(f->ComboBox_Verteilung_p0, &TForm1::ComboBox_Verteilung_p0Change);
                Eingabe(f->Edit_M0, QStringLiteral("5"));
                break;
            case Vorbereitung::Zeile1_Hypergeo:
                Hypergeo(f->ComboBox_Verteilung_p1, &TForm1::ComboBox_Verteilung_p1Change);
                break;
            case Vorbereitung::Zeile2_Hypergeo:
                Hypergeo(f->ComboBox_Verteilung_p2, &TForm1::ComboBox_Verteilung_p2Change);
                break;
            case Vorbereitung::Konfidenzintervall_an:
                f->CheckBox_Vertrauensintervall_berechnen->setChecked(true);
                break;
        }
        rec->Toene = 0;
        rec->Meldungen.clear();
    }

    Schnappschuss Aufnehmen(const QLineEdit* ausser) const {
        Schnappschuss s;
        s.Bild = f->Image1->Bild().copy();
        for (const char* name : Alle_Felder)
            if (Feld(name) != ausser) s.Texte[QString::fromLatin1(name)] = Feld(name)->text();
        for (const QLabel* l : {f->Label_Intervallwahrscheinlichkeit, f->Label_Intervallwahrscheinlichkeit2,
                                f->Label_Vertrauensintervall_ausgeben, f->Label_V_n})
            s.Texte[l->objectName()] = l->text();
        const Zustand& z = f->Stand();
        s.Werte = {Extended(z.n), Extended(z.k1), Extended(z.k2), Extended(z.kli), Extended(z.kre),
                   Extended(z.x), Extended(z.M0), Extended(z.M1), Extended(z.M2), Extended(z.N0),
                   Extended(z.N1), Extended(z.N2), z.p0, z.p1, z.p2, z.Alfali, z.Alfare, z.Sigmafaktor,
                   z.Umgebung, z.Umgebung_li, z.Umgebung_re, z.Pmax, z.mue0, z.sigma0};
        s.Werte.insert(s.Werte.end(), z.P0_kumuliert.begin(), z.P0_kumuliert.begin() + z.n + 1);
        return s;
    }
};

// ---- Typing -------------------------------------------------------------------------------

TEST_F(Eingabefenster, Punkt_erscheint_als_Komma) {
    Tippen(f->Edit_p1, QStringLiteral("0.25"));
    EXPECT_EQ(f->Edit_p1->text(), QStringLiteral("0,25"));
}

TEST_F(Eingabefenster, Minus_und_Buchstaben_bewirken_in_keinem_Feld_etwas) {
    for (const char* name : Alle_Felder) {
        QLineEdit* e = Feld(name);
        ASSERT_NE(e, nullptr) << name;
        const QString vorher = e->text();
        // Sent straight to the field: the hidden M and N fields can't take the focus.
        e->setCursorPosition(0);
        QTest::keyClicks(e, "-aZ+ e");
        EXPECT_EQ(e->text(), vorher) << name;
    }
}

TEST_F(Eingabefenster, Enter_uebernimmt_und_geht_zum_naechsten_Feld) {
    Tippen(f->Edit_n, QStringLiteral("30"));
    EXPECT_EQ(f->Edit_k2->text(), QStringLiteral("30"));  // the change handler, while typing
    EXPECT_EQ(f->Stand().n, 20);
    Enter(f->Edit_n);
    EXPECT_EQ(f->Stand().n, 30);
    EXPECT_EQ(f->Stand().k1, 0);
    EXPECT_EQ(f->Stand().k2, 30);
    EXPECT_TRUE(f->Edit_Stichprobenergebnis->hasFocus());
    EXPECT_EQ(f->Edit_n->text(), QStringLiteral("30"));
}

// ---- Reject -------------------------------------------------------------------------------

struct Abweisung {
    const char* name;
    Vorbereitung vor;
    const char* feld;
    const char16_t* text;
    bool einfuegen;
    int Toene;
    const char16_t* Meldung;  // nullptr: none
};

class Abgewiesen : public Eingabefenster, public ::testing::WithParamInterface<Abweisung> {};

TEST_P(Abgewiesen, aendert_nichts_und_behaelt_den_Fokus) {
    const Abweisung& a = GetParam();
    Vorbereiten(a.vor);
    QLineEdit* e = Feld(a.feld);
    const QString text = QString::fromUtf16(a.text);
    if (a.einfuegen)
        Einfuegen(e, text);
    else
        Tippen(e, text);
    const Schnappschuss vorher = Aufnehmen(e);
    Enter(e);

    EXPECT_EQ(e->text(), text);
    EXPECT_TRUE(e->hasFocus());
    EXPECT_EQ(rec->Toene, a.Toene);
    const QStringList erwartet = a.Meldung ? QStringList{QString::fromUtf16(a.Meldung)} : QStringList{};
    EXPECT_EQ(rec->Meldungen, erwartet);
    const Schnappschuss nachher = Aufnehmen(e);
    EXPECT_TRUE(nachher.Texte == vorher.Texte);
    EXPECT_TRUE(nachher.Werte == vorher.Werte);
    EXPECT_TRUE(nachher.Bild == vorher.Bild) << "the chart was redrawn";
}

using V = Vorbereitung;
INSTANTIATE_TEST_SUITE_P(
    Zeilen, Abgewiesen,
    ::testing::Values(
        Abweisung{"n_leer", V::keine, "Edit_n", u"", false, 1, nullptr},
        Abweisung{"n_4001", V::keine, "Edit_n", u"4001", false, 1, nullptr},
        Abweisung{"n_0", V::keine, "Edit_n", u"0", false, 1, nullptr},
        Abweisung{"n_ueber_N1_ungezeichnet", V::Zeile1_Hypergeo, "Edit_n", u"60", false, 1,
                  u"n zu groß für Hypergeo"},
        Abweisung{"x_leer", V::keine, "Edit_Stichprobenergebnis", u"", false, 0, nullptr},
        Abweisung{"k1_leer", V::keine, "Edit_k1", u"", false, 0, nullptr},
        Abweisung{"k2_leer", V::keine, "Edit_k2", u"", false, 0, nullptr},
        Abweisung{"p0_durch_Null", V::keine, "Edit_p0", u"1/0", false, 0, nullptr},
        Abweisung{"p1_ohne_Zaehler", V::keine, "Edit_p1", u"/3", false, 0, nullptr},
        Abweisung{"p2_ohne_Nenner", V::keine, "Edit_p2", u"3/", false, 0, nullptr},
        Abweisung{"Alfali_zwei_Kommas", V::keine, "Edit_Alfali", u"1,2,3", false, 0, nullptr},
        Abweisung{"Alfare_zwei_Striche", V::keine, "Edit_Alfare", u"1/2/3", false, 0, nullptr},
        Abweisung{"kli_leer", V::keine, "Edit_kli", u"", false, 0, nullptr},
        Abweisung{"kre_leer", V::keine, "Edit_kre", u"", false, 0, nullptr},
        Abweisung{"M0_leer", V::Zeile0_Hypergeo, "Edit_M0", u"", false, 1, nullptr},
        Abweisung{"M0_gleich_N0", V::Zeile0_Hypergeo, "Edit_M0", u"100", false, 1,
                  u"M0 muss kleiner als N0 sein !"},
        Abweisung{"M0_negativ_eingefuegt", V::Zeile0_Hypergeo, "Edit_M0", u"-5", true, 1, nullptr},
        Abweisung{"N0_null", V::Zeile0_Hypergeo, "Edit_N0", u"0", false, 1, nullptr},
        Abweisung{"N0_gleich_M0", V::Zeile0_Hypergeo, "Edit_N0", u"80", false, 1,
                  u"N0 muss größer als M0 sein !"},
        Abweisung{"N0_unter_n", V::Zeile0_Hypergeo_M5, "Edit_N0", u"10", false, 1,
                  u"N0 muss größer gleich n sein !"},
        Abweisung{"M1_gleich_N1", V::Zeile1_Hypergeo, "Edit_M1", u"50", false, 1,
                  u"M1 muss kleiner als N1 sein !"},
        Abweisung{"N1_leer", V::Zeile1_Hypergeo, "Edit_N1", u"", false, 1, nullptr},
        Abweisung{"M2_ueber_N2", V::Zeile2_Hypergeo, "Edit_M2", u"71", false, 1,
                  u"M2 muss kleiner als N2 sein !"},
        Abweisung{"N2_gleich_M2", V::Zeile2_Hypergeo, "Edit_N2", u"21", false, 1,
                  u"N2 muss größer als M2 sein !"},
        Abweisung{"Sigmafaktor_7_01", V::keine, "Edit_Sigmafaktor", u"7,01", false, 1, nullptr},
        Abweisung{"Sigmafaktor_leer", V::keine, "Edit_Sigmafaktor", u"", false, 1, nullptr},
        Abweisung{"Umgebung_100_5", V::keine, "Edit_Umgebung", u"100,5", false, 1, nullptr},
        Abweisung{"Umgebung_Bruch_durch_Null", V::keine, "Edit_Umgebung", u"5/0", false, 1, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Eingabefenster, p0_verlassen_setzt_Intervall_zurueck_auch_bei_Abweisung) {
    f->CheckBox_Vertrauensintervall_berechnen->setChecked(true);
    ASSERT_NE(f->Label_Vertrauensintervall_ausgeben->text(), QStringLiteral("[ 0,0000 ; 0,0000 ]"));
    Eingabe(f->Edit_p0, QStringLiteral("1/0"));
    EXPECT_TRUE(f->Edit_p0->hasFocus());
    EXPECT_FALSE(f->CheckBox_Vertrauensintervall_berechnen->isChecked());
    EXPECT_EQ(f->Label_Vertrauensintervall_ausgeben->text(), QStringLiteral("[ 0,0000 ; 0,0000 ]"));
}

// ---- Correct and accept -------------------------------------------------------------------

struct Uebernahme {
    const char* name;
    Vorbereitung vor;
    const char* feld;
    const char16_t* text;
    bool einfuegen;
    const char16_t* Feldtext;      // what the field shows afterwards
    const char* anderes_Feld;      // a field (or label) the follow-up work writes
    const char16_t* anderer_Text;  // its text starts with this
    Extended (*Wert)(const Zustand&);
    Extended erwartet;
    Extended Toleranz;
};

class Uebernommen : public Eingabefenster, public ::testing::WithParamInterface<Uebernahme> {
protected:
    void Pruefen() {
        const Uebernahme& u = GetParam();
        Vorbereiten(u.vor);
        QLineEdit* e = Feld(u.feld);
        Eingabe(e, QString::fromUtf16(u.text), u.einfuegen);
        EXPECT_EQ(e->text(), QString::fromUtf16(u.Feldtext));
        const QObject* anderes = f->findChild<QObject*>(QString::fromLatin1(u.anderes_Feld));
        ASSERT_NE(anderes, nullptr);
        const QString anderer = anderes->property("text").toString();
        EXPECT_TRUE(anderer.startsWith(QString::fromUtf16(u.anderer_Text)))
            << u.anderes_Feld << " shows " << anderer.toStdString();
        EXPECT_LE(std::fabs(u.Wert(f->Stand()) - u.erwartet), u.Toleranz)
            << static_cast<double>(u.Wert(f->Stand()));
        EXPECT_EQ(rec->Toene, 0);
        EXPECT_TRUE(rec->Meldungen.isEmpty());
        EXPECT_FALSE(e->hasFocus());
    }
};

class Korrigiert : public Uebernommen {};
TEST_P(Korrigiert, still_auf_festen_Text) { Pruefen(); }

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Korrigiert,
    ::testing::Values(
        Uebernahme{"Alfali_150", V::keine, "Edit_Alfali", u"150", false, u"0", "Edit_kli", u"-1",
                   [](const Zustand& z) { return z.Alfali; }, 0, 0},
        Uebernahme{"Alfare_150", V::keine, "Edit_Alfare", u"150", false, u"0", "Edit_kre", u"21",
                   [](const Zustand& z) { return Extended(z.kre); }, 21, 0},
        Uebernahme{"kre_99_bei_n_20", V::keine, "Edit_kre", u"99", false, u"21", "Edit_Alfare", u"0",
                   [](const Zustand& z) { return Extended(z.kre); }, 21, 0},
        Uebernahme{"kli_ueber_kre", V::keine, "Edit_kli", u"99", false, u"-1", "Edit_Alfali", u"0",
                   [](const Zustand& z) { return Extended(z.kli); }, -1, 0},
        Uebernahme{"kli_minus_3_eingefuegt", V::keine, "Edit_kli", u"-3", true, u"-1", "Edit_Alfali", u"0",
                   [](const Zustand& z) { return Extended(z.kli); }, -1, 0},
        Uebernahme{"kre_negativ_eingefuegt", V::keine, "Edit_kre", u"-1", true, u"21", "Edit_Alfare", u"0",
                   [](const Zustand& z) { return Extended(z.kre); }, 21, 0},
        Uebernahme{"p0_1_5", V::keine, "Edit_p0", u"1,5", false, u"0,8", "Edit_kli", u"12",
                   [](const Zustand& z) { return z.p0; }, 0.8L, 0},
        Uebernahme{"p0_minus_eingefuegt", V::keine, "Edit_p0", u"-0,5", true, u"0,8", "Edit_kli", u"12",
                   [](const Zustand& z) { return z.p0; }, 0.8L, 0},
        Uebernahme{"p1_2", V::keine, "Edit_p1", u"2", false, u"0,6", "Edit_p0", u"0,8",
                   [](const Zustand& z) { return z.p1; }, 0.6L, 0},
        Uebernahme{"p2_drei_Halbe", V::keine, "Edit_p2", u"3/2", false, u"0,3", "Edit_p0", u"0,8",
                   [](const Zustand& z) { return z.p2; }, 0.3L, 0},
        Uebernahme{"x_ueber_n", V::keine, "Edit_Stichprobenergebnis", u"25", false, u"0",
                   "Label_Vertrauensintervall_ausgeben", u"[ 0,0000 ; 0,0000 ]",
                   [](const Zustand& z) { return Extended(z.x); }, 0, 0},
        Uebernahme{"k1_ueber_k2", V::keine, "Edit_k1", u"25", false, u"0", "Edit_k2", u"20",
                   [](const Zustand& z) { return Extended(z.k1); }, 0, 0},
        Uebernahme{"k2_ueber_n", V::keine, "Edit_k2", u"25", false, u"20", "Edit_k1", u"0",
                   [](const Zustand& z) { return Extended(z.k2); }, 20, 0}),
    [](const auto& info) { return std::string(info.param.name); });

class Angenommen : public Uebernommen {};
TEST_P(Angenommen, mit_Folgearbeit) { Pruefen(); }

// Binomial values for n = 20, p0 = 0,8 are exact sums of the terms C(20,k)·0,8^k·0,2^(20-k)
// in rational arithmetic: P(X<=10) = 0,0025948274..., P(X>=18) = 0,2060847189...,
// P(X<=13) = 0,0866925..., P(X<=14) = 0,1957922... (so a level of 10 % gives kli = 13).
// Phi(1,96) - Phi(-1,96) = 0,9500042... (standard normal table).
INSTANTIATE_TEST_SUITE_P(
    Zeilen, Angenommen,
    ::testing::Values(
        Uebernahme{"p1_Drittel_bleibt_als_Bruch", V::keine, "Edit_p1", u"1/3", false, u"1/3", "Edit_p0",
                   u"0,8", [](const Zustand& z) { return z.p1; }, 1.0L / 3.0L, 0},
        Uebernahme{"Sigmafaktor_1_96", V::keine, "Edit_Sigmafaktor", u"1,96", false, u"1,96",
                   "Edit_Umgebung", u"95,0004", [](const Zustand& z) { return z.Umgebung; },
                   95.00042L, 1e-5L},
        // 19600 additions of 0,0001, each rounded once.
        Uebernahme{"Umgebung_95", V::keine, "Edit_Umgebung", u"95", false, u"95", "Edit_Sigmafaktor",
                   u"1,96", [](const Zustand& z) { return z.Sigmafaktor; }, 1.96L, 19600 * 2 * eps},
        Uebernahme{"Umgebung_100_Faktor_7", V::keine, "Edit_Umgebung", u"100", false, u"100",
                   "Edit_Sigmafaktor", u"7", [](const Zustand& z) { return z.Sigmafaktor; }, 7, 0},
        Uebernahme{"Umgebung_0", V::keine, "Edit_Umgebung", u"0", false, u"0", "Edit_Sigmafaktor", u"0",
                   [](const Zustand& z) { return z.Sigmafaktor; }, 0, 0},
        // At 7 the series' rounding (about 1e-11) exceeds the true tail, so only the value
        // near 100 is asserted, not its last digits.
        Uebernahme{"Sigmafaktor_7", V::keine, "Edit_Sigmafaktor", u"7", false, u"7", "Edit_Umgebung",
                   u"", [](const Zustand& z) { return z.Umgebung; }, 100, 1e-8L},
        // 2·Phi(5) - 1 = 0,999999426696856 (standard normal table); the series' omitted tail
        // keeps about 1e-11 of it, hence 1e-8 in percent.
        Uebernahme{"Sigmafaktor_5", V::keine, "Edit_Sigmafaktor", u"5", false, u"5", "Edit_Umgebung",
                   u"99,99994266", [](const Zustand& z) { return z.Umgebung; }, 99.9999426696856L, 1e-8L},
        // The redraw narrows the k range of so large an n; the bound label shows the new n.
        Uebernahme{"n_4000", V::keine, "Edit_n", u"4000", false, u"4000", "Label_V_n", u"; ... ;4000]",
                   [](const Zustand& z) { return Extended(z.n); }, 4000, 0},
        Uebernahme{"kli_10", V::keine, "Edit_kli", u"10", false, u"10", "Edit_Alfali", u"0,25948274006740",
                   [](const Zustand& z) { return z.Alfali; }, 0.25948274006740174L, 1e-15L},
        Uebernahme{"kre_18", V::keine, "Edit_kre", u"18", false, u"18", "Edit_Alfare", u"20,608471894847",
                   [](const Zustand& z) { return z.Alfare; }, 20.60847189484739L, 1e-13L},
        Uebernahme{"Alfali_10", V::keine, "Edit_Alfali", u"10", false, u"10", "Edit_kli", u"13",
                   [](const Zustand& z) { return Extended(z.kli); }, 13, 0},
        Uebernahme{"k1_5", V::keine, "Edit_k1", u"5", false, u"5", "Edit_k2", u"20",
                   [](const Zustand& z) { return Extended(z.k1); }, 5, 0},
        Uebernahme{"M0_40", V::Zeile0_Hypergeo, "Edit_M0", u"40", false, u"40", "Edit_p0", u"0,4",
                   [](const Zustand& z) { return z.p0; }, 0.4L, 0},
        Uebernahme{"N0_gleich_n", V::Zeile0_Hypergeo_M5, "Edit_N0", u"20", false, u"20", "Edit_p0", u"0,25",
                   [](const Zustand& z) { return z.p0; }, 0.25L, 0},
        Uebernahme{"N2_mit_Zeile2", V::Zeile2_Hypergeo, "Edit_N2", u"84", false, u"84", "Edit_p2", u"0,25",
                   [](const Zustand& z) { return z.p2; }, 0.25L, 0},
        // Score interval for x = 10 of n = 20 at z = 1,96, which also makes x/n the new p0.
        Uebernahme{"x_10_mit_Intervall", V::Konfidenzintervall_an, "Edit_Stichprobenergebnis", u"10", false,
                   u"10", "Label_Vertrauensintervall_ausgeben", u"[ 0,2993 ; 0,7007 ]",
                   [](const Zustand& z) { return z.p0; }, 0.5L, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Defined results and follow-up work ---------------------------------------------------

TEST_F(Eingabefenster, kli_ueber_n_nimmt_das_Niveau_aus_der_gueltigen_Tabelle) {
    Eingabe(f->Edit_Alfare, QStringLiteral("0"));
    ASSERT_EQ(f->Stand().kre, 21);
    // A stale entry beyond n must never be read.
    f->Stand().P0_kumuliert[21] = 0.5L;
    Eingabe(f->Edit_kli, QStringLiteral("21"));
    EXPECT_EQ(f->Stand().kli, 20);
    EXPECT_EQ(f->Edit_kli->text(), QStringLiteral("20"));
    EXPECT_EQ(f->Stand().Alfali, 100 * f->Stand().P0_kumuliert[20]);
    EXPECT_EQ(f->Edit_Alfali->text(), QString::fromStdString(Zahl_allgemein(100 * f->Stand().P0_kumuliert[20])));
}

TEST_F(Eingabefenster, n_nimmt_ungueltigen_k_Bereich_als_ganzen_Bereich) {
    f->Edit_k1->setText(QStringLiteral("3"));
    f->Edit_k2->setText(QStringLiteral("abc"));
    f->Edit_nExit();
    EXPECT_EQ(f->Stand().k1, 0);
    EXPECT_EQ(f->Stand().k2, 20);
    EXPECT_EQ(f->Edit_k2->text(), QStringLiteral("20"));

    f->Edit_k1->setText(QStringLiteral("2"));
    f->Edit_k2->setText(QStringLiteral("35"));  // beyond n: the tables end at 20
    f->Edit_nExit();
    EXPECT_EQ(f->Stand().k1, 0);
    EXPECT_EQ(f->Stand().k2, 20);

    f->Edit_k1->setText(QStringLiteral("4"));
    f->Edit_k2->setText(QStringLiteral("9"));  // a valid range is taken as it stands
    f->Edit_nExit();
    EXPECT_EQ(f->Stand().k1, 4);
    EXPECT_EQ(f->Stand().k2, 9);
}

TEST_F(Eingabefenster, Hypergeo_Wechsel_mit_n_ueber_N0_gibt_Edit_n_den_Fokus) {
    Eingabe(f->Edit_n, QStringLiteral("150"));
    ASSERT_EQ(f->Stand().n, 150);
    rec->Meldungen.clear();
    f->ComboBox_Verteilung_p0->setCurrentIndex(vaHypergeo);
    f->ComboBox_Verteilung_p0Change();
    EXPECT_EQ(rec->Meldungen, QStringList{QStringLiteral("n zu groß für Hypergeo")});
    EXPECT_TRUE(f->Edit_n->hasFocus());
    EXPECT_EQ(f->Stand().n, 150);
}

TEST_F(Eingabefenster, Stichprobenmarke_kommt_hinzu_und_die_alte_bleibt) {
    f->CheckBox_Stichprobenergebnis_zeigen->setChecked(true);
    const QImage& Bild = f->Image1->Bild();
    const int zeile = f->Stand().y_Ursprung + 2;  // below the axis only the marker paints
    const auto spalte1 = Markierungsspalte(Bild, f->Stand(), 1);
    const auto spalte5 = Markierungsspalte(Bild, f->Stand(), 5);
    ASSERT_TRUE(spalte1 && spalte5);
    const QRgb lila = 0xFF800080u;
    ASSERT_EQ(Bild.pixel(*spalte1, zeile), lila);
    ASSERT_NE(Bild.pixel(*spalte5, zeile), lila);

    Eingabe(f->Edit_Stichprobenergebnis, QStringLiteral("5"));
    EXPECT_EQ(f->Stand().x, 5);
    EXPECT_EQ(f->Image1->Bild().pixel(*spalte5, zeile), lila);
    EXPECT_EQ(f->Image1->Bild().pixel(*spalte1, zeile), lila) << "the old marker stays until a redraw";
}

TEST_F(Eingabefenster, Stufe_und_Grenze_rechnen_die_Tabellen_nicht_neu) {
    // Tables don't depend on levels: a poisoned table entry outlives leaving Edit_Alfali.
    f->Stand().P0_Tabelle[3] = 0.123L;
    Eingabe(f->Edit_Alfali, QStringLiteral("10"));
    EXPECT_EQ(f->Stand().P0_Tabelle[3], 0.123L);
    Eingabe(f->Edit_Umgebung, QStringLiteral("90"));
    EXPECT_EQ(f->Stand().P0_Tabelle[3], 0.123L);
    // whereas a p recomputes them
    Eingabe(f->Edit_p1, QStringLiteral("0,5"));
    EXPECT_NE(f->Stand().P0_Tabelle[3], 0.123L);
}

TEST_F(Eingabefenster, Umgebung_setzt_Umgebungsgrenzen_aus_mue0_und_sigma0) {
    Eingabe(f->Edit_Sigmafaktor, QStringLiteral("2"));
    // n = 20, p0 = 0,8: mue0 = 16, sigma0 = sqrt(3,2); both bounds inside 0..n.
    EXPECT_NEAR(f->Stand().Umgebung_li, 16 - 2 * std::sqrt(3.2L), 64 * eps);
    EXPECT_NEAR(f->Stand().Umgebung_re, 16 + 2 * std::sqrt(3.2L), 64 * eps);
    Eingabe(f->Edit_Sigmafaktor, QStringLiteral("3"));
    EXPECT_EQ(f->Stand().Umgebung_re, 20);  // 16 + 3·1,79 is above n
}

}  // namespace
