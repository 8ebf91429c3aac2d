#include "cli/growth_text.h"

#include "formats/text.h"

std::string GrowthRefusal(SaveResult result) {
    switch (result) {
        case SaveResult::Saved:
        case SaveResult::Grown:
            break;
        case SaveResult::NothingToSave:
            return "no supported release";
        case SaveResult::ReadOnly:
            return "the game in this ROM reads an egg-move table of another size or place; "
                   "nothing is written to it";
        case SaveResult::Failed:
            return "could not be written: it is read-only, in use, cut short, or no longer the "
                   "ROM that was read; nothing was written";
        case SaveResult::CannotMove:
            return "the game's pointers to its table are not known for this release or not in "
                   "this file, so the table cannot move to grow";
        case SaveResult::NoRoom:
            return "no free space (bytes all 0xFF) takes a table of that size";
        case SaveResult::PlaceTaken:
            return "the place asked for is not 4-aligned free space (bytes all 0xFF) for the "
                   "whole table and its terminator";
    }
    return {};
}

std::string TablePlaceText(const TableLocation& table) {
    return std::to_string(table.entryCount) + " entries at " + Hex(table.EggMoveOffset, 6);
}
