// The list as a plain text file: one line per entry, Windows-1252, no header.
#pragma once

#include <ostream>
#include <string>

#include "eggmoves/table.h"

// Writes the 1138 display lines, each followed by a newline.
void WriteListLines(std::ostream& out, const EggMoveList& list);
// Creates or empties the file at path and writes the lines in text mode. A file
// that cannot be written is not reported: the window says nothing of an export.
void ExportListLines(const std::string& path, const EggMoveList& list);
