// What a table read from a file changes, in words: each row as the command line
// tells it, and the summary the window and the page show after an import.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "eggmoves/words.h"
#include "rom/loader.h"

// A row that a table read from a file changes: the names as the ROM spells them
// (UTF-8), "(end mark)" or "(illegal)" for entries without one.
struct RowChange {
    int row;
    std::string species;  // the species the row belongs to now
    std::uint16_t before, after;
    std::string beforeName, afterName;
};
std::vector<RowChange> Changes(const Rom& rom, const EggMoveEntries& entries);
// "2: SPECIES1: MOVE32 -> SPECIES2 (0x0020 -> 0x4E22)".
std::string ChangeLine(const RowChange& change);
nlohmann::ordered_json ChangeJson(const RowChange& change);

// What an import of entries into the ROM's table does, told before it is applied:
// "N rows changed." with one ChangeLine a change as details, or "Nothing changed:
// the file describes the table as it is." with none (then there is nothing to apply).
struct ImportSummary {
    Words message;
    std::vector<std::string> details;
    bool changes = false;
};
ImportSummary SummaryOf(const Rom& rom, const EggMoveEntries& entries);
