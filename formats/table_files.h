// The table as export writes it and import reads it back: the window's list,
// CSV for spreadsheets and JSON for scripts.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "rom/loader.h"

enum class TableFormat { List, Csv, Json };

std::optional<TableFormat> ParseFormat(std::string_view name);
// .csv and .json by their names, in any case; anything else is a list.
TableFormat FormatOfPath(std::string_view path);
// The format of a text that comes without a name (standard input): JSON when it
// starts with "{", CSV when its first line is a header naming row and value, or
// else a list.
TableFormat SniffFormat(std::string_view text);

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
// A list names one entry a line (in any case, a tab for the indent, spaces at the
// ends ignored); CSV and JSON rows go by their row numbers, in any order, and a
// row's new entry is what its value, id (with kind) or name cell says where it
// differs from the entry now. Any format may start with a byte order mark and end
// its lines with LF, CRLF or CR.
// The file must describe as many entries as the table holds, or, when largest
// is more, up to largest: the table grows to the file's rows, new rows holding
// the end mark; with the grown rows, CSV and JSON name rows 0 to M - 1.
TableText ReadTable(std::string_view text, TableFormat format, const Rom& rom, int largest = 0);

// A row that a table read from a file changes, in words: the names as the ROM
// spells them (UTF-8), "(end mark)" or "(illegal)" for entries without one.
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
