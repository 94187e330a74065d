// The main window as the user meets it: start-up texts and chart, the mutual exclusion of the
// display switches, the switch of a distribution's kind, the clipboard copy, focus order and
// the rules for when an entry ends, closing.

#include "Fensterhilfe.h"
#include "ui/Sprache.h"

#include "charts/UGrafik.h"
#include "ui/Bildfeld.h"
#include "ui/Vollbild.h"
#include "ui/Wertetabelle.h"

#include <QAccessible>
#include <QGroupBox>
#include <QMap>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

class Fenster : public Fenstertest {
protected:
    QCheckBox* Kasten(const char* Name) const {
        auto* k = f->findChild<QCheckBox*>(QString::fromLatin1(Name));
        EXPECT_NE(k, nullptr) << Name;
        return k;
    }
};

TEST_F(Fenster, StartTexte) {
    EXPECT_EQ(f->Edit_kli->text(), "12");
    EXPECT_EQ(f->Edit_kre->text(), "20");
    EXPECT_EQ(f->Label_Intervallwahrscheinlichkeit->text(), "P=100,00%");
    EXPECT_EQ(f->Label_Intervallwahrscheinlichkeit2->text(), "P=98,85%");
    EXPECT_EQ(f->Label_Vertrauensintervall_ausgeben->text(), "[ 0,0000 ; 0,0000 ]");
    EXPECT_EQ(f->Label_V_n->text(), "; ... ;20]");
    EXPECT_EQ(f->Edit_p2->text(), "0,3");
    EXPECT_TRUE(f->CheckBox_Info->isChecked());
    for (QWidget* w : {static_cast<QWidget*>(f->Edit_M0), static_cast<QWidget*>(f->Edit_N2),
                       static_cast<QWidget*>(f->Label_M1), static_cast<QWidget*>(f->Label_N0)})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(f->windowTitle(),
              "Diskrete Verteilungen  - Hypothesentest - Operationscharakteristik - Konfidenzintervall - V2.07s");
    // The form holds the window's title, Dienste the title of the message boxes: the same.
    EXPECT_EQ(f->windowTitle(), Programmtitel);
    EXPECT_TRUE(rec->Meldungen.isEmpty());
}

// The k axis of the start chart (k = 0..20, 20 px per bar) runs along row 349.
TEST_F(Fenster, StartDiagramm) {
    const QImage& b = f->Image1->Bild();
    ASSERT_EQ(b.height(), 373);
    EXPECT_EQ(b.width(), f->width());
    for (int x = 40; x <= 469; ++x) EXPECT_EQ(b.pixel(x, 349), 0xFF000000u) << "x=" << x;
}

TEST_F(Fenster, BildFolgtDerFensterbreite) {
    const int Breite = f->width();
    f->resize(800, f->height());
    QApplication::processEvents();
    EXPECT_EQ(f->Image1->width(), 800);
    EXPECT_EQ(f->Image1->Bild().width(), 800);
    EXPECT_EQ(f->Image1->Bild().height(), 373);
    // Redrawn at the new size, not a blank bitmap.
    EXPECT_EQ(f->Image1->Bild().pixel(100, 349), 0xFF000000u);
    // A taller window gives the chart the height below the band; its k axis moves down.
    f->resize(800, f->height() + 100);
    QApplication::processEvents();
    EXPECT_EQ(f->Image1->Bild().height(), 473);
    EXPECT_EQ(f->Image1->Bild().pixel(100, 449), 0xFF000000u);
    // A lower window draws the chart lower, whole; below a 200 px chart the band scrolls.
    // (800 px are too narrow for the band, which scrolls sideways then.)
    auto* Band = f->findChild<QScrollArea*>("Band");
    ASSERT_NE(Band, nullptr);
    for (const auto& [Hoehe, Bild, rollt] : {std::tuple{613, 273, false}, std::tuple{440, 200, true}}) {
        f->resize(Breite, Hoehe);
        QApplication::processEvents();
        EXPECT_EQ(f->Image1->Bild().height(), Bild) << Hoehe;
        EXPECT_EQ(f->Image1->geometry().bottom(), Hoehe - 1) << Hoehe;
        EXPECT_EQ(f->Image1->Bild().pixel(100, Bild - 24), 0xFF000000u) << Hoehe;  // the k axis
        EXPECT_EQ(Band->verticalScrollBar()->isVisible(), rollt) << Hoehe;
    }
}

struct Ausschluss {
    const char* Name;
    std::vector<const char*> vorher;  // checked in this order before the click
    const char* Klick;
    std::vector<const char*> nachher;  // exactly these of the seven boxes are checked then
};

class Ausschlussregeln : public Fenster, public ::testing::WithParamInterface<Ausschluss> {};

TEST_P(Ausschlussregeln, NachDemKlick) {
    const Ausschluss& a = GetParam();
    for (const char* n : a.vorher) Kasten(n)->setChecked(true);
    QCheckBox* k = Kasten(a.Klick);
    QTest::mouseClick(k, Qt::LeftButton, {}, k->rect().center());
    const char* Alle[] = {
        "CheckBox_Alfa_zeigen",          "CheckBox_Annahmebereich_zeigen",   "CheckBox_Umgebung_schraffieren",
        "CheckBox_p0_kumuliert",         "CheckBox_waagerechte_Strichelung", "CheckBox_Normalverteilung",
        "CheckBox_Erwartungswert_zeigen"};
    const std::set<std::string> soll(a.nachher.begin(), a.nachher.end());
    for (const char* n : Alle) EXPECT_EQ(Kasten(n)->isChecked(), soll.count(n) == 1) << n;
    EXPECT_TRUE(f->CheckBox_Info->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Fenster, Ausschlussregeln,
                         ::testing::Values(Ausschluss{"Alfa_loescht_Annahme",
                                                      {"CheckBox_Annahmebereich_zeigen"},
                                                      "CheckBox_Alfa_zeigen",
                                                      {"CheckBox_Alfa_zeigen"}},
                                           Ausschluss{"Alfa_loescht_kumuliert_und_Hilfslinien",
                                                      {"CheckBox_p0_kumuliert", "CheckBox_waagerechte_Strichelung"},
                                                      "CheckBox_Alfa_zeigen",
                                                      {"CheckBox_Alfa_zeigen"}},
                                           Ausschluss{"Annahme_loescht_Umgebung",
                                                      {"CheckBox_Umgebung_schraffieren"},
                                                      "CheckBox_Annahmebereich_zeigen",
                                                      {"CheckBox_Annahmebereich_zeigen"}},
                                           Ausschluss{"Annahme_loescht_Alfa_und_kumuliert",
                                                      {"CheckBox_Alfa_zeigen", "CheckBox_p0_kumuliert"},
                                                      "CheckBox_Annahmebereich_zeigen",
                                                      {"CheckBox_Annahmebereich_zeigen"}},
                                           Ausschluss{"Umgebung_loescht_Annahme",
                                                      {"CheckBox_Annahmebereich_zeigen"},
                                                      "CheckBox_Umgebung_schraffieren",
                                                      {"CheckBox_Umgebung_schraffieren"}},
                                           Ausschluss{"Umgebung_loescht_kumuliert_und_bleibt_an",
                                                      {"CheckBox_p0_kumuliert"},
                                                      "CheckBox_Umgebung_schraffieren",
                                                      {"CheckBox_Umgebung_schraffieren"}},
                                           Ausschluss{"kumuliert_an_laesst_Alfa",
                                                      {"CheckBox_Alfa_zeigen", "CheckBox_waagerechte_Strichelung"},
                                                      "CheckBox_p0_kumuliert",
                                                      {"CheckBox_Alfa_zeigen", "CheckBox_p0_kumuliert"}},
                                           Ausschluss{"kumuliert_aus_loescht_Hilfslinien",
                                                      {"CheckBox_p0_kumuliert", "CheckBox_waagerechte_Strichelung"},
                                                      "CheckBox_p0_kumuliert",
                                                      {}},
                                           Ausschluss{"Normalverteilung_loescht_kumuliert_und_Hilfslinien",
                                                      {"CheckBox_p0_kumuliert", "CheckBox_waagerechte_Strichelung"},
                                                      "CheckBox_Normalverteilung",
                                                      {"CheckBox_Normalverteilung"}},
                                           Ausschluss{"Erwartungswert_aus_loescht_kumuliert",
                                                      {"CheckBox_Erwartungswert_zeigen", "CheckBox_p0_kumuliert"},
                                                      "CheckBox_Erwartungswert_zeigen",
                                                      {}},
                                           Ausschluss{
                                               "Hilfslinien_zeichnen_nur_neu",
                                               {"CheckBox_Annahmebereich_zeigen"},
                                               "CheckBox_waagerechte_Strichelung",
                                               {"CheckBox_Annahmebereich_zeigen", "CheckBox_waagerechte_Strichelung"}}),
                         [](const auto& info) { return std::string(info.param.Name); });

class Zuruecksetzen : public Fenster, public ::testing::WithParamInterface<bool> {};

TEST_P(Zuruecksetzen, LaesstInfoUndStelltDenRestZurueck) {
    const bool Info = GetParam();
    f->CheckBox_Info->setChecked(Info);
    f->CheckBox_Alfa_zeigen->setChecked(true);
    f->CheckBox_p1_zeichnen->setChecked(true);
    Waehlen(f->ComboBox_Verteilung_p1, 1);
    Waehlen(f->ComboBox_Histo_Saeule, 1);
    ASSERT_TRUE(f->Edit_M1->isVisible());
    ASSERT_TRUE(f->Stand().Saeulendiagramm);

    f->SpeedButton_Standardwerte->click();

    EXPECT_EQ(f->CheckBox_Info->isChecked(), Info);
    EXPECT_FALSE(f->CheckBox_Alfa_zeigen->isChecked());
    EXPECT_FALSE(f->CheckBox_p1_zeichnen->isChecked());
    EXPECT_EQ(f->ComboBox_Verteilung_p1->currentIndex(), 0);
    EXPECT_EQ(f->ComboBox_Histo_Saeule->currentIndex(), 0);
    EXPECT_FALSE(f->Stand().Saeulendiagramm);
    EXPECT_FALSE(f->Edit_M1->isVisible());
    EXPECT_FALSE(f->Label_N1->isVisible());
    EXPECT_TRUE(f->Edit_p1->isEnabled());
    EXPECT_EQ(f->Edit_kli->text(), "12");
    EXPECT_EQ(f->StringGrid1->Spaltenzahl(), 6);
}

INSTANTIATE_TEST_SUITE_P(Fenster, Zuruecksetzen, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Info_an" : "Info_aus"; });

TEST_F(Fenster, HypergeoZeigtMundNundSperrtP) {
    Waehlen(f->ComboBox_Verteilung_p0, 1);
    EXPECT_TRUE(f->Edit_M0->isVisible());
    EXPECT_TRUE(f->Edit_N0->isVisible());
    EXPECT_TRUE(f->Label_M0->isVisible());
    EXPECT_TRUE(f->Label_N0->isVisible());
    EXPECT_FALSE(f->Edit_p0->isEnabled());
    EXPECT_TRUE(rec->Meldungen.isEmpty());
    // Rows 1 and 2 are untouched.
    EXPECT_FALSE(f->Edit_M1->isVisible());
    EXPECT_TRUE(f->Edit_p1->isEnabled());
}

TEST_F(Fenster, HypergeoMitZuGrossemN) {
    Eingeben(f->Edit_n, "150");
    ASSERT_EQ(f->Stand().n, 150);
    const Extended mue = f->Stand().mue0;
    Waehlen(f->ComboBox_Verteilung_p0, 1);
    ASSERT_EQ(rec->Meldungen, QStringList{"n zu groß für Hypergeo"});
    EXPECT_EQ(QApplication::focusWidget(), f->Edit_n);
    EXPECT_TRUE(f->Edit_M0->isVisible());
    EXPECT_FALSE(f->Edit_p0->isEnabled());
    // Nothing recomputed: still the binomial moments of n = 150.
    EXPECT_EQ(f->Stand().mue0, mue);
}

// Every kind can be picked, and a population of exactly n is large enough.
TEST_F(Fenster, GeometrischUndHypergeoMitNGleichN) {
    Waehlen(f->ComboBox_Verteilung_p0, vaGeometr);
    EXPECT_EQ(f->Stand().mue0, 1.25L);  // 1/p0
    Eingeben(f->Edit_n, "100");
    Waehlen(f->ComboBox_Verteilung_p0, vaHypergeo);
    EXPECT_TRUE(rec->Meldungen.isEmpty());
    EXPECT_EQ(f->Stand().mue0, 80);  // n M / N
}

TEST_F(Fenster, ZurueckZuBinomialBehaeltPausMN) {
    Waehlen(f->ComboBox_Verteilung_p0, 1);
    Eingeben(f->Edit_M0, "30");
    ASSERT_EQ(f->Edit_p0->text(), "0,3");
    Waehlen(f->ComboBox_Verteilung_p0, 0);
    EXPECT_TRUE(f->Edit_p0->isEnabled());
    EXPECT_FALSE(f->Edit_M0->isVisible());
    EXPECT_EQ(f->Edit_p0->text(), "0,3");
    EXPECT_EQ(f->Stand().p0, 30.0L / 100.0L);
}

TEST_F(Fenster, GroessenaenderungBehaeltOCundFamilienbild) {
    f->BitBtn_OC->click();
    const QImage OC = f->Image1->Bild().copy();
    f->resize(f->width() + 120, f->height());
    QApplication::processEvents();
    ASSERT_EQ(f->Image1->Bild().width(), OC.width() + 120);
    EXPECT_EQ(f->Image1->Bild().copy(0, 0, OC.width(), OC.height()), OC);
    EXPECT_EQ(f->Image1->Bild().pixel(OC.width() + 60, 200), 0xFFFFFFFFu);

    f->Button_n_variabel->click();
    const QImage Familie = f->Image1->Bild().copy();
    f->resize(f->width() - 200, f->height());
    QApplication::processEvents();
    EXPECT_EQ(f->Image1->Bild(), Familie.copy(0, 0, f->Image1->width(), Familie.height()));
}

TEST_F(Fenster, GroessenaenderungWiederholtKeineMeldung) {
    f->CheckBox_Vertrauensintervall_berechnen->setChecked(true);
    Waehlen(f->ComboBox_Verteilung_p0, 2);
    const int Meldungen = rec->Meldungen.size();
    ASSERT_GE(Meldungen, 1);
    for (int b : {900, 1100, 1031}) {
        f->resize(b, f->height());
        QApplication::processEvents();
    }
    EXPECT_EQ(rec->Meldungen.size(), Meldungen);
    // Still the distribution chart, redrawn at the last width.
    EXPECT_EQ(f->Image1->Bild().width(), 1031);
    EXPECT_EQ(f->Image1->Bild().pixel(100, 349), 0xFF000000u);
}

TEST_F(Fenster, KonfidenzintervallOhneBinomialMeldetBeiJedemNeuzeichnen) {
    f->CheckBox_Vertrauensintervall_berechnen->setChecked(true);
    ASSERT_TRUE(rec->Meldungen.isEmpty());
    Waehlen(f->ComboBox_Verteilung_p0, 2);
    const int nach_Wechsel = rec->Meldungen.count("Keine Binomialverteilung !");
    EXPECT_GE(nach_Wechsel, 1);
    f->CheckBox_Info->toggle();
    EXPECT_GT(rec->Meldungen.count("Keine Binomialverteilung !"), nach_Wechsel);
    EXPECT_TRUE(f->CheckBox_Vertrauensintervall_berechnen->isChecked());
}

// The grid belongs to the chart shown: a change after OC shows the distribution chart and its
// value grid, as a fresh window with the same inputs does.
TEST_F(Fenster, NachOCbringtJedeAenderungVerteilungUndWertetabelle) {
    f->BitBtn_OC->click();
    ASSERT_EQ(f->StringGrid1->Spaltenzahl(), 2);
    f->CheckBox_Info->toggle();
    EXPECT_EQ(f->StringGrid1->Spaltenzahl(), 6);
    EXPECT_EQ(f->StringGrid1->Zeilenzahl(), 22);
}

// The stripe right of the copy is white afterwards; the copy is the picture as shown. (The
// copy's width for each axis end is the chart's: tests/charts/test_diagramm.cpp.)
TEST_F(Fenster, KopieBreiteUndWeisserStreifen) {
    f->BitBtn_OC->click();  // the OC chart's axis ends at 460: the copy is 680 wide
    QImage& b = f->Image1->Bild();
    b.fill(0xFFFF0000u);
    f->SpeedButton_Clipboard->click();
    ASSERT_EQ(rec->Bilder.size(), 1u);
    const QImage& c = rec->Bilder.front();
    EXPECT_EQ(c.width(), 680);
    EXPECT_EQ(c.height(), 373);
    EXPECT_EQ(c.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(c.pixel(679, 372), 0xFFFF0000u);
    EXPECT_EQ(b.width(), f->width());
    EXPECT_EQ(b.pixel(679, 200), 0xFFFF0000u);
    for (int x = 680; x < b.width(); ++x) {
        EXPECT_EQ(b.pixel(x, 0), 0xFFFFFFFFu) << x;
        EXPECT_EQ(b.pixel(x, 372), 0xFFFFFFFFu) << x;
    }
}

TEST_F(Fenster, KopieDesStartdiagrammsIst680Breit) {
    f->SpeedButton_Clipboard->click();
    ASSERT_EQ(rec->Bilder.size(), 1u);
    EXPECT_EQ(rec->Bilder.front().width(), 680);
    EXPECT_EQ(rec->Bilder.front().pixel(40, 349), 0xFF000000u);
}

TEST_F(Fenster, KopieEinesBreitenDiagrammsIstDasGanzeBild) {
    Eingeben(f->Edit_n, "100");
    ASSERT_GE(f->Geometrie_des_Bildes().x_Ende, 680);
    f->SpeedButton_Clipboard->click();
    ASSERT_EQ(rec->Bilder.size(), 1u);
    EXPECT_EQ(rec->Bilder.front().width(), f->Geometrie_des_Bildes().x_Ende + 15);
    EXPECT_EQ(rec->Bilder.front().width(), f->Image1->Bild().width());
}

// The button pictures come from the resource file in the static library, which the linker
// leaves out unless the window refers to it: each button has its picture at the picture's size.
TEST_F(Fenster, KnopfbilderSindDa) {
    const std::pair<QAbstractButton*, QSize> Knoepfe[] = {{f->BitBtn_Histoneu, QSize(16, 16)},
                                                          {f->BitBtn_OC, QSize(16, 16)},
                                                          {f->SpeedButton_Standardwerte, QSize(28, 28)},
                                                          {f->SpeedButton_Clipboard, QSize(24, 24)},
                                                          {f->SpeedButton_Grafik_speichern, QSize(16, 16)},
                                                          {f->SpeedButton_Grafik_drucken, QSize(16, 16)},
                                                          {f->SpeedButton_Vollbild, QSize(16, 16)},
                                                          {f->SpeedButton_Stichproben, QSize(16, 16)},
                                                          {f->SpeedButton_Hilfe, QSize(16, 16)}};
    for (const auto& [Knopf, Groesse] : Knoepfe) {
        EXPECT_EQ(Knopf->icon().availableSizes(), QList<QSize>{Groesse}) << Knopf->objectName().toStdString();
        if (qobject_cast<QToolButton*>(Knopf)) {
            EXPECT_EQ(Knopf->iconSize(), Groesse);
        }
    }
}

// A tool button takes no focus, so the entry in progress does not end: the copy shows the old p0.
// What a screen reader gets: a name for every control of the form, the chart in words that
// follow the chart (also when a button's shortcut draws it), and the grid's cells.
TEST_F(Fenster, FuerBildschirmleser) {
    // Every control, group and value is heard by a name of its own; pieces of a caption are
    // not heard at all.
    QMap<QString, QString> Namen;
    for (QWidget* w : f->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr) << w->objectName().toStdString();
        const QString Name = a->text(QAccessible::Name).trimmed();
        EXPECT_FALSE(Name.isEmpty()) << w->objectName().toStdString();
        const bool Wert = w == f->Label_Intervallwahrscheinlichkeit || w == f->Label_Intervallwahrscheinlichkeit2 ||
                          w == f->Label_Vertrauensintervall_ausgeben;
        if (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QGroupBox*>(w) && !Wert) continue;
        // A group may share its caption with its one field: the role tells them apart.
        const QString Schluessel = qobject_cast<QGroupBox*>(w) ? "Gruppe " + Name : Name;
        EXPECT_FALSE(Namen.contains(Schluessel)) << Name.toStdString() << ": " << w->objectName().toStdString() << ", "
                                                 << Namen.value(Schluessel).toStdString();
        Namen[Schluessel] = w->objectName();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f->ComboBox_Verteilung_p1)->text(QAccessible::Value), "Binomial");
    EXPECT_EQ(Namen.value("Verteilung von p1"), "ComboBox_Verteilung_p1");
    EXPECT_EQ(Namen.value("P0(k1<x<k2) P=98,85%"), "Label_Intervallwahrscheinlichkeit2");
    EXPECT_EQ(Namen.value("Konfidenzintervall [ 0,0000 ; 0,0000 ]"), "Label_Vertrauensintervall_ausgeben");
    for (QLabel* Stueck : {f->Label_Alfa_links_kleiner, f->Label_Alfa_rechts_Prozent, f->Label_V_links_Anfang})
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(Stueck)->state().invisible);
    QAccessibleInterface* Bild = QAccessible::queryAccessibleInterface(f->Image1);
    EXPECT_TRUE(Bild->text(QAccessible::Description)
                    .startsWith("Histogramm der Binomialverteilung mit p0=0,8 für n=20, k von 0 bis 20"))
        << Bild->text(QAccessible::Description).toStdString();
    f->CheckBox_Alfa_zeigen->click();
    EXPECT_TRUE(
        Bild->text(QAccessible::Description).contains("Verwerfungsbereich V={0; ... ;12;20; ... ;20}, α-Fehler 4,37%"))
        << Bild->text(QAccessible::Description).toStdString();
    f->BitBtn_OC->setFocus();
    QTest::keyClick(f->BitBtn_OC, Qt::Key_O, Qt::AltModifier);
    // The shortcut clicks the button after its pressed look has shown.
    for (int i = 0; i < 50 && !Bild->text(QAccessible::Description).startsWith("OC"); ++i) QTest::qWait(20);
    EXPECT_TRUE(Bild->text(QAccessible::Description).startsWith("OC-Kurve des beidseitigen Tests für n=20"))
        << Bild->text(QAccessible::Description).toStdString();
    EXPECT_TRUE(f->BitBtn_OC->toolTip().endsWith("(Alt+O)"));

    f->BitBtn_Histoneu->click();
    QAccessibleTableInterface* Tabelle = QAccessible::queryAccessibleInterface(f->StringGrid1)->tableInterface();
    ASSERT_NE(Tabelle, nullptr);
    EXPECT_EQ(Tabelle->cellAt(16, 0)->text(QAccessible::Name), "21,82%");
}

// F11 shows the chart alone on the whole screen, drawn anew at its size; Esc returns to the
// window as it was.
TEST_F(Fenster, VollbildUndZurueck) {
    const Diagrammgeometrie vorher_Geometrie = f->Geometrie_des_Bildes();
    const QImage Bild_vorher = f->Image1->Bild();
    QTest::keyClick(f->Edit_n, Qt::Key_F11);
    Vollbild* v = nullptr;
    for (int i = 0; i < 50 && !v; ++i, QTest::qWait(10))
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* k = qobject_cast<Vollbild*>(w); k && k->isVisible()) v = k;
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->windowState() & Qt::WindowFullScreen);
    const QSize Schirm = f->screen()->size();
    // The chart's width fills the screen; its height is what the screen leaves at that scale.
    const double Skala = double(Schirm.width()) / Logische_Breite(f->Image1->Bild());
    EXPECT_EQ(v->Bild().width(), Schirm.width());
    EXPECT_NEAR(v->Bild().height(), Schirm.height(), 1);
    const int Achse = Geraetepixel(Skala, int(Schirm.height() / Skala) - 24);
    EXPECT_EQ(v->Bild().pixel(Geraetepixel(Skala, 100), Achse), 0xFF000000u);  // the k axis
    const QPointer<Vollbild> offen(v);
    QTest::keyClick(v, Qt::Key_Escape);
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(offen.isNull());
    EXPECT_EQ(f->Image1->Bild(), Bild_vorher);
    EXPECT_EQ(f->Geometrie_des_Bildes().x_Ende, vorher_Geometrie.x_Ende);
    EXPECT_EQ(f->Edit_k2->text(), "20");
}

// Full screen magnifies: on 1920 x 1080 every text, bar and line grows by 1920 over the chart's
// width (about 1000 px), the k
// axis spans the same share of the width, and "n=20" stands about 33 px high.
TEST_F(Fenster, VollbildVergroessert) {
    const QImage& Klein = f->Image1->Bild();
    const double Skala = 1920.0 / Logische_Breite(Klein);
    const QImage Gross = f->Grafik_in_Skala(Skala, QSize(Logische_Breite(Klein), int(1080 / Skala)));
    ASSERT_EQ(Gross.width(), 1920);
    // Rows with ink of the caption "n=20" (logical columns 80..115, rows 5..21).
    auto Tintenzeilen = [](const QImage& b, double s) {
        int oben = -1, unten = -1;
        for (int y = 0; y < Geraetepixel(s, 25); ++y)
            for (int x = Geraetepixel(s, 80); x < Geraetepixel(s, 115); ++x)
                if (qGray(b.pixel(x, y)) < 128) {
                    if (oben < 0) oben = y;
                    unten = y;
                }
        return unten - oben + 1;
    };
    EXPECT_NEAR(Tintenzeilen(Gross, Skala), Skala * Tintenzeilen(Klein, 1), 3);
    EXPECT_NEAR(Geraetepixel(Skala, 17), 33, 2);  // the text cell
    // The k axis from the origin to its arrow, at the same share of the width.
    auto Achsenende = [](const QImage& b, int y) {
        int x = 0;
        for (int i = 0; i < b.width(); ++i)
            if (b.pixel(i, y) == 0xFF000000u) x = i;
        return x;
    };
    const int y_Gross = Geraetepixel(Skala, int(1080 / Skala) - 24);
    EXPECT_NEAR(double(Achsenende(Gross, y_Gross)) / Gross.width(), double(Achsenende(Klein, 349)) / Klein.width(),
                2.0 / Gross.width());
}

// Ctrl+E writes the chart drawn anew at twice the resolution, or a PDF page; Ctrl+P prints it
// through the print dialog; a file that can't be written is said so.
TEST_F(Fenster, GrafikSpeichernUndDrucken) {
    QTemporaryDir Ordner;
    rec->Speicherort = Ordner.filePath("g.png");
    rec->Speicherformat = "PNG 2×";
    QTest::keyClick(f->Edit_n, Qt::Key_E, Qt::ControlModifier);
    const QImage png(rec->Speicherort);
    ASSERT_EQ(png.size(), f->Image1->Bild().size() * 2);
    for (const QPoint d : {QPoint(0, 0), QPoint(1, 1)})  // the k axis, one 2 x 2 block per pixel
        EXPECT_EQ(png.pixel(QPoint(200, 698) + d) | 0xFF000000u, 0xFF000000u);

    rec->Speicherort = Ordner.filePath("g.pdf");
    rec->Speicherformat = "PDF";
    f->Aktion_Grafik_speichern->trigger();
    QFile pdf(rec->Speicherort);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray Inhalt = pdf.readAll();
    EXPECT_TRUE(Inhalt.startsWith("%PDF-"));
    // The chart is stored losslessly (no JPEG stream), and the page stays small.
    EXPECT_FALSE(Inhalt.contains("/DCTDecode"));
    EXPECT_LT(Inhalt.size(), 500 * 1024);

    // The content is what the name says, whatever the type list says; a name without one gets
    // the chosen type's extension.
    rec->Speicherort = Ordner.filePath("h.pdf");
    rec->Speicherformat = "PNG 2×";
    f->Aktion_Grafik_speichern->trigger();
    QFile h(rec->Speicherort);
    ASSERT_TRUE(h.open(QIODevice::ReadOnly));
    EXPECT_TRUE(h.readAll().startsWith("%PDF-"));
    rec->Speicherort = Ordner.filePath("ohne");
    f->Aktion_Grafik_speichern->trigger();
    EXPECT_EQ(QImage(Ordner.filePath("ohne.png")).size(), f->Image1->Bild().size() * 2);

    rec->Druckdatei = Ordner.filePath("druck.pdf");
    QTest::keyClick(f->Edit_n, Qt::Key_P, Qt::ControlModifier);
    EXPECT_GT(QFileInfo(rec->Druckdatei).size(), 1000);

    rec->Speicherort = Ordner.filePath("fehlt/g.png");
    f->Aktion_Grafik_speichern->trigger();
    EXPECT_EQ(rec->Meldungen, QStringList{"Die Grafik konnte nicht gespeichert werden."});
}

// Qt's own texts come in German, as the program loads them at start: key names in hints and
// menus, the standard buttons of the file and print dialogs.
TEST_F(Fenster, QtTexteAufDeutsch) {
    if (!Sprache_einstellen(Sprache::Deutsch))
        GTEST_SKIP() << "Qt's German translation qtbase_de.qm is not installed (qt6-translations-l10n)";
    EXPECT_EQ(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText), "Strg+S");
    EXPECT_EQ(f->SpeedButton_Grafik_speichern->toolTip(), "Grafik exportieren … (Strg+E)");
    QDialogButtonBox Knoepfe(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    EXPECT_EQ(Knoepfe.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    EXPECT_EQ(Knoepfe.button(QDialogButtonBox::Close)->text(), "Schließen");
}

// The small picture buttons of "Aktionen": each runs its action, names its key in its hint and,
// like the two tool buttons beside them, takes no focus, so an entry in progress goes on.
struct Aktionsknopffall {
    const char* Name;
    const char* Knopf;
    const char* Hinweis;  // before the key
    const char* Taste;
    std::function<bool(Rekorder&, TForm1&)> Gezeigt;
};
class Aktionsknopf : public Fenstertest, public ::testing::WithParamInterface<Aktionsknopffall> {};

QWidget* Sichtbares_Fenster(const char* Name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(Name)) return w;
    return nullptr;
}

TEST_P(Aktionsknopf, WirktOhneDenFokusZuNehmen) {
    const Aktionsknopffall& a = GetParam();
    auto* Knopf = f->findChild<QToolButton*>(QString::fromLatin1(a.Knopf));
    ASSERT_NE(Knopf, nullptr);
    EXPECT_EQ(Knopf->focusPolicy(), Qt::NoFocus);
    const QString Taste = QKeySequence(QString::fromLatin1(a.Taste)).toString(QKeySequence::NativeText);
    EXPECT_EQ(Knopf->toolTip(), QString::fromUtf8(a.Hinweis) + " (" + Taste + ")");
    f->Edit_p0->setFocus();
    f->Edit_p0->selectAll();
    QTest::keyClicks(f->Edit_p0, "0,5");
    QTest::mouseClick(Knopf, Qt::LeftButton);
    bool gezeigt = false;
    for (int i = 0; i < 50 && !(gezeigt = a.Gezeigt(*rec, *f)); ++i) QTest::qWait(10);
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(f->focusWidget(), f->Edit_p0);
    EXPECT_EQ(f->Edit_p0->text(), "0,5");
    EXPECT_EQ(f->Stand().p0, 0.8L);
    if (QWidget* v = Sichtbares_Fenster("Vollbild")) v->close();
}

INSTANTIATE_TEST_SUITE_P(
    Fenster, Aktionsknopf,
    ::testing::Values(Aktionsknopffall{"Speichern", "SpeedButton_Grafik_speichern", "Grafik exportieren …", "Ctrl+E",
                                       [](Rekorder& r, TForm1&) { return r.Angebote.size() == 1; }},
                      Aktionsknopffall{"Drucken", "SpeedButton_Grafik_drucken", "Grafik drucken …", "Ctrl+P",
                                       [](Rekorder& r, TForm1&) { return r.Druckdialoge == 1; }},
                      Aktionsknopffall{"Vollbild", "SpeedButton_Vollbild", "Grafik im Vollbild", "F11",
                                       [](Rekorder&, TForm1&) { return Sichtbares_Fenster("Vollbild") != nullptr; }},
                      Aktionsknopffall{"Hilfe", "SpeedButton_Hilfe", "Hilfe", "F1",
                                       [](Rekorder&, TForm1&) { return Sichtbares_Fenster("Hilfe") != nullptr; }},
                      Aktionsknopffall{
                          "Stichproben", "SpeedButton_Stichproben", "Stichproben ziehen …", "Alt+Z",
                          [](Rekorder&, TForm1&) { return Sichtbares_Fenster("Stichproben") != nullptr; }}),
    [](const auto& info) { return std::string(info.param.Name); });

// Every key the window knows is found in the window: F1's help lists them all, the grid's
// menu names its own two, and its entries do what those keys do.
TEST_F(Fenster, JedesTastenkuerzelIstZuFinden) {
    QTest::keyClick(f->Edit_n, Qt::Key_F1);
    QWidget* Hilfe = Sichtbares_Fenster("Hilfe");
    ASSERT_NE(Hilfe, nullptr);
    EXPECT_FALSE(Hilfe->isModal());
    auto* Text = Hilfe->findChild<QTextBrowser*>();
    ASSERT_NE(Text, nullptr);
    const QString Hilfetext = Text->toPlainText();
    QStringList Tasten = {QKeySequence(QKeySequence::SelectAll).toString(QKeySequence::NativeText),
                          QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText), "Esc"};
    for (const QAbstractButton* b : f->findChildren<QAbstractButton*>())
        Tasten << b->shortcut().toString(QKeySequence::NativeText);
    for (const QAction* a : f->findChildren<QAction*>()) Tasten << a->shortcut().toString(QKeySequence::NativeText);
    for (const QShortcut* k : f->findChildren<QShortcut*>()) Tasten << k->key().toString(QKeySequence::NativeText);
    Tasten.removeAll(QString());
    EXPECT_GE(Tasten.size(), 15);
    for (const QString& t : Tasten) EXPECT_TRUE(Hilfetext.contains(t)) << t.toStdString();
    QTest::keyClick(f->Edit_n, Qt::Key_F1);
    int Hilfefenster = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) Hilfefenster += w->objectName() == "Hilfe";
    EXPECT_EQ(Hilfefenster, 1);

    QStringList Menue;
    for (const QAction* a : f->StringGrid1->actions()) Menue << a->text();
    ASSERT_EQ(Menue, (QStringList{"&Alles markieren\t" + Tasten[0], "&Kopieren\t" + Tasten[1], "&Tabelle kopieren"}));
    f->StringGrid1->actions()[2]->trigger();
    const QString Ganz = QApplication::clipboard()->text();
    QApplication::clipboard()->clear();
    f->StringGrid1->actions()[0]->trigger();
    f->StringGrid1->actions()[1]->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), Ganz);
    EXPECT_EQ(Ganz.count('\n'), 21);
}

// The file dialog suggests a name from what the picture shows, n and p0; the first offer of a
// run is PNG 2×, later ones the folder and format chosen last. A cancelled dialog changes none.
TEST_F(Fenster, SpeichernSchlaegtNamenOrdnerUndFormatVor) {
    f->Aktion_Grafik_speichern->trigger();
    ASSERT_EQ(rec->Angebote.size(), 1u);
    EXPECT_EQ(QFileInfo(rec->Angebote[0].Datei).fileName(), "binomial-n20-p0,8.png");
    EXPECT_EQ(rec->Angebote[0].Formate, (QStringList{"PNG 1×", "PNG 2×", "PNG 4×", "PDF"}));
    EXPECT_EQ(rec->Angebote[0].Format, "PNG 2×");
    f->Aktion_Grafik_speichern->trigger();
    EXPECT_EQ(rec->Angebote[1].Datei, rec->Angebote[0].Datei);

    QTemporaryDir Ordner;
    rec->Speicherort = Ordner.filePath("eigener Name.pdf");
    rec->Speicherformat = "PDF";
    f->Aktion_Grafik_speichern->trigger();
    rec->Speicherort.clear();
    Waehlen(f->ComboBox_Verteilung_p0, 1);
    Eingeben(f->Edit_n, "30");
    f->Aktion_Grafik_speichern->trigger();
    EXPECT_EQ(rec->Angebote.back().Datei, QDir(Ordner.path()).filePath("hypergeometrisch-n30-p0,8.pdf"));
    EXPECT_EQ(rec->Angebote.back().Format, "PDF");
    f->BitBtn_OC->click();
    f->Aktion_Grafik_speichern->trigger();
    EXPECT_EQ(QFileInfo(rec->Angebote.back().Datei).fileName(), "oc-n30-p0,8.pdf");
}

TEST_F(Fenster, WerkzeugknopfBeendetKeineEingabe) {
    f->Edit_p0->setFocus();
    f->Edit_p0->selectAll();
    QTest::keyClicks(f->Edit_p0, "0,5");
    QTest::mouseClick(f->SpeedButton_Clipboard, Qt::LeftButton);
    QTest::mouseClick(f->SpeedButton_Standardwerte, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), f->Edit_p0);
    EXPECT_EQ(f->SpeedButton_Clipboard->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(f->SpeedButton_Standardwerte->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(f->Stand().p0, 0.8L);
}

TEST_F(Fenster, EingabeEndetNurBeimWechselInDiesemFenster) {
    f->Edit_p0->setFocus();
    f->Edit_p0->selectAll();
    QTest::keyClicks(f->Edit_p0, "0,5");

    QLineEdit anderes;  // another window takes the focus: the entry goes on
    anderes.show();
    QApplication::setActiveWindow(&anderes);
    anderes.setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f->Stand().p0, 0.8L);

    QApplication::setActiveWindow(f.get());
    f->Edit_p0->setFocus();
    f->Edit_p1->setFocus();
    EXPECT_EQ(f->Stand().p0, 0.5L);
}

struct Reihenfolge {
    const char* Name;
    bool Hypergeo0;
    std::vector<const char*> Namen;
};

class Fokusreihenfolge : public Fenster, public ::testing::WithParamInterface<Reihenfolge> {};

TEST_P(Fokusreihenfolge, TabLaeuftDurchDieFelder) {
    const Reihenfolge& r = GetParam();
    if (r.Hypergeo0) Waehlen(f->ComboBox_Verteilung_p0, 1);
    f->CheckBox_Erwartungswert_zeigen->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), f->CheckBox_Erwartungswert_zeigen);
    std::vector<std::string> ist;
    for (std::size_t i = 0; i < r.Namen.size(); ++i) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        ist.push_back(w->objectName().toStdString());
        QTest::keyClick(w, Qt::Key_Tab);
    }
    const std::vector<std::string> soll(r.Namen.begin(), r.Namen.end());
    EXPECT_EQ(ist, soll);
    EXPECT_TRUE(rec->Meldungen.isEmpty());
}

const std::vector<const char*> Anfang = {"CheckBox_Erwartungswert_zeigen",
                                         "CheckBox_Sigma_zeigen",
                                         "Edit_Sigmafaktor",
                                         "CheckBox_Umgebung_schraffieren",
                                         "Edit_Umgebung",
                                         "CheckBox_Normalverteilung",
                                         "CheckBox_Alfa_zeigen",
                                         "CheckBox_Annahmebereich_zeigen",
                                         "CheckBox_Beta_zeigen",
                                         "CheckBox_Stichprobenergebnis_zeigen",
                                         "Edit_Alfali",
                                         "Edit_Alfare",
                                         "Edit_kli",
                                         "Edit_kre",
                                         "ComboBox_Histo_Saeule",
                                         "CheckBox_waagerechte_Strichelung",
                                         "CheckBox_p0_kumuliert",
                                         "CheckBox_Info",
                                         "Edit_k1",
                                         "Edit_k2",
                                         "Edit_n",
                                         "Edit_Stichprobenergebnis",
                                         "ComboBox_Verteilung_p0",
                                         "ComboBox_Verteilung_p1",
                                         "ComboBox_Verteilung_p2"};
const std::vector<const char*> Ende = {"CheckBox_Vertrauensintervall_berechnen",
                                       "BitBtn_Histoneu",
                                       "BitBtn_OC",
                                       "BitBtn_p0Animation",
                                       "BitBtn_nAnimation",
                                       "Button_p0_variabel",
                                       "Button_n_variabel",
                                       "StringGrid1"};

std::vector<const char*> Folge(std::vector<const char*> Mitte) {
    std::vector<const char*> v = Anfang;
    v.insert(v.end(), Mitte.begin(), Mitte.end());
    v.insert(v.end(), Ende.begin(), Ende.end());
    return v;
}

INSTANTIATE_TEST_SUITE_P(Fenster, Fokusreihenfolge,
                         ::testing::Values(Reihenfolge{"Binomial", false,
                                                       Folge({"Edit_p0", "Edit_p1", "Edit_p2", "CheckBox_p1_zeichnen",
                                                              "CheckBox_p2_zeichnen"})},
                                           Reihenfolge{"Hypergeo_in_Zeile_0", true,
                                                       Folge({"Edit_p1", "Edit_p2", "CheckBox_p1_zeichnen",
                                                              "CheckBox_p2_zeichnen", "Edit_M0", "Edit_N0"})}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(FensterSchliessen, BeendetDasProgrammUndSchreibtNichts) {
    Dienste_setzen(std::make_unique<Rekorder>());
    QTemporaryDir leer;
    ASSERT_TRUE(leer.isValid());
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(leer.path());
    int Ergebnis = -1;
    {
        TForm1 f;
        f.show();
        QSignalSpy zuletzt(qApp, &QGuiApplication::lastWindowClosed);
        ASSERT_TRUE(QApplication::quitOnLastWindowClosed());
        QTimer::singleShot(0, &f, [&f] { f.close(); });
        // Safety net only: if closing did not end the loop, exit with a code the test rejects.
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
        Ergebnis = QApplication::exec();
        EXPECT_EQ(zuletzt.count(), 1);
    }
    EXPECT_EQ(Ergebnis, 0);
    QDir::setCurrent(vorher);
    EXPECT_TRUE(QDir(leer.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    Dienste_setzen(nullptr);
}

}  // namespace

namespace {

// The reset gives the start texts, the start chart and the start state whichever boxes were on
// before: every single box of the reset's list and every pair, one reset.
TEST_F(Fenster, ZuruecksetzenNachJederKastenpaarung) {
    const char* const Kaesten[] = {"CheckBox_p1_zeichnen",
                                   "CheckBox_p2_zeichnen",
                                   "CheckBox_Erwartungswert_zeigen",
                                   "CheckBox_Sigma_zeigen",
                                   "CheckBox_Umgebung_schraffieren",
                                   "CheckBox_Vertrauensintervall_berechnen",
                                   "CheckBox_Normalverteilung",
                                   "CheckBox_Alfa_zeigen",
                                   "CheckBox_Annahmebereich_zeigen",
                                   "CheckBox_Beta_zeigen",
                                   "CheckBox_waagerechte_Strichelung",
                                   "CheckBox_p0_kumuliert",
                                   "CheckBox_Stichprobenergebnis_zeigen"};
    const QImage Startbild = f->Image1->Bild().copy();
    const Zustand Start = f->Stand();
    const int N = static_cast<int>(std::size(Kaesten));
    for (int i = 0; i < N; ++i)
        for (int j = i; j < N; ++j) {
            const std::string Fall = std::string(Kaesten[i]) + " + " + Kaesten[j];
            Kasten(Kaesten[i])->setChecked(true);
            Kasten(Kaesten[j])->setChecked(true);
            f->SpeedButton_Standardwerte->click();
            ASSERT_EQ(f->Edit_p0->text(), "0,8") << Fall;
            ASSERT_EQ(f->Edit_kli->text(), "12") << Fall;
            ASSERT_EQ(f->Edit_kre->text(), "20") << Fall;
            ASSERT_EQ(f->Edit_Alfali->text(), "5") << Fall;
            ASSERT_EQ(f->Label_Intervallwahrscheinlichkeit->text(), "P=100,00%") << Fall;
            ASSERT_EQ(f->Stand().p0, Start.p0) << Fall;
            ASSERT_EQ(f->Stand().kli, Start.kli) << Fall;
            ASSERT_EQ(f->Stand().kre, Start.kre) << Fall;
            ASSERT_EQ(f->Stand().Alfali, Start.Alfali) << Fall;
            ASSERT_EQ(f->Stand().Alfare, Start.Alfare) << Fall;
            ASSERT_EQ(f->Stand().mue0, Start.mue0) << Fall;
            ASSERT_EQ(f->Image1->Bild(), Startbild) << Fall;
        }
    // The levels are the typed 5 %, not the levels a shown α error reached: n = 600 gives 463..497.
    f->CheckBox_Erwartungswert_zeigen->setChecked(true);
    f->CheckBox_Alfa_zeigen->setChecked(true);
    f->SpeedButton_Standardwerte->click();
    Eingeben(f->Edit_n, "600");
    EXPECT_EQ(f->Stand().kli, 463);
    EXPECT_EQ(f->Stand().kre, 497);
}

// Texts the program writes into a narrow field show their beginning.
TEST_F(Fenster, LangeZahlenZeigenIhrenAnfang) {
    Eingeben(f->Edit_Sigmafaktor, "1,96");
    ASSERT_TRUE(f->Edit_Umgebung->text().startsWith("95,0004"));
    EXPECT_EQ(f->Edit_Umgebung->cursorPosition(), 0);
    Eingeben(f->Edit_kli, "13");
    EXPECT_GT(f->Edit_Alfali->text().size(), 8);
    EXPECT_EQ(f->Edit_Alfali->cursorPosition(), 0);
    // Also after the user looked at its end and moved on.
    f->Edit_Alfali->setFocus();
    QTest::keyClick(f->Edit_Alfali, Qt::Key_End);
    QTest::keyClick(f->Edit_Alfali, Qt::Key_Tab);
    EXPECT_EQ(f->Edit_Alfali->cursorPosition(), 0);
}

// The window opens with the focus on the first control of the focus order; the fields take
// their group box's font; the interval label stands on the fixed cells' grey.
TEST_F(Fenster, StartfokusSchriftenUndFarben) {
    EXPECT_EQ(QApplication::focusWidget(), f->CheckBox_Erwartungswert_zeigen);
    for (QLineEdit* e : {f->Edit_n, f->Edit_p0, f->Edit_Alfali, f->Edit_Umgebung}) {
        EXPECT_EQ(e->font().family(), e->parentWidget()->font().family()) << e->objectName().toStdString();
        EXPECT_EQ(e->font().pixelSize(), 12);
        EXPECT_TRUE(e->font().bold());
    }
    const QImage b = f->Label_Vertrauensintervall_ausgeben->grab().toImage();
    EXPECT_EQ(b.pixel(1, 1) & 0xFFFFFF, f->StringGrid1->Fixfarbe().rgb() & 0xFFFFFF);
}

// A click that moved the focus out of a field with a refused entry leaves no control pressed.
TEST_F(Fenster, AbgewieseneEingabeLaesstKeinenKnopfGedrueckt) {
    Waehlen(f->ComboBox_Verteilung_p1, 1);
    f->Edit_N1->setFocus();
    f->Edit_N1->selectAll();
    QTest::keyClicks(f->Edit_N1, "10");
    QTest::mousePress(f->CheckBox_Alfa_zeigen, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), f->Edit_N1);
    EXPECT_FALSE(f->CheckBox_Alfa_zeigen->isDown());
    QTest::mouseRelease(f->CheckBox_Alfa_zeigen, Qt::LeftButton);
    EXPECT_FALSE(f->CheckBox_Alfa_zeigen->isChecked());
}

// A resize changes the picture only: k1..k2, the fields and the state stay, and back at its
// size the chart is the one it was.
TEST_F(Fenster, GroessenaenderungAendertNurDasBild) {
    Eingeben(f->Edit_n, "900");
    const QImage vorher = f->Image1->Bild().copy();
    ASSERT_EQ(f->Stand().k2, 900);
    f->resize(800, f->height());
    QApplication::processEvents();
    EXPECT_EQ(f->Stand().k1, 0);
    EXPECT_EQ(f->Stand().k2, 900);
    EXPECT_EQ(f->Edit_k2->text(), "900");
    f->resize(vorher.width(), f->height());
    QApplication::processEvents();
    EXPECT_EQ(f->Stand().k2, 900);
    EXPECT_EQ(f->Image1->Bild(), vorher);
}

}  // namespace
