// How a ROM's table and names were found, and the refusal and warnings that
// come of it: the same words in every front end.
#pragma once

#include <vector>

#include "eggmoves/words.h"
#include "rom/loader.h"

// The refusal of a file in which no egg-move table was found (HasNoTable).
Words NoTableWords();

// "read through the game's routine at 0x0703C8", or "at the release's usual
// place (the game's routine was not found)".
Words TableSourceWords(const TableLocation& table);

// "names at the release's usual place", "names found at 0x0A0000", or "names not
// found (shown as numbers)".
Words NamesSourceWords(const NamePlace& names);

// The routine found at several places away from the known one: the places, and
// that nothing will be written.
Words SeveralRoutinesWords(const TableLocation& table);

// The names were not found: entries show as numbers.
Words NoNamesWords();

// What a loaded ROM warns of, besides the read-only and cut-short warnings: the
// routine at several places, names not found; in that order, empty for none.
std::vector<Words> LoadWarnings(const Rom& rom);
