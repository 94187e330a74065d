// Leaving an edit field: the slowest exit is the neighbourhood percentage, whose conversion
// steps Phi_invers through some 38,900 series evaluations before the redraw.

#include "Ziele.h"

#include "ui/Quorvel.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>

static void BM_Umgebung_verlassen(benchmark::State& state) {
    TForm1 Fenster;
    for (auto _ : state) {
        Fenster.Edit_Umgebung->setText(QStringLiteral("99,99"));
        Fenster.Edit_Umgebung->setModified(true);
        Fenster.Feld_verlassen(Fenster.Edit_Umgebung);
    }
}
BENCHMARK(BM_Umgebung_verlassen)->Unit(benchmark::kMillisecond);
static bool ziel = Ziel_setzen("BM_Umgebung_verlassen", 50);
