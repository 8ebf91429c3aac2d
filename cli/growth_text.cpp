#include "cli/growth_text.h"

#include "formats/text.h"

std::string Refusal(SaveCause cause, const std::string& path, const std::string& reason) {
    return SaveCauseWords(cause, path, reason).english;
}

std::string TablePlaceText(const TableLocation& table) {
    return std::to_string(table.entryCount) + " entries at " + Hex(table.EggMoveOffset, 6);
}
