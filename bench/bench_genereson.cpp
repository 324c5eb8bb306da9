// Cost of one tone refresh, as the frequency slider triggers it: the longest
// tone (100 Hz, 4410 samples) written and put in place of the old one.

#include "sound/Generateur.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void GenereSon100Hz(benchmark::State& etat) {
    std::string modele = (std::filesystem::temp_directory_path() / "bench-son-XXXXXX").string();
    const char* dossier = ::mkdtemp(modele.data());
    if (dossier == nullptr) {
        etat.SkipWithError("no temporary folder");
        return;
    }
    const int32_t P = 32767;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(vibralume::GenereSon(100.0, P, dossier));
    }
    std::filesystem::remove_all(dossier);
}
BENCHMARK(GenereSon100Hz)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
