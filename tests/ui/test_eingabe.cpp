// The edit fields on the real window: typing, leaving, and the three outcomes of an exit.

#include "Fensterhilfe.h"

#include "analysis/Eingabefaelle.h"
#include "analysis/Zahlentexte.h"
#include "charts/Markierungen.h"
#include "ui/Bildfeld.h"
#include "ui/Eingabehinweis.h"

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

const char* const Alle_Felder[] = {"Edit_n",       "Edit_Stichprobenergebnis",
                                   "Edit_k1",      "Edit_k2",
                                   "Edit_p0",      "Edit_p1",
                                   "Edit_p2",      "Edit_M0",
                                   "Edit_M1",      "Edit_M2",
                                   "Edit_N0",      "Edit_N1",
                                   "Edit_N2",      "Edit_Alfali",
                                   "Edit_Alfare",  "Edit_kli",
                                   "Edit_kre",     "Edit_Sigmafaktor",
                                   "Edit_Umgebung"};

// What a rejected entry must leave alone: chart pixels, the other fields and labels, the state.
struct Schnappschuss {
    QImage Bild;
    std::map<QString, QString> Texte;
    std::vector<Extended> Werte;
    bool operator==(const Schnappschuss&) const = default;
};

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

    void Hypergeo(QComboBox* c) {
        c->setCurrentIndex(vaHypergeo);
        emit c->activated(vaHypergeo);
    }
    void Vorbereiten(Vorbereitung v) {
        switch (v) {
        case Vorbereitung::keine:
            break;
        case Vorbereitung::Zeile0_Hypergeo:
            Hypergeo(f->ComboBox_Verteilung_p0);
            break;
        case Vorbereitung::Zeile0_Hypergeo_M5:
            Hypergeo(f->ComboBox_Verteilung_p0);
            Eingabe(f->Edit_M0, QStringLiteral("5"));
            break;
        case Vorbereitung::Zeile1_Hypergeo:
            Hypergeo(f->ComboBox_Verteilung_p1);
            break;
        case Vorbereitung::Zeile2_Hypergeo:
            Hypergeo(f->ComboBox_Verteilung_p2);
            break;
        case Vorbereitung::Konfidenzintervall_an:
            f->CheckBox_Vertrauensintervall_berechnen->setChecked(true);
            break;
        case Vorbereitung::Alfare_0:
            Eingabe(f->Edit_Alfare, QStringLiteral("0"));
            break;
        case Vorbereitung::Stichprobenfeld_offen:
            f->Aktion_Stichproben_ziehen->trigger();
            QApplication::setActiveWindow(f->findChild<QLineEdit*>("Edit_Startwert")->window());
            ASSERT_TRUE(QTest::qWaitForWindowActive(f->findChild<QLineEdit*>("Edit_Startwert")->window()));
            break;
        case Vorbereitung::Alfali_0:
            Eingabe(f->Edit_Alfali, QStringLiteral("0"));
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
        for (const QLabel* l : std::initializer_list<const QLabel*>{
                 f->Label_Intervallwahrscheinlichkeit, f->Label_Intervallwahrscheinlichkeit2,
                 f->Label_Vertrauensintervall_ausgeben, f->Label_V_n})
            s.Texte[l->objectName()] = l->text();
        const Zustand& z = f->Stand();
        s.Werte = {Extended(z.n),  Extended(z.k1), Extended(z.k2), Extended(z.kli), Extended(z.kre), Extended(z.x),
                   Extended(z.M0), Extended(z.M1), Extended(z.M2), Extended(z.N0),  Extended(z.N1),  Extended(z.N2),
                   z.p0,           z.p1,           z.p2,           z.Alfali,        z.Alfare,        z.Sigmafaktor,
                   z.Umgebung,     z.Umgebung_li,  z.Umgebung_re,  z.Pmax,          z.mue0,          z.sigma0};
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

// The cases of Eingabefaelle.h the window must carry out: every rejected one, the others where
// their follow-up work is given.
std::vector<Eingabefall> Im_Fenster(Urteilsart Art) {
    std::vector<Eingabefall> v;
    for (const Eingabefall& f : Eingabefaelle)
        if (f.Art == Art && (Art == Urteilsart::Abweisen || f.anderes_Feld)) v.push_back(f);
    return v;
}

class Abgewiesen : public Eingabefenster, public ::testing::WithParamInterface<Eingabefall> {};

TEST_P(Abgewiesen, aendert_nichts_und_behaelt_den_Fokus) {
    const Eingabefall& a = GetParam();
    Vorbereiten(a.vor);
    QLineEdit* e = Feld(a.feld);
    const QString text = QString::fromUtf8(a.text);
    // Before typing: the k fields that show the range a typed n would give show the range in
    // force again once n is refused.
    const Schnappschuss vorher = Aufnehmen(e);
    if (a.einfuegen)
        Einfuegen(e, text);
    else
        Tippen(e, text);
    Enter(e);

    EXPECT_EQ(e->text(), text);
    EXPECT_TRUE(e->hasFocus());
    // Why, in words beside the field, in the field's window (the samples panel is one of its own).
    const auto* Hinweis = e->window()->findChild<Eingabehinweis*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(Hinweis, nullptr);
    EXPECT_TRUE(Hinweis->isVisible() && !Hinweis->text().isEmpty());
    EXPECT_EQ(rec->Toene, a.Ton ? 1 : 0);
    const QStringList erwartet = a.Meldung ? QStringList{QString::fromUtf8(a.Meldung)} : QStringList{};
    EXPECT_EQ(rec->Meldungen, erwartet);
    const Schnappschuss nachher = Aufnehmen(e);
    EXPECT_TRUE(nachher.Texte == vorher.Texte);
    EXPECT_TRUE(nachher.Werte == vorher.Werte);
    EXPECT_TRUE(nachher.Bild == vorher.Bild) << "the chart was redrawn";
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Abgewiesen, ::testing::ValuesIn(Im_Fenster(Urteilsart::Abweisen)),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Eingabefenster, p0_verlassen_setzt_Intervall_zurueck_auch_bei_Abweisung) {
    f->CheckBox_Vertrauensintervall_berechnen->setChecked(true);
    ASSERT_NE(f->Label_Vertrauensintervall_ausgeben->text(), QStringLiteral("[ 0,0000 ; 0,0000 ]"));
    Eingabe(f->Edit_p0, QStringLiteral("1/0"));
    EXPECT_TRUE(f->Edit_p0->hasFocus());
    EXPECT_FALSE(f->CheckBox_Vertrauensintervall_berechnen->isChecked());
    EXPECT_EQ(f->Label_Vertrauensintervall_ausgeben->text(), QStringLiteral("[ 0,0000 ; 0,0000 ]"));
    EXPECT_EQ(f->Stand().p0, 0.05L);  // x/n = 1/20 stays the test's p0
}

// ---- Correct and accept -------------------------------------------------------------------

class Uebernommen : public Eingabefenster, public ::testing::WithParamInterface<Eingabefall> {
protected:
    void Pruefen() {
        const Eingabefall& u = GetParam();
        Vorbereiten(u.vor);
        QLineEdit* e = Feld(u.feld);
        Eingabe(e, QString::fromUtf8(u.text), u.einfuegen);
        EXPECT_EQ(e->text(), QString::fromUtf8(u.Feldtext));
        const QObject* anderes = f->findChild<QObject*>(QString::fromLatin1(u.anderes_Feld));
        ASSERT_NE(anderes, nullptr);
        const QString anderer = anderes->property("text").toString();
        EXPECT_TRUE(anderer.startsWith(QString::fromUtf8(u.anderer_Text)))
            << u.anderes_Feld << " shows " << anderer.toStdString();
        EXPECT_LE(std::fabs(u.Zustandswert(f->Stand()) - u.erwartet), u.Toleranz)
            << static_cast<double>(u.Zustandswert(f->Stand()));
        EXPECT_EQ(rec->Toene, 0);
        EXPECT_TRUE(rec->Meldungen.isEmpty());
        EXPECT_FALSE(e->hasFocus());
    }
};

class Korrigiert : public Uebernommen {};
TEST_P(Korrigiert, still_auf_festen_Text) { Pruefen(); }
INSTANTIATE_TEST_SUITE_P(Zeilen, Korrigiert, ::testing::ValuesIn(Im_Fenster(Urteilsart::Korrigieren)),
                         [](const auto& info) { return std::string(info.param.name); });

class Angenommen : public Uebernommen {};
TEST_P(Angenommen, mit_Folgearbeit) { Pruefen(); }
INSTANTIATE_TEST_SUITE_P(Zeilen, Angenommen, ::testing::ValuesIn(Im_Fenster(Urteilsart::Annehmen)),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Defined results and follow-up work ---------------------------------------------------

TEST_F(Eingabefenster, kli_ueber_n_nimmt_das_Niveau_aus_der_gueltigen_Tabelle) {
    Eingabe(f->Edit_Alfare, QStringLiteral("0"));
    ASSERT_EQ(f->Stand().kre, 21);
    Eingabe(f->Edit_kli, QStringLiteral("21"));
    EXPECT_EQ(f->Stand().kli, 20);
    EXPECT_EQ(f->Edit_kli->text(), QStringLiteral("20"));
    EXPECT_EQ(f->Edit_Alfali->text(), QString::fromStdString(Zahl_allgemein(100 * f->Stand().P0_kumuliert[20])));
}

TEST_F(Eingabefenster, n_nimmt_ungueltigen_k_Bereich_als_ganzen_Bereich) {
    f->Edit_k1->setText(QStringLiteral("3"));
    f->Edit_k2->setText(QStringLiteral("abc"));
    Eingabe(f->Edit_n, QStringLiteral("20"));
    EXPECT_EQ(f->Stand().k1, 0);
    EXPECT_EQ(f->Stand().k2, 20);
    EXPECT_EQ(f->Edit_k2->text(), QStringLiteral("20"));
}

TEST_F(Eingabefenster, Hypergeo_Wechsel_mit_n_ueber_N0_gibt_Edit_n_den_Fokus) {
    Eingabe(f->Edit_n, QStringLiteral("150"));
    ASSERT_EQ(f->Stand().n, 150);
    rec->Meldungen.clear();
    Hypergeo(f->ComboBox_Verteilung_p0);
    EXPECT_EQ(rec->Meldungen, QStringList{QStringLiteral("n zu groß für Hypergeo")});
    EXPECT_TRUE(f->Edit_n->hasFocus());
    EXPECT_EQ(f->Stand().n, 150);
}

TEST_F(Eingabefenster, Stichprobenmarke_folgt_x) {
    f->CheckBox_Stichprobenergebnis_zeigen->setChecked(true);
    const QImage& Bild = f->Image1->Bild();
    const int zeile = f->Geometrie_des_Bildes().y_Ursprung + 2;  // below the axis only the marker paints
    const auto spalte1 = Markierungsspalte(Bild, f->Geometrie_des_Bildes(), 1);
    const auto spalte5 = Markierungsspalte(Bild, f->Geometrie_des_Bildes(), 5);
    ASSERT_TRUE(spalte1 && spalte5);
    const QRgb lila = 0xFF800080u;
    ASSERT_EQ(Bild.pixel(*spalte1, zeile), lila);
    ASSERT_NE(Bild.pixel(*spalte5, zeile), lila);

    Eingabe(f->Edit_Stichprobenergebnis, QStringLiteral("5"));
    EXPECT_EQ(f->Stand().x, 5);
    EXPECT_EQ(f->Image1->Bild().pixel(*spalte5, zeile), lila);
    // The chart is drawn anew from the inputs: no marker of an earlier x is left behind.
    EXPECT_NE(f->Image1->Bild().pixel(*spalte1, zeile), lila);
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
