// Why a save, a growth or a copy wrote nothing: one cause each, told in both
// languages by every front end alike.
#pragma once

#include <string>

#include "eggmoves/words.h"

enum class SaveCause {
    None,           // written
    NothingLoaded,  // no completed load, or the last one stopped at a declined repair
    ForeignTable,   // the game reads another table than this one
    FileGone,       // no file (or a folder) by that name any more
    CannotWrite,    // the system refused to open or write it; reason says why
    OtherGame,      // the file is now another game or another version of it
    TableMoved,     // another tool moved or resized its table since it was read
    CutShort,       // the file ends inside the table
    ChangedOnDisk,  // the bytes the save replaces are not those read or last written
    CannotMove,     // a larger table, but the game's words are unknown or not in the file
    NoRoom,         // a larger table, and no free space takes it
    PlaceTaken,     // a larger table, and the place asked for is not 4-aligned free space
    TooLarge,       // more entries than any table may hold
    SameFile,       // a copy named the ROM itself
};

// The cause in words; file is the name shown for the ROM (or the copy's target),
// reason the system's text for CannotWrite ("Permission denied").
Words SaveCauseWords(SaveCause cause, const std::string& file, const std::string& reason = {});
