// The core alone: a whole load as the window and as the command line read a
// ROM, the three edits of the model, and the text export.
#include <sstream>

#include "bench/bench_rom.h"
#include "eggmoves/export.h"
#include "eggmoves/history.h"
#include "rom/loader.h"

namespace {

// Identification, the game's words, both name tables, the 1138 entries with
// their lines and counters.
void WindowLoad(benchmark::State& state, std::uint64_t size) {
    Rom rom;
    for (auto _ : state) benchmark::DoNotOptimize(LoadRom(rom, BenchRom(size), {}));
    if (rom.list.SpeciesCount + rom.list.MoveCount != EggMoveEntryCount)
        state.SkipWithError("the synthetic ROM did not load completely");
}
BENCHMARK_CAPTURE(WindowLoad, rom_16MiB, 16 * MiB)->Apply(Quoted);
BENCHMARK_CAPTURE(WindowLoad, sparse_1GiB, 1024 * MiB)->Apply(Quoted);

// A build whose code moved: the routine and the names found by search.
void MovedBuildLoad(benchmark::State& state) {
    Rom rom;
    for (auto _ : state) benchmark::DoNotOptimize(LoadRom(rom, MovedBenchRom(), {}));
    if (rom.table.routine != RoutineFind::Moved || rom.namesAt.found != NamesFound::Moved ||
        rom.list.SpeciesCount + rom.list.MoveCount != EggMoveEntryCount)
        state.SkipWithError("the moved build did not load through its routine");
}
BENCHMARK(MovedBuildLoad)->Apply(Quoted);

// The window's load of a crafted file, every repair declined: the routine is
// searched for in its first 32 MiB, and the file is refused with no table.
void CraftedLoad(benchmark::State& state, Crafted kind) {
    Rom rom;
    LoadCallbacks decline;
    decline.repairAccepted = [](int, std::uint16_t) { return false; };
    LoadResult result = LoadResult::Unsupported;
    for (auto _ : state) benchmark::DoNotOptimize(result = LoadRom(rom, CraftedRom(kind), decline));
    // Neither holds the routine nor a table: the whole search, then the refusal.
    if (result != LoadResult::NoTable) state.SkipWithError("the crafted ROM was not refused");
}
BENCHMARK_CAPTURE(CraftedLoad, zeros_1GiB, Crafted::Zeros1GiB)->Apply(Quoted);
BENCHMARK_CAPTURE(CraftedLoad, no_ff_16MiB, Crafted::NoFf16MiB)->Apply(Quoted);

void CommandLineRead(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ReadRom(BenchRom(16 * MiB)));
}
BENCHMARK(CommandLineRead)->Apply(Quoted);

// Insert and Delete act on row 0, where the most entries and lines move; Change
// puts a species and a move in turn, so that the entry really changes.
void Edit(benchmark::State& state, int which) {
    Rom rom = ReadRom(BenchRom(16 * MiB));
    int choice = 0;
    for (auto _ : state) {
        choice = choice == 0 ? 600 : 0;
        auto edit = which == 0   ? ChangeEdit(rom.list, rom.names, 500, choice)
                    : which == 1 ? InsertEdit(rom.list, rom.names, 0, choice)
                                 : DeleteEdit(rom.list, 0);
        ApplyEdit(rom.list, rom.names, *edit);
    }
}
BENCHMARK_CAPTURE(Edit, Change, 0)->Apply(Quoted);
BENCHMARK_CAPTURE(Edit, Insert, 1)->Apply(Quoted);
BENCHMARK_CAPTURE(Edit, Delete, 2)->Apply(Quoted);

void Export(benchmark::State& state) {
    const Rom rom = ReadRom(BenchRom(16 * MiB));
    for (auto _ : state) {
        std::ostringstream out;
        WriteListLines(out, rom.list);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(Export)->Apply(Quoted);

}  // namespace

BENCHMARK_MAIN();
