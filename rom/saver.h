// File, Save: the whole table written back into the loaded ROM, in place.
#pragma once

enum class SaveResult {
    Saved,
    NothingToSave,  // no completed load, or the last load stopped at a declined repair
    Failed,         // the file is gone, unwritable, replaced by another game, or cut short
};

// Writes the 2276 table bytes at EggMoveOffset into the ROM of the last completed
// load, and nothing else; changes no state of the program.
SaveResult SaveEggMoveTable();
