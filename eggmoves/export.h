// The list as a plain text file: one line per entry, Windows-1252, no header.
// Where it goes, and what a failed write says, is the front end's.
#pragma once

#include <ostream>

#include "eggmoves/table.h"

// Writes the display lines, each followed by a newline.
void WriteListLines(std::ostream& out, const EggMoveList& list);
