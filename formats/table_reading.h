// The table read back from a list, CSV or JSON file, against the ROM it goes into.
#pragma once

#include <optional>
#include <string_view>

#include "eggmoves/words.h"
#include "rom/loader.h"

// In the order the page numbers them.
enum class TableFormat { List, Csv, Json, C };

// The table a file describes, read against the ROM's own names and table; or the
// line at which it was refused, and why.
struct TableText {
    EggMoveEntries entries;
    int line = 0;
    Words problem;  // empty when the file was taken
    // When the file was refused only for describing more entries than the table
    // holds, and would be taken by a table grown to them: how many it describes.
    int rows = 0;

    bool Taken() const { return problem.english.empty(); }
};

// A list is the table in order, one entry a line: a line that is its row's line
// now keeps the row's entry; any other names a species, or four spaces (or a tab)
// and a move, in any case; spaces at line ends are ignored. A file of fewer lines
// than the table leaves the end mark in every later row. CSV and JSON rows go by
// their row cells, in any order, and every row must be there: a row's new entry
// is what its value, id (with kind) or name cell says where it differs from the
// entry now; 0xFFFF, or "end" in the kind cell, is the end mark. Any format may
// start with a byte order mark (C as the decompilations write it: c_source.h), be UTF-8 or else
// Windows-1252, and end its lines with LF, CRLF or CR. A file of more entries than the table holds
// is refused, unless largest is more: then the table grows to the file's rows, up to largest.
TableText ReadTable(std::string_view text, TableFormat format, const Rom& rom, int largest = 0);

// For a file refused with rows: "The file describes N entries; the table holds M.
// Enlarge the table by K?". On Yes, ReadTable(text, format, rom, refused.rows)
// reads it into the grown table.
std::optional<Words> GrowthQuestion(const TableText& refused, const Rom& rom);
