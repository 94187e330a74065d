// The explorations on screen: Erkundungsanzeige shows frame 0 at once and each further frame
// when its timer fires, and stops at once; the window starts them from its inputs, leaves
// those as they were and stops a run when it draws a chart of its own.

#include "Fensterhilfe.h"

#include "explorations/Erkundung.h"
#include "ui/Bildfeld.h"
#include "ui/Erkundungsanzeige.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

// Frame i of e, drawn into a fresh image like `wie`.
QImage Bild_von(const Erkundung& e, int i, const QImage& wie) {
    QImage b(wie.size(), QImage::Format_RGB32);
    b.setDevicePixelRatio(wie.devicePixelRatio());
    QString Text;
    e.Bild_zeichnen(i, b, Text);
    return b;
}

class Anzeige : public ::testing::Test {
protected:
    void SetUp() override {
        Feld.resize(998, 373);
        Feld.Bild_anpassen();
    }
    QTimer& Zeitgeber() { return *a.findChild<QTimer*>(); }

    Bildfeld Feld;
    Erkundungsanzeige a{Feld};
    QSignalSpy gezeigt{&a, &Erkundungsanzeige::Bild_gezeigt};
    QSignalSpy beendet{&a, &Erkundungsanzeige::beendet};
};

TEST_F(Anzeige, BildNullSofortDannJedesBildNachSeinerPause) {
    const Erkundung e(Erkundungsart::n_Animation, 20, 0.8L, true);
    a.starten(Erkundungsart::n_Animation, 20, 0.8L, true);
    ASSERT_EQ(gezeigt.count(), 1);
    EXPECT_EQ(Feld.Bild(), Bild_von(e, 0, Feld.Bild()));
    EXPECT_EQ(gezeigt[0][0].toString(), "Histogramm der Binomialverteilung mit p0=0,8 für n=5, k von 0 bis 100.");
    EXPECT_TRUE(a.laeuft());
    EXPECT_TRUE(Zeitgeber().isActive() && Zeitgeber().isSingleShot());
    EXPECT_EQ(Zeitgeber().interval(), 2000);

    a.naechstes_Bild();
    EXPECT_EQ(Feld.Bild(), Bild_von(e, 1, Feld.Bild()));
    EXPECT_EQ(Zeitgeber().interval(), 25);
    for (int i = 2; i < e.Bildzahl(); ++i) a.naechstes_Bild();
    EXPECT_EQ(gezeigt.count(), 96);
    EXPECT_EQ(Zeitgeber().interval(), 2000);  // the last frame is held, then the run ends
    EXPECT_EQ(beendet.count(), 0);
    a.naechstes_Bild();
    EXPECT_EQ(beendet.count(), 1);
    EXPECT_FALSE(a.laeuft());
    EXPECT_EQ(Feld.Bild(), Bild_von(e, 95, Feld.Bild()));
}

TEST_F(Anzeige, DerZeitgeberSchreitetImEreignisLoopFort) {
    a.starten(Erkundungsart::p0_Animation, 20, 0.8L, true);
    Zeitgeber().start(0);  // the 2 s of the first frame cut short
    ASSERT_TRUE(gezeigt.wait(5000));
    EXPECT_EQ(gezeigt.count(), 2);
    EXPECT_EQ(Zeitgeber().interval(), 2);
}

TEST_F(Anzeige, AnhaltenLaesstDasBildStehen) {
    a.starten(Erkundungsart::p0_Animation, 20, 0.8L, true);
    a.naechstes_Bild();
    const QImage stehend = Feld.Bild().copy();
    a.anhalten();
    EXPECT_FALSE(a.laeuft());
    EXPECT_FALSE(Zeitgeber().isActive());
    a.naechstes_Bild();
    EXPECT_EQ(gezeigt.count(), 2);
    EXPECT_EQ(beendet.count(), 0);
    EXPECT_EQ(Feld.Bild(), stehend);
}

TEST_F(Anzeige, FamilieEndetSofort) {
    a.starten(Erkundungsart::mehrere_p0, 50, 0.8L, true);
    EXPECT_EQ(gezeigt.count(), 1);
    EXPECT_EQ(beendet.count(), 1);
    EXPECT_FALSE(a.laeuft() || Zeitgeber().isActive());
    EXPECT_EQ(Feld.Bild(), Bild_von(Erkundung(Erkundungsart::mehrere_p0, 50, 0.8L, true), 0, Feld.Bild()));
}

using Erkundungen = Fenstertest;

// Every field and box as the user left them, with n, p0 and Info taken into the frames.
TEST_F(Erkundungen, LassenDieEingabenStehen) {
    Eingeben(f->Edit_n, "37");
    Eingeben(f->Edit_p0, "0,3");
    f->CheckBox_Alfa_zeigen->setChecked(true);
    f->CheckBox_Info->setChecked(false);
    auto Eingaben = [&] {
        QStringList t{f->windowTitle()};
        for (QLineEdit* e : f->findChildren<QLineEdit*>()) t << e->objectName() + "=" + e->text();
        for (QCheckBox* c : f->findChildren<QCheckBox*>()) t << c->objectName() + (c->isChecked() ? "+" : "-");
        return t;
    };
    const QStringList vorher = Eingaben();
    for (QPushButton* b : {f->Button_p0_variabel, f->Button_n_variabel, f->BitBtn_nAnimation, f->BitBtn_p0Animation}) {
        b->click();
        EXPECT_EQ(Eingaben(), vorher) << b->objectName().toStdString();
        EXPECT_EQ(f->Stand().n, 37);
        EXPECT_EQ(f->Stand().p0, 0.3L);
    }
    const Erkundung p0_Ani(Erkundungsart::p0_Animation, 37, 0.3L, false);
    EXPECT_EQ(f->Image1->Bild(), Bild_von(p0_Ani, 0, f->Image1->Bild()));
}

// Every way to stop an animation stops it at once, within the event that asks for it.
TEST_F(Erkundungen, AnhaltenSofort) {
    const std::vector<std::pair<const char*, std::function<void()>>> Wege{
        {"Esc", [&] { QTest::keyClick(f->CheckBox_Info, Qt::Key_Escape); }},
        {"Esc im Feld", [&] { QTest::keyClick(f->Edit_p1, Qt::Key_Escape); }},
        {"Klick ins Diagramm", [&] { QTest::mouseClick(f->Image1, Qt::LeftButton); }},
        {"derselbe Knopf", [&] { f->BitBtn_nAnimation->click(); }},
        {"Histo", [&] { f->BitBtn_Histoneu->click(); }},
        {"OC", [&] { f->BitBtn_OC->click(); }},
        {"eine Eingabe", [&] { f->CheckBox_Normalverteilung->click(); }},
    };
    const Erkundungsanzeige* a = f->findChild<Erkundungsanzeige*>();
    ASSERT_TRUE(a);
    for (const auto& [Weg, Tun] : Wege) {
        f->BitBtn_nAnimation->click();
        ASSERT_TRUE(a->laeuft()) << Weg;
        Tun();
        EXPECT_FALSE(a->laeuft()) << Weg;
    }
}

TEST_F(Erkundungen, MehrereP0UeberN500NurMeldung) {
    Eingeben(f->Edit_n, "501");
    const QImage vorher = f->Image1->Bild().copy();
    f->Button_p0_variabel->click();
    EXPECT_EQ(rec->Meldungen, QStringList{"n zu groß"});
    EXPECT_EQ(f->Image1->Bild(), vorher);
}

}  // namespace
