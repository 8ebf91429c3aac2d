// What the check finds in a ROM: the table's own findings, and first those of the
// whole table as the game reads it (another table, or a file that ends inside it).
// The command line, the window and the page list the same.
#pragma once

#include <vector>

#include "eggmoves/rules.h"
#include "rom/loader.h"

std::vector<Finding> RomFindings(const Rom& rom);
