#include "Ziele.h"

#include "analysis/Zustand.h"
#include "analysis/Ablehnungsbereich.h"
#include "charts/Diagramm.h"
#include "charts/UGrafik.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

// Text rendering needs a GUI application; the bench's main makes one only when the widget
// layer is linked.
void Gui_sicherstellen() {
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quorvel_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// Binomial tables by the ratio recurrence from the mode, so that the chart has real data
// without timing the analysis layer.
void Binomial(Wertefeld& t, int n, Extended p) {
    const int modus = std::min(n, static_cast<int>(std::floor((n + 1) * p)));
    t[modus] = 1.0L;
    for (int k = modus; k < n; ++k) t[k + 1] = t[k] * (n - k) / (k + 1) * p / (1.0L - p);
    for (int k = modus; k > 0; --k) t[k - 1] = t[k] * k / (n - k + 1) * (1.0L - p) / p;
    Extended s = 0.0L;
    for (int k = 0; k <= n; ++k) s += t[k];
    for (int k = 0; k <= n; ++k) t[k] /= s;
}

Zustand Zustand_4000() {
    Zustand z;
    z.n = 4000;
    z.k1 = 0;
    z.k2 = 4000;
    z.x = 3150;
    z.p0 = 0.8L;
    z.p1 = 0.79L;
    z.p2 = 0.81L;
    Binomial(z.P0_Tabelle, 4000, z.p0);
    Binomial(z.P1_Tabelle, 4000, z.p1);
    Binomial(z.P2_Tabelle, 4000, z.p2);
    z.mue0 = 3200;
    z.sigma0 = std::sqrt(640.0L);
    z.mue1 = 3160;
    z.sigma1 = std::sqrt(4000 * 0.79L * 0.21L);
    z.mue2 = 3240;
    z.sigma2 = std::sqrt(4000 * 0.81L * 0.19L);
    Extended s = 0.0L;
    for (int k = 0; k <= 4000; ++k) {
        s += z.P0_Tabelle[k];
        z.P0_kumuliert[k] = s;
        z.P0_Rest[k] = k == 0 ? 1.0L : 1.0L - z.P0_kumuliert[k - 1];
    }
    z.Pmax = *std::max_element(z.P0_Tabelle.begin(), z.P0_Tabelle.begin() + 4001);
    z.kli = 3158;
    z.kre = 3242;
    z.Alfali = z.Alfare = 5;
    z.Sigmafaktor = 1.96L;
    z.Umgebung = 95;
    z.Umgebung_li = z.mue0 - 1.96L * z.sigma0;
    z.Umgebung_re = z.mue0 + 1.96L * z.sigma0;
    return z;
}

// One full redraw at n = 4000 with every marking on, at device scale `Skala`. The first redraw
// narrows the k range to mue0 +- 3.5 sigma0; the timed ones draw that narrowed range, as the
// window would.
void Neu_zeichnen_4000(benchmark::State& state, double Skala) {
    Gui_sicherstellen();
    QImage Bild = Diagrammbild(998, 373, Skala);
    Zustand z = Zustand_4000();
    Schalter s;
    s.p1_zeichnen = s.p2_zeichnen = true;
    s.Info = s.Erwartungswert_zeigen = s.Sigma_zeigen = true;
    s.Umgebung_schraffieren = s.Normalverteilung = s.Alfa_zeigen = true;
    s.Annahmebereich_zeigen = s.Beta_zeigen = true;
    s.waagerechte_Strichelung = s.Stichprobenergebnis_zeigen = true;
    const Diagrammgeometrie g = Geometrie_berechnen(Bild, z, s);
    z.k1 = g.k1;
    z.k2 = g.k2;
    Testart_setzen(z);
    for (auto _ : state) {
        Histo_neu_zeichnen(Bild, z, g, s);
        benchmark::DoNotOptimize(Bild.constBits());
    }
}

void BM_Histo_neu_zeichnen_4000(benchmark::State& state) { Neu_zeichnen_4000(state, 1.0); }
BENCHMARK(BM_Histo_neu_zeichnen_4000)->Unit(benchmark::kMillisecond);
static bool ziel = Ziel_setzen("BM_Histo_neu_zeichnen_4000", 20);

// A HiDPI screen at 200 %: four times the device pixels.
void BM_Histo_neu_zeichnen_4000_Skala2(benchmark::State& state) { Neu_zeichnen_4000(state, 2.0); }
BENCHMARK(BM_Histo_neu_zeichnen_4000_Skala2)->Unit(benchmark::kMillisecond);
static bool ziel_2 = Ziel_setzen("BM_Histo_neu_zeichnen_4000_Skala2", 20);

// A picture for saving or printing at 4 x: sixteen times the device pixels.
void BM_Histo_neu_zeichnen_4000_Skala4(benchmark::State& state) { Neu_zeichnen_4000(state, 4.0); }
BENCHMARK(BM_Histo_neu_zeichnen_4000_Skala4)->Unit(benchmark::kMillisecond);
static bool ziel_4 = Ziel_setzen("BM_Histo_neu_zeichnen_4000_Skala4", 80);

}  // namespace
