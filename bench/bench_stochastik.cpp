#include "Ziele.h"
#include "probability/Tabellen.h"
#include "probability/UStochastik.h"

#include <benchmark/benchmark.h>

#include <vector>

// Leaving Edit_Umgebung with 95 % and with 99.99 %: some 19,600 and 38,900 series evaluations.
static void BM_Phi_invers_0975(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Phi_invers(0.975L));
}
BENCHMARK(BM_Phi_invers_0975)->Unit(benchmark::kMillisecond);
static bool z1 = Ziel_setzen("BM_Phi_invers_0975", 20);

static void BM_Phi_invers_099995(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Phi_invers(0.99995L));
}
BENCHMARK(BM_Phi_invers_099995)->Unit(benchmark::kMillisecond);
static bool z2 = Ziel_setzen("BM_Phi_invers_099995", 20);

// One full table at the largest n, as every recomputation and animation frame builds it.
static void BM_Binomialtabelle_4000(benchmark::State& state) {
    std::vector<long double> t(4001);
    for (auto _ : state) {
        Binomialtabelle(t, 4000, 0.3L);
        benchmark::DoNotOptimize(t.data());
    }
}
BENCHMARK(BM_Binomialtabelle_4000)->Unit(benchmark::kMillisecond);

// Hypergeometric table at n = 4000 with a small N and the largest N.
static void BM_Hypergeotabelle_4000(benchmark::State& state) {
    const int N = static_cast<int>(state.range(0));
    std::vector<long double> t(4001);
    for (auto _ : state) {
        Hypergeometrische_Tabelle(t, 4000, N / 2, N);
        benchmark::DoNotOptimize(t.data());
    }
}
BENCHMARK(BM_Hypergeotabelle_4000)->Arg(10000)->Arg(2147483647)->Unit(benchmark::kMillisecond);

static void BM_Poissontabelle_4000(benchmark::State& state) {
    std::vector<long double> t(4001);
    for (auto _ : state) {
        Poissontabelle(t, 4000, 1200.0L);
        benchmark::DoNotOptimize(t.data());
    }
}
BENCHMARK(BM_Poissontabelle_4000)->Unit(benchmark::kMillisecond);
