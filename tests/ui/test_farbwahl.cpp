// The projector colours in the window: Ctrl+Shift+P (or the entry in the Datei menu) draws the
// chart and what leaves the window in them, and the next window starts with the choice.

#include "charts/Farben.h"
#include "Fensterhilfe.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

namespace {

int Anzahl(const QImage& Bild, QRgb Farbe) {
    int n = 0;
    for (int y = 0; y < Bild.height(); ++y)
        for (int x = 0; x < Bild.width(); ++x) n += Bild.pixel(x, y) == Farbe;
    return n;
}

class Farbwahltest : public Fenstertest {
protected:
    void SetUp() override {
        // The choice goes to a folder of this test, never the user's settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Ordner.path());
        QSettings::setDefaultFormat(QSettings::NativeFormat);
        Fenstertest::SetUp();
    }
    QAction* Projektorfarben_Aktion() const { return f->findChild<QAction*>("Aktion_Projektorfarben"); }
    QTemporaryDir Ordner;
};

TEST_F(Farbwahltest, Strg_Umschalt_P_faerbt_die_Grafik_um_und_bleibt_gemerkt) {
    const QRgb Standard = Standardfarben().Bereiche, Projektor = Projektorfarben().Bereiche;
    f->CheckBox_Alfa_zeigen->click();
    EXPECT_GT(Anzahl(f->Image1->Bild(), Standard), 0);
    EXPECT_EQ(Anzahl(f->Image1->Bild(), Projektor), 0);

    QTest::keyClick(f->Edit_n, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Anzahl(f->Image1->Bild(), Standard), 0);
    EXPECT_GT(Anzahl(f->Image1->Bild(), Projektor), 0);
    // Export, print and full screen draw it anew in the same colours.
    EXPECT_GT(Anzahl(f->Grafik_in_Skala(2), Projektor), 0);
    ASSERT_NE(Projektorfarben_Aktion(), nullptr);
    EXPECT_TRUE(Projektorfarben_Aktion()->isChecked());
    const auto* Ansicht = f->SpeedButton_Datei->menu()->findChild<QMenu*>("Menue_Ansicht");
    ASSERT_NE(Ansicht, nullptr);
    EXPECT_TRUE(Ansicht->actions().contains(Projektorfarben_Aktion()));

    f.reset();
    f = std::make_unique<TForm1>();
    f->show();
    f->CheckBox_Alfa_zeigen->click();
    EXPECT_TRUE(Projektorfarben_Aktion()->isChecked());
    EXPECT_GT(Anzahl(f->Image1->Bild(), Projektor), 0);

    // Off again from the menu: the standard colours, also for the next window.
    Projektorfarben_Aktion()->trigger();
    EXPECT_GT(Anzahl(f->Image1->Bild(), Standard), 0);
    EXPECT_EQ(Anzahl(f->Image1->Bild(), Projektor), 0);
    f.reset();
    f = std::make_unique<TForm1>();
    EXPECT_FALSE(Projektorfarben_Aktion()->isChecked());
}

}  // namespace
