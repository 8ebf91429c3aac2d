// The table written back into its ROM: in place at its own size, or, when it
// has grown, into free space with the game's words pointed at it. File, Save,
// and the command line's import and grow.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>

#include "eggmoves/table.h"
#include "rom/loader.h"

// In this order: the window shows a text for each.
enum class SaveResult {
    Saved,
    Grown,          // written into free space, and the game's words point there now
    NothingToSave,  // no completed load, or the last load stopped at a declined repair
    ReadOnly,       // the game reads another table than this one
    Failed,         // the file is gone, unwritable, no longer that ROM, or cut short
    CannotMove,     // a larger table, but the game's words are unknown or not in the file
    NoRoom,         // a larger table, and no free space takes it
    PlaceTaken,     // a larger table, and the place asked for is not 4-aligned free space
};

// Why rom's table could not grow at all, whatever the free space: Saved when it can.
SaveResult GrowthProblem(const Rom& rom);

// Where a table of count entries would go in the file now: at, if given and
// free, else the highest place; or why it cannot go anywhere.
struct GrowthPlan {
    SaveResult problem = SaveResult::Grown;  // Grown when the table can go to offset
    std::int64_t offset = 0;
};
GrowthPlan PlanGrowth(std::istream& file, const Rom& rom, int count,
                      std::optional<std::int64_t> at = std::nullopt);

// How many entries could still be added to a table of count entries in rom's
// file: min(MaxEntryCount, the most that fits) - count; 0 when it cannot grow.
int RoomToGrow(std::istream& file, const Rom& rom, int count);

// Writes entries where rom's table was read, if the file is still that release
// with its table at that place and entries are as many as the table; or, when
// they are more, into free space (at, if given), then the game's words, and
// rom's place becomes the new one. Nothing else of the file is written.
SaveResult WriteEggMoveTable(Rom& rom, const EggMoveEntries& entries,
                             std::optional<std::int64_t> at = std::nullopt);

// File, Save: the table in memory, with the user's edits.
SaveResult SaveEggMoveTable(Rom& rom);
