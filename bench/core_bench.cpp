// The core alone, no window: a whole load, the three edits of the model and the
// text export.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_rom.h"
#include "bench/quoted.h"
#include "eggmoves/editing.h"
#include "eggmoves/export.h"
#include "eggmoves/table.h"
#include "rom/loader.h"

namespace {

bool LoadedWhole(const std::string& path) {
    return LoadRom(path, {}) == LoadResult::Completed &&
           SpeciesCount + MoveCount == EggMoveEntryCount;
}

// Opening, identification, both name tables, the choices, the 1138 entries with
// their lines and counters: everything File, Open does outside the window.
void LoadWhole(benchmark::State& state, std::uint64_t size) {
    const std::string path = BenchRom(size).string();
    if (!LoadedWhole(path)) state.SkipWithError("the synthetic ROM did not load completely");
    for (auto _ : state) benchmark::DoNotOptimize(LoadRom(path, {}));
}
BENCHMARK_CAPTURE(LoadWhole, rom_16MiB, 16 * MiB)->Apply(Quoted);
BENCHMARK_CAPTURE(LoadWhole, sparse_1GiB, GiB)->Apply(Quoted);

// The edits start from a loaded table. Insert and Delete act on row 0, where the
// most entries and lines move.
void LoadForEdits(benchmark::State& state) {
    if (!LoadedWhole(BenchRom(16 * MiB).string()))
        state.SkipWithError("the synthetic ROM did not load completely");
}

void ChangeEntryAlone(benchmark::State& state) {
    LoadForEdits(state);
    int choice = 0;
    for (auto _ : state) {
        // A species and a move in turn, so the entry really changes each time.
        choice = choice == 0 ? 600 : 0;
        benchmark::DoNotOptimize(ChangeEntry(500, choice));
    }
}
BENCHMARK(ChangeEntryAlone)->Apply(Quoted);

void InsertEntryAlone(benchmark::State& state) {
    LoadForEdits(state);
    for (auto _ : state) benchmark::DoNotOptimize(InsertEntry(0, 600));
}
BENCHMARK(InsertEntryAlone)->Apply(Quoted);

void DeleteEntryAlone(benchmark::State& state) {
    LoadForEdits(state);
    for (auto _ : state) benchmark::DoNotOptimize(DeleteEntry(0));
}
BENCHMARK(DeleteEntryAlone)->Apply(Quoted);

void ExportLines(benchmark::State& state) {
    LoadForEdits(state);
    const std::string path = ScratchFile("EggMoves.txt").string();
    for (auto _ : state) {
        if (!ExportListLines(path)) {
            state.SkipWithError("the export file could not be written");
            break;
        }
    }
}
BENCHMARK(ExportLines)->Apply(Quoted);

}  // namespace

BENCHMARK_MAIN();
