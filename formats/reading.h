// What the readers of the three formats share (inside formats/ only).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formats/table_reading.h"

TableText Refuse(int line, Words problem);
// The rows of the table now.
int Size(const Rom& rom);
// The entry row i holds now; rows a grown table adds hold the end mark.
std::uint16_t Current(const Rom& rom, int i);
// An entry as a change or a refusal shows it: its name, or what it is when it has none.
Words Described(const RomNames& names, std::uint16_t entry);
// The table of values, values[i] read on lines[i]: too many for largest rows are
// refused, too few are followed by end marks.
TableText Take(std::vector<std::uint16_t> values, const std::vector<int>& lines, const Rom& rom,
               int largest);

// The text without a byte order mark, as UTF-8, every line end made '\n'.
std::string Normalized(std::string_view text);
// The field separator of a CSV: in some languages spreadsheets use semicolons.
char Separator(std::string_view text);

// Each reads normalized text.
TableText ReadList(std::string_view text, const Rom& rom, int largest);
TableText ReadCsv(std::string_view text, const Rom& rom, int largest);
TableText ReadJson(std::string_view text, const Rom& rom, int largest);
TableText ReadSource(std::string_view text, const Rom& rom, int largest);
