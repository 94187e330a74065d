// The chart under the pointer at n = 4000 (the k axis narrowed to the bulk, a few px a bar):
// one step of a drag of V links and one arrow-key step of x, each a typed value with all it
// brings (recomputation, grid, redraw); and the pointer resting on a bar (its tooltip and its
// grid row). Targets: 8 ms a step, 1 ms a rest, so that a drag follows the hand.

#include "Ziele.h"

#include "ui/Bildfeld.h"
#include "ui/Quorvel.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void Eingeben(TForm1& F, QLineEdit* Feld, const char* Text) {
    Feld->setText(QString::fromLatin1(Text));
    Feld->setModified(true);
    F.Feld_verlassen(Feld);
}

// n = 4000, p0 = 0,5 with V and x shown, the chart holding the keys.
void Vorbereiten(TForm1& F) {
    F.show();
    QApplication::setActiveWindow(&F);
    Eingeben(F, F.Edit_n, "4000");
    Eingeben(F, F.Edit_p0, "0,5");
    Eingeben(F, F.Edit_Stichprobenergebnis, "2000");
    F.CheckBox_Alfa_zeigen->click();
    F.CheckBox_Stichprobenergebnis_zeigen->click();
    F.Image1->setFocus();
    QApplication::processEvents();
}

void Maus(QWidget* w, QEvent::Type Art, QPoint p, Qt::MouseButtons Tasten) {
    QMouseEvent e(Art, p, w->mapToGlobal(p), Art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Tasten,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void BM_Ziehschritt_4000(benchmark::State& state) {
    TForm1 F;
    Vorbereiten(F);
    const Diagrammgeometrie& g = F.Geometrie_des_Bildes();
    const int x = g.x_Ursprung + (F.Stand().kli - g.k1) * g.Saeulenbreite + g.Saeulenbreite / 2;
    Maus(F.Image1, QEvent::MouseButtonPress, QPoint(x, 300), Qt::LeftButton);
    const int kli = F.Stand().kli;
    Maus(F.Image1, QEvent::MouseMove, QPoint(x - g.Saeulenbreite, 300), Qt::LeftButton);
    if (F.Stand().kli != kli - 1) state.SkipWithError("the press took no bound");
    bool hin = false;
    for (auto _ : state) {
        // Back and forth by one bar: every move is a step.
        Maus(F.Image1, QEvent::MouseMove, QPoint(hin ? x - g.Saeulenbreite : x, 300), Qt::LeftButton);
        hin = !hin;
    }
    Maus(F.Image1, QEvent::MouseButtonRelease, QPoint(x, 300), Qt::NoButton);
}
BENCHMARK(BM_Ziehschritt_4000)->Unit(benchmark::kMillisecond);
static bool ziel_ziehen = Ziel_setzen("BM_Ziehschritt_4000", 8);

void BM_Tastenschritt_4000(benchmark::State& state) {
    TForm1 F;
    Vorbereiten(F);
    QKeyEvent Probe(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(F.Image1, &Probe);
    if (F.Stand().x != 1999) state.SkipWithError("the key moved no x");
    bool rechts = true;
    for (auto _ : state) {
        QKeyEvent e(QEvent::KeyPress, rechts ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(F.Image1, &e);
        rechts = !rechts;
    }
}
BENCHMARK(BM_Tastenschritt_4000)->Unit(benchmark::kMillisecond);
static bool ziel_taste = Ziel_setzen("BM_Tastenschritt_4000", 8);

void BM_Zeigen_4000(benchmark::State& state) {
    TForm1 F;
    Vorbereiten(F);
    const Diagrammgeometrie& g = F.Geometrie_des_Bildes();
    int k = 0;
    for (auto _ : state) {
        const QPoint p(g.x_Ursprung + (k++ % (g.k_Spanne + 1)) * g.Saeulenbreite, 300);
        Maus(F.Image1, QEvent::MouseMove, p, Qt::NoButton);
        QHelpEvent h(QEvent::ToolTip, p, F.Image1->mapToGlobal(p));
        QApplication::sendEvent(F.Image1, &h);
    }
}
BENCHMARK(BM_Zeigen_4000)->Unit(benchmark::kMillisecond);
static bool ziel_zeigen = Ziel_setzen("BM_Zeigen_4000", 1);

}  // namespace
