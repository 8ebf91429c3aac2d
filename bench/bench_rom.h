// The ROM every benchmark reads: a synthetic Fire Red image of a given size,
// written once per run as a sparse file, and how each benchmark is repeated.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
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

// A build whose code moved, of 32 MiB: the routine, the names and the table all
// near its end, so that both searches read the whole of it.
inline const std::string& MovedBenchRom() {
    static TempDir dir;
    static std::string path;
    if (path.empty()) {
        SyntheticRom rom = DefaultRom("BPEE");
        rom.size = 32 * MiB;
        rom.routines = {0x1F00002};
        rom.namesAt = 0x1F10001;
        rom.tableAt = 0x1F20000;
        rom.words = GameWordsFor(0x1F20000);
        path = (dir / "moved.gba").string();
        WriteRom(path, rom);
    }
    return path;
}

// Files made to cost the name reading the most: zeros to the end of 1 GiB (the
// first species name's leading zeros, then the move table's, run to the end), and
// 16 MiB of random bytes with no 0xFF (the first name is the rest of the file).
// Only "BPRE" at 0xAC; written once per run.
enum class Crafted { Zeros1GiB, NoFf16MiB };

inline const std::string& CraftedRom(Crafted kind) {
    static TempDir dir;
    static std::string paths[2];
    std::string& path = paths[static_cast<int>(kind)];
    if (path.empty()) {
        path = (dir / (kind == Crafted::Zeros1GiB ? "zeros.gba" : "no-ff.gba")).string();
        std::string bytes(kind == Crafted::Zeros1GiB ? 0xB0 : 16 * MiB, '\0');
        if (kind == Crafted::NoFf16MiB) {
            std::mt19937 random(7);
            for (char& b : bytes) b = static_cast<char>(random() % 0xFF);
        }
        bytes.replace(0xAC, 4, "BPRE");
        std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
        if (kind == Crafted::Zeros1GiB) std::filesystem::resize_file(path, 1024 * MiB);
    }
    return path;
}

// Every figure is the median of 11 repetitions, in microseconds.
inline void Quoted(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)->MinTime(0.2)->Repetitions(11)->ReportAggregatesOnly(true);
}
