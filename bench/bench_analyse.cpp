#include "Ziele.h"
#include "analysis/Berechnung.h"

#include <benchmark/benchmark.h>

#include <memory>

// The recomputation after an entry at the largest n with three binomial rows shown.
static void BM_Alles_berechnen_4000(benchmark::State& state) {
    auto z = std::make_unique<Zustand>();
    Startwerte_setzen(*z);
    z->n = 4000;
    z->k2 = 4000;
    Schalter s;
    s.p1_zeichnen = true;
    s.p2_zeichnen = true;
    for (auto _ : state) {
        Berechnungstexte t = Alles_berechnen(*z, s);
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(z->Pmax);
    }
}
BENCHMARK(BM_Alles_berechnen_4000)->Unit(benchmark::kMillisecond)->UseRealTime();
static bool ziel = Ziel_setzen("BM_Alles_berechnen_4000", 100);
