// The fuzzer's input format. Real tables lie megabytes into a ROM, so an input
// carries the header and the three regions the loader reads, each put back at
// its release's offset:
//
//   [0, 0xB0)   the header; the game code at 0xAC picks the release
//   2 bytes     length of the species-name slice, little-endian
//   2 bytes     length of the move-name slice, little-endian
//   the rest    the species-name slice, the move-name slice, then the table slice
//
// Missing length bytes count as zero, a slice is cut at the next region's offset
// and the file ends where its last non-empty slice ends, so images that stop
// inside a name table or inside the table come up too. An input whose code is
// none of the ten is the file itself, byte for byte.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "rom/versions.h"
#include "tools/synthetic_rom.h"

using ByteString = Bytes;
using Region = Piece;

struct FuzzRom {
    const GameVersion* version = nullptr;  // null: the input is the whole file
    // Disjoint and in file order; with a version: header, species names, move
    // names, table (any of the last three may be empty). The rest of the file is zero.
    std::vector<Region> regions;
    std::uint64_t size = 0;
};

inline constexpr std::size_t HeaderSize = GameCodeOffset + 4;
inline constexpr std::size_t TableRegion = 3;

FuzzRom DecodeFuzzInput(std::span<const std::uint8_t> input);

// The inverse, for seeds: header must be HeaderSize bytes and the name slices
// shorter than 64 KiB.
ByteString EncodeFuzzInput(const ByteString& header, const ByteString& speciesNames,
                           const ByteString& moveNames, const ByteString& table);
