#include "Ziele.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Berechnung.h"
#include "ui/Wertetabelle.h"

#include <benchmark/benchmark.h>

#include <QImage>

namespace {

// The start values at n: with the two-sided 5 % test (at n = 4000 the acceptance region is
// about mue0 +- 50) or without a test.
Zustand Startzustand_bei(int n, bool mit_Test) {
    Zustand z;
    Schalter s;
    Startwerte_setzen(z);
    z.n = n;
    z.k1 = 0;
    z.k2 = n;
    if (!mit_Test) z.Alfali = z.Alfare = 0;
    Alles_berechnen(z, s);
    Testart_setzen(z);
    return z;
}

// The "OC" button at the largest n: 400 acceptance probabilities, the frame, the curve and
// the beta table shown in the grid. Target 50 ms: a click should answer within a frame or
// three of the screen, and the button is pressed by hand, not in a loop.
void BM_OC_zeichnen_4000(benchmark::State& state) {
    Zustand z = Startzustand_bei(4000, true);
    QImage Bild(998, 373, QImage::Format_RGB32);
    TStringGrid Gitter;
    for (auto _ : state) {
        Gitter.OC_Tabelle_zeigen(OC_zeichnen(Bild, z));
        benchmark::DoNotOptimize(Bild.constBits());
    }
}
BENCHMARK(BM_OC_zeichnen_4000)->Unit(benchmark::kMillisecond);
static bool ziel_oc = Ziel_setzen("BM_OC_zeichnen_4000", 50);

// Worst case of the sums: no rejection region, so every acceptance probability is a sum over
// the whole of 0..4000. The same button, so a target of the same order.
void BM_OC_zeichnen_4000_ohne_Test(benchmark::State& state) {
    Zustand z = Startzustand_bei(4000, false);
    QImage Bild(998, 373, QImage::Format_RGB32);
    TStringGrid Gitter;
    for (auto _ : state) {
        Gitter.OC_Tabelle_zeigen(OC_zeichnen(Bild, z));
        benchmark::DoNotOptimize(Bild.constBits());
    }
}
BENCHMARK(BM_OC_zeichnen_4000_ohne_Test)->Unit(benchmark::kMillisecond);
static bool ziel_oc_ohne = Ziel_setzen("BM_OC_zeichnen_4000_ohne_Test", 10);

// The same at n = 200, where every point is an exact sum over 0..200.
void BM_OC_zeichnen_200_ohne_Test(benchmark::State& state) {
    Zustand z = Startzustand_bei(200, false);
    QImage Bild(998, 373, QImage::Format_RGB32);
    TStringGrid Gitter;
    for (auto _ : state) {
        Gitter.OC_Tabelle_zeigen(OC_zeichnen(Bild, z));
        benchmark::DoNotOptimize(Bild.constBits());
    }
}
BENCHMARK(BM_OC_zeichnen_200_ohne_Test)->Unit(benchmark::kMillisecond);
static bool ziel_oc_200 = Ziel_setzen("BM_OC_zeichnen_200_ohne_Test", 5);

// The grid refill that follows every recomputation, with all five columns: 4001 values per
// column copied, then the texts of a screenful of rows, which the view formats when it paints
// them. Target 5 ms: a small share of an input's time, next to the recomputation and the chart.
void BM_Tabelle_fuellen_4000(benchmark::State& state) {
    Zustand z = Startzustand_bei(4000, true);
    TStringGrid Gitter;
    for (auto _ : state) {
        Gitter.Tabelle_fuellen(z, true, true);
        for (int zeile = 0; zeile <= 30; ++zeile)
            for (int spalte = 0; spalte < Gitter.Spaltenzahl(); ++spalte)
                benchmark::DoNotOptimize(Gitter.Zelle(spalte, zeile));
    }
}
BENCHMARK(BM_Tabelle_fuellen_4000)->Unit(benchmark::kMillisecond);
static bool ziel_fuellen = Ziel_setzen("BM_Tabelle_fuellen_4000", 5);

}  // namespace
