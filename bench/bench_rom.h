// The ROM every benchmark reads: a synthetic Fire Red image of a given size,
// written once per run as a sparse file, and how each benchmark is repeated.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "tools/synthetic_rom.h"

inline constexpr std::uint64_t MiB = 1 << 20;

inline const std::string& BenchRom(std::uint64_t size) {
    static TempDir dir;
    static std::string paths[2];
    std::string& path = paths[size > 16 * MiB];
    if (path.empty()) {
        SyntheticRom rom = DefaultRom("BPRE");
        rom.species[1] = GameText("Pok\xE9mon");
        rom.size = size;
        path = (dir / ("rom-" + std::to_string(size) + ".gba")).string();
        WriteRom(path, rom);
    }
    return path;
}

// Every figure is the median of 11 repetitions, in microseconds.
inline void Quoted(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)->MinTime(0.2)->Repetitions(11)->ReportAggregatesOnly(true);
}
