// The list as a plain text file: one line per entry, Windows-1252, no header.
#pragma once

#include <ostream>
#include <string>

#include "eggmoves/table.h"

// Writes the 1138 display lines, each followed by a newline; true if all went out.
bool WriteListLines(std::ostream& out, const EggMoveList& list);
// Creates or empties the file at path and writes the lines in text mode.
bool ExportListLines(const std::string& path, const EggMoveList& list);
