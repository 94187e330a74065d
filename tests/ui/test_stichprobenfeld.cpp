// Samples drawn in class, through the panel's controls: a small run one sample at a time that
// Esc stops and an input ends, and a large one drawn at once whose figures the panel, the grid
// and the chart's description give.

#include "Fensterhilfe.h"

#include "charts/Haeufigkeiten.h"
#include "ui/Bildfeld.h"
#include "ui/Stichprobenfeld.h"
#include "ui/Wertetabelle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class Stichproben : public Fenstertest {
protected:
    void Oeffnen() {
        f->Aktion_Stichproben_ziehen->trigger();
        p = f->findChild<Stichprobenfeld*>();
        ASSERT_TRUE(p && p->isVisible());
        Aktiv(p);
    }
    // Keys go to the active window, the panel's or the main window's.
    static void Aktiv(QWidget* w) {
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    template <class T>
    T* Element(const char* Name) const {
        return p->findChild<T*>(QString::fromLatin1(Name));
    }
    QString Label() const { return Element<QLabel>("Label_Simulation")->text(); }
    // Pixels of the chart in colour c: the frequencies' orange, or white lit up yellow.
    int Pixel(QRgb c) const {
        const QImage& b = f->Image1->Bild();
        int n = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) n += b.pixel(x, y) == c;
        return n;
    }
    int Orange() const { return Pixel(clHaeufigkeit); }
    int Leuchtend() const { return Pixel(qRgb(255, 255, 127)); }
    // The grid's column "Anzahl", summed; -1 without it.
    long long Anzahlen() const {
        const TStringGrid& g = *f->StringGrid1;
        for (int c = 0; c < g.Spaltenzahl(); ++c) {
            if (g.Zelle(c, 0) != "Anzahl") continue;
            long long Summe = 0;
            for (int r = 1; r < g.Zeilenzahl(); ++r) Summe += g.Zelle(c, r).toLongLong();
            return Summe;
        }
        return -1;
    }

    Stichprobenfeld* p = nullptr;
};

TEST_F(Stichproben, EinzelnGezogenMitEscAngehaltenBisZurNaechstenEingabe) {
    Oeffnen();
    // A seed is offered; it is taken only when a run starts, so the inputs are still the start's.
    EXPECT_FALSE(Element<QLineEdit>("Edit_Startwert")->text().isEmpty());
    EXPECT_TRUE(f->Eingaben_des_Fensters().Stand() == Starteingaben());
    Eingeben(Element<QLineEdit>("Edit_Stichprobenzahl"), "20");
    Eingeben(Element<QLineEdit>("Edit_Startwert"), "1");
    auto* Knopf = Element<QPushButton>("Button_Stichproben_starten");
    Knopf->click();
    ASSERT_TRUE(p->laeuft());
    EXPECT_EQ(Knopf->text(), "Anhalten");
    EXPECT_TRUE(Label().startsWith("0 von 0 in V, 0 in A")) << Label().toStdString();
    EXPECT_EQ(Orange(), 0);

    // Seed 1 draws 14, 14, 16, 12, 15 first (tools/referenz/stichproben.py): 12 lies in V.
    for (int i = 0; i < 5; ++i) p->naechste_Stichprobe();
    EXPECT_TRUE(Label().startsWith("1 von 5 in V, 4 in A\n")) << Label().toStdString();
    EXPECT_GT(Orange(), 0);
    EXPECT_GT(Leuchtend(), 0);
    EXPECT_EQ(Anzahlen(), 5);

    // Esc in the main window stops the run; its counts stay, also through a redraw.
    Aktiv(f.get());
    QTest::keyClick(f.get(), Qt::Key_Escape);
    EXPECT_FALSE(p->laeuft());
    EXPECT_EQ(Knopf->text(), "Starten");
    const QString Angehalten = Label();
    p->naechste_Stichprobe();
    f->resize(f->width() + 40, f->height());
    QApplication::processEvents();
    EXPECT_EQ(Label(), Angehalten);
    EXPECT_GT(Orange(), 0);
    EXPECT_EQ(Leuchtend(), 0);
    EXPECT_EQ(Anzahlen(), 5);

    // Started again from the first sample: Esc in the panel stops it too; then any input
    // ends the counts.
    Knopf->click();
    p->naechste_Stichprobe();
    Aktiv(p);
    QTest::keyClick(p, Qt::Key_Escape);
    EXPECT_FALSE(p->laeuft());
    EXPECT_TRUE(Label().startsWith("0 von 1 in V, 1 in A")) << Label().toStdString();
    EXPECT_TRUE(p->isVisible());
    Aktiv(f.get());
    Eingeben(f->Edit_n, "30");
    EXPECT_EQ(Label(), "Noch keine Stichproben gezogen.");
    EXPECT_EQ(Orange(), 0);
    EXPECT_EQ(Anzahlen(), -1);
}

// A finished run hands its counts to the inputs, which draw them again at once from the seed:
// the figures stay as the run left them.
TEST_F(Stichproben, EinLaufEndetMitDenZaehlungenDerEingaben) {
    Oeffnen();
    Eingeben(Element<QLineEdit>("Edit_Stichprobenzahl"), "20");
    Eingeben(Element<QLineEdit>("Edit_Startwert"), "1");
    Element<QPushButton>("Button_Stichproben_starten")->click();
    for (int i = 0; i < 20; ++i) p->naechste_Stichprobe();
    const QString Gelaufen = Label();
    EXPECT_TRUE(Gelaufen.startsWith("1 von 20 in V, 19 in A\n")) << Gelaufen.toStdString();
    EXPECT_TRUE(p->laeuft());  // the last sample stays lit for one more beat
    p->naechste_Stichprobe();
    EXPECT_FALSE(p->laeuft());
    EXPECT_TRUE(f->Eingaben_des_Fensters().Stand().Stichproben.gezeigt);
    EXPECT_EQ(Label(), Gelaufen);
    EXPECT_EQ(Anzahlen(), 20);
}

struct Ziehfall {
    const char* Name;
    bool p1;                   // p1 drawn and picked to draw from
    const char* Label;         // the label's whole text
    const char* Anzahl_16;     // the grid's count at k = 16
    const char* Beschreibung;  // in what a screen reader hears of the chart
};

class Auf_einmal : public Stichproben, public ::testing::WithParamInterface<Ziehfall> {};

// Start values (B(20; 0,8), α 5 % / 5 %: V = {0..12, 20}), 10 000 samples from seed 1. The counts,
// the score interval with 1,96 and the exact α and power 1 − β(0,6) come from
// tools/referenz/stichproben.py's generator and exact fractions.
TEST_P(Auf_einmal, ZeigtZaehlungRateIntervallUndExaktenWert) {
    const Ziehfall& z = GetParam();
    if (z.p1) f->CheckBox_p1_zeichnen->click();
    Oeffnen();
    if (z.p1) Waehlen(Element<QComboBox>("ComboBox_Ziehen_aus"), 1);
    Eingeben(Element<QLineEdit>("Edit_Stichprobenzahl"), "10000");
    Eingeben(Element<QLineEdit>("Edit_Startwert"), "1");
    Element<QPushButton>("Button_Stichproben_starten")->click();
    EXPECT_FALSE(p->laeuft());
    EXPECT_EQ(Label().toStdString(), z.Label);
    EXPECT_EQ(Anzahlen(), 10000);
    const TStringGrid& g = *f->StringGrid1;
    EXPECT_EQ(g.Zelle(4, 0), "Anzahl");
    EXPECT_EQ(g.Zelle(4, 17), z.Anzahl_16);
    EXPECT_TRUE(f->Image1->accessibleDescription().contains(QString::fromUtf8(z.Beschreibung)))
        << f->Image1->accessibleDescription().toStdString();
    EXPECT_GT(Orange(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Stichproben, Auf_einmal,
    ::testing::Values(Ziehfall{"H0", false,
                               "411 von 10000 in V, 9589 in A\nrelative Häufigkeit in V: 4,11 %\n"
                               "95-%-Intervall: [3,74 %; 4,52 %]\nexakt: α-Fehler = 4,37 %",
                               "2277", "10000 Stichproben aus H0 als relative Häufigkeiten: 411 in V, 9589 in A"},
                      Ziehfall{"p1", true,
                               "5880 von 10000 in V, 4120 in A\nrelative Häufigkeit in V: 58,80 %\n"
                               "95-%-Intervall: [57,83 %; 59,76 %]\nexakt: 1 − β(p1) = 58,41 %",
                               "350", "10000 Stichproben aus p1 als relative Häufigkeiten: 5880 in V, 4120 in A"}),
    [](const auto& i) { return std::string(i.param.Name); });

}  // namespace
