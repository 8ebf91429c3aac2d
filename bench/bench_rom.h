// The synthetic ROM images the benchmarks load.
#pragma once

#include <cstdint>
#include <filesystem>

inline constexpr std::uint64_t MiB = std::uint64_t{1} << 20;
inline constexpr std::uint64_t GiB = std::uint64_t{1} << 30;

// A default Fire Red (BPRE) image of size bytes, every entry legal, written as a
// sparse file on first use into a scratch directory that goes with the process.
const std::filesystem::path& BenchRom(std::uint64_t size);

// A file name in the same scratch directory.
std::filesystem::path ScratchFile(const char* name);
