#include "Ziele.h"
#include "analysis/Berechnung.h"
#include "analysis/Eingaben.h"
#include "analysis/Stichproben.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The start values at n with p1 and p2 shown, every row of the given kind. Hypergeometric
// rows keep the start ratios M/N (0,8; 0,6; 0,3) in a population of 10 000.
std::unique_ptr<Zustand> Zustand_mit_drei_Zeilen(int n, int Art, Schalter& s) {
    auto z = std::make_unique<Zustand>();
    Startwerte_setzen(*z);
    z->n = n;
    z->k2 = n;
    if (Art == vaHypergeo) {
        z->N0 = z->N1 = z->N2 = 10000;
        z->M0 = 8000;
        z->M1 = 6000;
        z->M2 = 3000;
    }
    s.p1_zeichnen = true;
    s.p2_zeichnen = true;
    s.Verteilung_p0 = s.Verteilung_p1 = s.Verteilung_p2 = Art;
    return z;
}

void Neu_berechnen(benchmark::State& state, int n, int Art) {
    Schalter s;
    auto z = Zustand_mit_drei_Zeilen(n, Art, s);
    for (auto _ : state) {
        Berechnungstexte t = Alles_berechnen(*z, s);
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(z->Pmax);
    }
}

// The recomputation after an entry at the largest n with three binomial rows shown.
void BM_Alles_berechnen_4000(benchmark::State& state) { Neu_berechnen(state, 4000, vaBinomial); }
BENCHMARK(BM_Alles_berechnen_4000)->Unit(benchmark::kMillisecond)->UseRealTime();
// An entry should answer within a frame of the screen, with room for the grid and the redraw.
bool ziel = Ziel_setzen("BM_Alles_berechnen_4000", 5);

// The same with three hypergeometric rows.
void BM_Alles_berechnen_4000_hypergeometrisch(benchmark::State& state) { Neu_berechnen(state, 4000, vaHypergeo); }
BENCHMARK(BM_Alles_berechnen_4000_hypergeometrisch)->Unit(benchmark::kMillisecond)->UseRealTime();
bool ziel_hypergeo = Ziel_setzen("BM_Alles_berechnen_4000_hypergeometrisch", 5);

// A classroom state: the start values at n = 20 and at n = 200, three binomial rows. Half a
// millisecond leaves nearly all of an input's time to the grid and the chart.
void BM_Alles_berechnen_Unterricht(benchmark::State& state) {
    Neu_berechnen(state, static_cast<int>(state.range(0)), vaBinomial);
}
BENCHMARK(BM_Alles_berechnen_Unterricht)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();
bool ziel_20 = Ziel_setzen("BM_Alles_berechnen_Unterricht/20", 0.5);
bool ziel_200 = Ziel_setzen("BM_Alles_berechnen_Unterricht/200", 0.5);

// A million samples drawn in class at the largest n from H0 and counted in V and A, the
// table built afresh as each start does; the class watches the result, so a tenth of a second.
void BM_Stichproben_4000(benchmark::State& state) {
    Schalter s;
    auto z = Zustand_mit_drei_Zeilen(4000, vaBinomial, s);
    Alles_berechnen(*z, s);
    const Ablehnungsgrenzen g = Ablehnungsgrenzen_von(*z);
    std::uint64_t Startwert = 1;
    for (auto _ : state) {
        const Ziehung d = Ziehung_der_Zeile(*z, s, 0);
        const Stichprobenergebnis e = Stichproben_ziehen(d, g, 1000000, Startwert++);
        benchmark::DoNotOptimize(Simulationsrate_berechnen(e, d, g));
    }
}
// What every change in the window costs before drawing: the inputs at n = 4000 with p1 and p2
// shown evaluated from nothing (tables, bounds, levels, the narrowed range and its labels).
void BM_auswerten_4000(benchmark::State& state) {
    Eingaben e = Starteingaben();
    e.n = {"4000", 4000};
    e.k2 = {"4000", 4000};
    e.s.p1_zeichnen = e.s.p2_zeichnen = true;
    for (auto _ : state) {
        const auto a = std::make_unique<Auswertung>(auswerten(e));
        benchmark::DoNotOptimize(a->z.kli);
    }
}
BENCHMARK(BM_auswerten_4000)->Unit(benchmark::kMillisecond)->UseRealTime();
bool ziel_auswerten = Ziel_setzen("BM_auswerten_4000", 5);

BENCHMARK(BM_Stichproben_4000)->Unit(benchmark::kMillisecond)->UseRealTime();
bool ziel_stichproben = Ziel_setzen("BM_Stichproben_4000", 100);

}  // namespace
