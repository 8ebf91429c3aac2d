// Where the game itself reads its egg-move table, and how many entries, from the
// words of its own egg-move routine, so that Quenmark never edits a copy the
// game no longer uses.
#pragma once

#include <cstdint>
#include <istream>

#include "rom/versions.h"

enum class TablePlace {
    Usual,    // where and as large as the release keeps it
    Moved,    // the game's words give another place or size: read and written there
    Foreign,  // the game's words say what the game itself could not use: read-only
};

struct TableLocation {
    TablePlace place = TablePlace::Usual;
    std::int32_t EggMoveOffset = 0;  // where the table is read (and, unless Foreign, written)
    int entryCount = 0;              // N: the entries the game searches
    // The game's words are in the file and say where the table is; only then can
    // the table move to grow.
    bool pointed = false;
    bool operator==(const TableLocation&) const = default;
};

inline constexpr std::uint32_t RomBusAddress = 0x08000000;
inline constexpr std::uint32_t RomBusEnd = 0x0A000000;  // first address past the ROM
inline constexpr std::int32_t RomHeaderSize = 0xC0;

TableLocation LocateEggMoveTable(std::istream& rom, const GameVersion& version);

// Whether bytes at offset would cover the header or one of the game's words.
bool CoversGameData(std::int64_t offset, std::int64_t bytes, const GameWords& words);
