// Whether Insert would push a real entry off the end of the table, and the
// words that say which one.
#pragma once

#include "eggmoves/table.h"
#include "eggmoves/words.h"

// The table's last entry is a legal species or move, not an end mark: an
// insert drops it.
bool IsTableFull(const EggMoveList& list);

// "The egg move list is full: inserting removes its last entry, SPECIES: MOVE.",
// with the last entry and the species it belongs to as the list shows them (the
// species alone when the last entry is one, the move alone before any species).
Words FullTableWords(const EggMoveList& list, const RomNames& names);
