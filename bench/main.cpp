#include "Ziele.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#if __has_include(<QApplication>)
#include <QApplication>
#define QUORVEL_BENCH_QT 1
#endif

namespace {

// Collects the median of every benchmark and prints one table at the end.
class Tabellenbericht : public benchmark::BenchmarkReporter {
public:
    struct Zeile {
        std::string name;
        double median_ms;
    };
    std::vector<Zeile> zeilen;

    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
            // GetAdjustedRealTime is in the run's own unit; the multiplier is units per second.
            double sekunden = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            zeilen.push_back({run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args),
                              sekunden * 1000.0});
        }
    }

    void Finalize() override {
        std::printf("%-48s %14s %12s  %s\n", "benchmark", "median [ms]", "target [ms]", "");
        int verfehlt = 0;
        for (const Zeile& z : zeilen) {
            auto it = Ziele().find(z.name);
            if (it == Ziele().end()) {
                std::printf("%-48s %14.4f %12s\n", z.name.c_str(), z.median_ms, "-");
                continue;
            }
            bool ok = z.median_ms <= it->second;
            if (!ok) ++verfehlt;
            std::printf("%-48s %14.4f %12.1f  %s\n", z.name.c_str(), z.median_ms, it->second, ok ? "ok" : "MISSED");
        }
        std::printf("%d of %zu rows over their target\n", verfehlt, zeilen.size());
    }
};

}  // namespace

int main(int argc, char** argv) {
#ifdef QUORVEL_BENCH_QT
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication* app = nullptr;
#endif
    std::vector<char*> args(argv, argv + argc);
    std::string wiederholungen = "--benchmark_repetitions=7";
    std::string nur_aggregat = "--benchmark_report_aggregates_only=true";
    args.push_back(wiederholungen.data());
    args.push_back(nur_aggregat.data());
    int anzahl = static_cast<int>(args.size());
    benchmark::Initialize(&anzahl, args.data());
#ifdef QUORVEL_BENCH_QT
    app = new QApplication(argc, argv);
#endif
    Tabellenbericht bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    benchmark::Shutdown();
#ifdef QUORVEL_BENCH_QT
    delete app;
#endif
    return 0;
}
