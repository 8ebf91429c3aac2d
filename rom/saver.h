// The table written back into its ROM: in place at the file's size (padded with
// end marks when shorter), or, when it has grown, into free space with the
// game's words pointed at it; and the same into a copy. File, Save and Save As,
// the command line's import and grow.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>

#include "eggmoves/table.h"
#include "rom/loader.h"
#include "rom/save_causes.h"

// In this order: the window shows a text for each.
enum class SaveResult {
    Saved,
    Grown,          // written into free space, and the game's words point there now
    NothingToSave,  // no completed load, or the last load stopped at a declined repair
    ReadOnly,       // the game reads another table than this one
    Failed,         // written nothing, for a cause of the file (see SaveOutcome)
    CannotMove,     // a larger table, but the game's words are unknown or not in the file
    NoRoom,         // a larger table, and no free space takes it
    PlaceTaken,     // a larger table, and the place asked for is not 4-aligned free space
};

// What a save did, and when it wrote nothing, its one cause.
struct SaveOutcome {
    SaveResult result = SaveResult::Saved;
    SaveCause cause = SaveCause::None;
    std::string reason;  // the system's text, for SaveCause::CannotWrite
    bool Written() const { return cause == SaveCause::None; }
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

// The cause of a growth problem (GrowthProblem's, or PlanGrowth's for a count
// it can take); None for Saved and Grown.
SaveCause GrowthCause(SaveResult problem);

// How many entries could still be added to a table of count entries in rom's
// file: min(MaxEntryCount, the most that fits) - count; 0 when it cannot grow.
int RoomToGrow(std::istream& file, const Rom& rom, int count);

// Whether file no longer holds, where rom's table is, what this program read or
// last wrote there: another program has written into it since.
bool ChangedOnDisk(std::istream& file, const Rom& rom);

// Writes entries where rom's table is, if the file is still that release with
// its table at that place and that size: as many or fewer (then end marks up to
// the file's size) in place; more into free space (at, if given), then the
// game's words, and rom's place becomes the new one. Bytes another program
// changed there since are written over only with overwrite. Nothing else of the
// file is written; afterwards rom remembers what the file holds there.
SaveOutcome SaveTable(Rom& rom, const EggMoveEntries& entries, bool overwrite,
                      std::optional<std::int64_t> at = std::nullopt);

// Save As: the file as it is on disk, with entries written as SaveTable writes
// them, into target through a temporary file beside it renamed over it once
// whole. The ROM's file is never written, and is refused as target. When it is
// written, rom is the copy's (path, place, what its file holds).
SaveOutcome SaveCopy(Rom& rom, const EggMoveEntries& entries, const std::string& target,
                     bool overwrite, std::optional<std::int64_t> at = std::nullopt);

// SaveTable's result alone, writing over changes on disk.
SaveResult WriteEggMoveTable(Rom& rom, const EggMoveEntries& entries,
                             std::optional<std::int64_t> at = std::nullopt);

// File, Save as the window and the page make it today: the table in memory, with
// the user's edits, written over changes on disk.
SaveResult SaveEggMoveTable(Rom& rom);
