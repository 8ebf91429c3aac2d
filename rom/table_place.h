// Where the game itself reads its egg-move table, from the words of its own
// egg-move routine, so that Quenmark never edits a copy the game no longer uses.
#pragma once

#include <cstdint>
#include <istream>

#include "rom/versions.h"

enum class TablePlace {
    Usual,    // where the release keeps it (or the file carries no such code to ask)
    Moved,    // another tool moved the whole table; it is read and written there
    Foreign,  // the game reads a table of another size or place: read-only
};

struct TableLocation {
    TablePlace place = TablePlace::Usual;
    std::int32_t EggMoveOffset = 0;  // where the table is read (and, unless Foreign, written)
    bool operator==(const TableLocation&) const = default;
};

inline constexpr std::uint32_t RomBusAddress = 0x08000000;
inline constexpr std::uint32_t RomBusEnd = 0x0A000000;  // first address past the ROM
inline constexpr std::uint32_t GameSearchLimit = 1137;  // the last index the game looks at
inline constexpr std::int32_t RomHeaderSize = 0xC0;

TableLocation LocateEggMoveTable(std::istream& rom, const GameVersion& version);
