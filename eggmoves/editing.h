// The edits of the table. Each moves entries and lines together and keeps the
// counters by uncounting what leaves and counting what enters.
#pragma once

#include <cstdint>

#include "eggmoves/table.h"

// Whether row is a row of the table, and choice one of the drop-down's.
bool IsRow(const EggMoveList& list, int row);
bool IsChoice(int choice);

// count end marks enter at the end, up to MaxEntryCount entries in all; false,
// changing nothing, for a count out of range.
bool EnlargeList(EggMoveList& list, int count);

// The edits by entry value, for rows known to be in range; each gives back the
// entry that left the table. Insert: the last entry falls off the end.
std::uint16_t PutEntry(EggMoveList& list, const RomNames& names, int row, std::uint16_t entry);
std::uint16_t InsertAt(EggMoveList& list, const RomNames& names, int row, std::uint16_t entry);
// The entry at row leaves, and last enters at the end (a Delete brings in an end
// mark: the game stops the last species' moves there, where species 0 would
// become one more move).
std::uint16_t RemoveAt(EggMoveList& list, const RomNames& names, int row, std::uint16_t last);
