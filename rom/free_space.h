// Free space in a ROM, where a grown table may go: bytes that are all 0xFF,
// inside the file and the game's reach, and outside the header, the current
// table with its terminator, and the routine found, which holds the game's words.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <vector>

#include "rom/loader.h"

// A run [begin, end) of free bytes.
struct FreeRun {
    std::int64_t begin;
    std::int64_t end;
};

// The free runs long enough to take at least one entry, lowest first.
std::vector<FreeRun> FindFreeRuns(std::istream& file, const Rom& rom);

// The bytes a table of count entries takes: the entries and one terminator.
std::int64_t TableBytes(int count);

// Where a table of count entries goes: the highest 4-aligned offset whose bytes
// from 16 below it to the end of its terminator are all free. The margin keeps
// whole a piece of data that happens to end in 0xFF bytes. nullopt: no room.
std::optional<std::int64_t> HighestPlace(const std::vector<FreeRun>& runs, int count);
// Whether at is 4-aligned and its bytes take a table of count entries, with no margin.
bool PlaceIsFree(std::istream& file, const Rom& rom, std::int64_t at, int count);
// The most entries any place takes, at most MaxEntryCount.
int LargestTable(const std::vector<FreeRun>& runs);
