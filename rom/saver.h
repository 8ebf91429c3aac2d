// The table written back into its ROM, in place: File, Save, and the command
// line's import.
#pragma once

#include "eggmoves/table.h"
#include "rom/loader.h"

// In this order: the window shows a text for each.
enum class SaveResult {
    Saved,
    NothingToSave,  // no completed load, or the last load stopped at a declined repair
    ReadOnly,       // the game reads another table than this one
    Failed,         // the file is gone, unwritable, no longer that ROM, or cut short
};

// Writes the 2276 bytes of entries where rom's table was read, and nothing else,
// if the file is still that release with its table at that place.
SaveResult WriteEggMoveTable(const Rom& rom, const EggMoveEntries& entries);

// File, Save: the table in memory, with the user's edits.
SaveResult SaveEggMoveTable(const Rom& rom);
