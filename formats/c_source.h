// The table as the decompilations keep it in src/data/pokemon/egg_moves.h: one
// array, gEggMoves, of egg_moves(SPECIES, MOVE_A, ...) blocks and a terminator,
// with the species and moves named by their constants.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "eggmoves/words.h"
#include "rom/loader.h"

// The decompilations' own layout. End marks after the last entry are left out,
// since the build sizes the array itself; anything that is not a species heading
// its moves is an item of its own line, so nothing is lost and the file compiles.
void WriteSource(std::ostream& out, const EggMoveEntries& entries);

// The rows of a gEggMoves array, in order, without its terminator; values[i] is
// on line lines[i]. Comments, # lines and spacing are ignored; items are
// egg_moves(...), the constants and numbers, and sums of them in parentheses.
// Refused at a line, with why, when it is not such an array.
struct SourceRows {
    std::vector<std::uint16_t> values;
    std::vector<int> lines;
    int line = 0;
    Words problem;  // empty when the array was read

    bool Taken() const { return problem.english.empty(); }
};
SourceRows ParseSource(std::string_view text);

// The names a table read from source alone is told with: its constants,
// "SPECIES_BULBASAUR" and "MOVE_POUND".
RomNames ConstantNames();
// The table of a source file as check and diff take a ROM's: whole, its names
// the constants, the terminator after it.
Rom SourceRom(const std::string& path, const EggMoveEntries& entries);
