// One frame of the p0 animation (table and complete redraw, without the wait) at the start n
// and at the largest n. The animation waits 2 ms between frames; a frame should not add much
// more, at a small n nor at the largest.

#include "Ziele.h"

#include "explorations/Animation.h"
#include "ui/Quorvel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

void p0_Animation_Bild(benchmark::State& state, int n) {
    TForm1 f;
    f.Stand().n = n;
    f.Edit_n->setText(QString::number(n));
    f.Stand().k1 = 0;
    f.Stand().k2 = n;
    f.Stand().Pmax = Pmax_p0_Animation(n);
    // At n = 4000 the first frame narrows k1..k2 around its mean; the animation keeps that
    // range for all later frames, and so does this loop.
    int i = 10;
    for (auto _ : state) {
        p0_Animationsbild(f, i);
        benchmark::DoNotOptimize(f.Stand().P0_Tabelle[f.Stand().n / 2]);
        i = i == 190 ? 10 : i + 1;
    }
}

void BM_p0_Animation_Bild_20(benchmark::State& state) { p0_Animation_Bild(state, 20); }
void BM_p0_Animation_Bild_4000(benchmark::State& state) { p0_Animation_Bild(state, 4000); }

BENCHMARK(BM_p0_Animation_Bild_20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_p0_Animation_Bild_4000)->Unit(benchmark::kMillisecond);

// 20 bars and the frame text: a few ms at most, so the 2 ms wait still sets the pace.
static bool ziel_20 = Ziel_setzen("BM_p0_Animation_Bild_20", 5);
// 4001 binomial terms and a narrowed chart: 8 ms keeps the frame near its 2 ms wait.
static bool ziel_4000 = Ziel_setzen("BM_p0_Animation_Bild_4000", 8);

// "Grafik speichern" at 4x: the start chart drawn anew at scale 4 and written as a PNG.
void BM_Grafik_speichern_4x(benchmark::State& state) {
    TForm1 f;
    const QString Datei = QDir::temp().filePath(QStringLiteral("quorvel_bench_4x.png"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(TForm1::Als_PNG_schreiben(f.Grafik_in_Skala(4), Datei));
    }
    state.counters["kB"] = static_cast<double>(QFileInfo(Datei).size()) / 1024;
    QFile::remove(Datei);
}
BENCHMARK(BM_Grafik_speichern_4x)->Unit(benchmark::kMillisecond);
static bool ziel_4x = Ziel_setzen("BM_Grafik_speichern_4x", 200);

}  // namespace
