// The table as export writes it and import reads it back: the window's list,
// CSV for spreadsheets and JSON for scripts.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "rom/loader.h"

enum class TableFormat { List, Csv, Json };

std::optional<TableFormat> ParseFormat(std::string_view name);
// .csv and .json by their names; anything else is a list.
TableFormat FormatOfPath(std::string_view path);

// "species", "move", "end" or "illegal".
std::string_view KindName(std::uint16_t entry);

// What the ROM is: file, game code, game, language, version, where the table is read.
nlohmann::ordered_json Identity(const Rom& rom);

void WriteTable(std::ostream& out, const Rom& rom, TableFormat format);

// The table a file describes, read against the ROM's own names and table; or the
// line at which it was refused, and why.
struct TableText {
    EggMoveEntries entries;
    int line = 0;
    std::string problem;  // empty when the file was taken
    int rows = 0;         // the entries the file describes, when there were too few or many
};
// The file must describe as many entries as the table holds, or, when largest
// is more, up to largest: the table grows to the file's rows, new rows holding
// the end mark.
TableText ReadTable(std::string_view text, TableFormat format, const Rom& rom, int largest = 0);
