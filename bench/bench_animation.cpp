// One frame of the p0 animation (table and complete chart, without the wait) at the start n
// and at the largest n. The animation waits 2 ms between frames; a frame should not add much
// more, at a small n nor at the largest.

#include "Ziele.h"

#include "explorations/Erkundung.h"
#include "ui/Grafik.h"
#include "ui/Quorvel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

void p0_Animation_Bild(benchmark::State& state, int n) {
    const Erkundung e(Erkundungsart::p0_Animation, n, 0.8L, true);
    QImage Bild(1031, 373, QImage::Format_RGB32);
    QString Beschreibung;
    // At n = 4000 every frame narrows k1..k2 around its own mean.
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(e.Bild_zeichnen(i, Bild, Beschreibung));
        i = (i + 1) % e.Bildzahl();
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
        benchmark::DoNotOptimize(Als_PNG_schreiben(f.Grafik_in_Skala(4), Datei));
    }
    state.counters["kB"] = static_cast<double>(QFileInfo(Datei).size()) / 1024;
    QFile::remove(Datei);
}
BENCHMARK(BM_Grafik_speichern_4x)->Unit(benchmark::kMillisecond);
static bool ziel_4x = Ziel_setzen("BM_Grafik_speichern_4x", 200);

}  // namespace
