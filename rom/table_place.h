// Where the game itself reads its egg-move table, and how many entries, from the
// words of its own egg-move routine, found by its code, so that Quenmark never
// edits a copy the game no longer uses.
#pragma once

#include <cstdint>
#include <istream>
#include <vector>

#include "rom/game_routine.h"
#include "rom/versions.h"

enum class TablePlace {
    Usual,    // where and as large as the release keeps it
    Moved,    // the game's words give another place or size: read and written there
    Foreign,  // the game's words say what the game itself could not use, or the
              // game's reading is unknown: read-only
    Missing,  // no routine, and the usual place holds no egg-move table: refused
};

// How the routine was found, which says whose code the file holds.
enum class RoutineFind {
    Missing,  // nowhere in the file: the table is read at the release's usual place
    Known,    // at the release's known place: the game's own code calls it there
    Moved,    // once, away from the known place: a build whose code moved
    Several,  // more than once away from the known place: which one the game uses is
              // unknown, so the file is read-only
};

struct TableLocation {
    TablePlace place = TablePlace::Usual;
    std::int32_t EggMoveOffset = 0;  // where the table is read (and, unless Foreign, written)
    int entryCount = 0;              // N: the entries the game searches
    // The routine's words are in the file and say where the table is; only then can
    // the table move to grow.
    bool pointed = false;
    RoutineFind routine = RoutineFind::Missing;
    // Where the routine was found, lowest first (one place unless Several); the
    // table is read through the first one's words.
    std::vector<std::int64_t> routines;
    GameWords words;  // the first routine's words; all zero without a routine
    bool operator==(const TableLocation&) const = default;
};

inline constexpr std::uint32_t RomBusAddress = 0x08000000;
inline constexpr std::uint32_t RomBusEnd = 0x0A000000;  // first address past the ROM
inline constexpr std::int32_t RomHeaderSize = 0xC0;

TableLocation LocateEggMoveTable(std::istream& rom, const GameVersion& version);

// A build whose code moved: its entries past the stock numbers may be real, so
// nothing is ever repaired, and entries it cannot name show as numbers.
bool IsMovedBuild(const TableLocation& table);

// Whether count entries at offset read as an egg-move table: the first a legal
// species, and at most a quarter of those before the first end mark illegal.
bool ReadsAsEggMoveTable(std::istream& rom, std::int64_t offset, int count);

// Whether bytes at offset would cover the header or one of the game's words.
bool CoversGameData(std::int64_t offset, std::int64_t bytes, const GameWords& words);
