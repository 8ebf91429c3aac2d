// The table as export writes it and import reads it back: the window's list,
// CSV for spreadsheets, JSON for scripts and C for the decompilations. Reading is table_reading.h,
// what a read changes table_changes.h.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "formats/table_changes.h"
#include "formats/table_reading.h"
#include "rom/loader.h"

std::optional<TableFormat> ParseFormat(std::string_view name);
// .csv, .json and .h (C source) by their names, in any case; anything else is a list.
TableFormat FormatOfPath(std::string_view path);
// The format of a text that comes without a name (standard input): JSON when it
// starts with "{", C when it holds the gEggMoves array, CSV when its first line
// is a header naming row and value, or else a list.
TableFormat SniffFormat(std::string_view text);

// "species", "move", "end" or "illegal".
std::string_view KindName(std::uint16_t entry);

// What the ROM is: file, game code, game, language, version, where the table is read.
nlohmann::ordered_json Identity(const Rom& rom);

void WriteTable(std::ostream& out, const Rom& rom, TableFormat format);
