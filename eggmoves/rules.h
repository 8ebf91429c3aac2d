// What the game does with a table: the places where it will not do what the list
// seems to say. The game reads entries up to its end mark; a species entry heads
// the moves after it; a species is looked up at its first entry only, and it is
// taught at most ten of its moves.
#pragma once

#include <vector>

#include "eggmoves/table.h"

inline constexpr int GameMovesPerSpecies = 10;
inline constexpr int NoSpecies = -1;  // the rows before the first species entry

enum class Rule {
    IllegalEntry,         // not a legal entry, before the end mark
    MoveBeforeSpecies,    // taught to every species that has no entry of its own
    TooManyMoves,         // the first move past the tenth of its species
    SpeciesAgain,         // a species whose moves the game already found earlier
    MoveAgain,            // the same move twice under one species
    FillerSpecies,        // species 0 (the repair filler): the game reads it as a move
    IllegalAfterEndMark,  // past the end mark, kept as it is
    TableElsewhere,       // the game reads another table than the one at this place
    TableCut,             // the file ends inside the table
    SpeciesAtEnd,         // a species at the last row: its moves are read past the table
    MovesRunOn,           // the last species' moves go on past the table, into what follows
    UnnamedEntry,         // in a build whose code moved: a species or move past the names
};

enum class Severity { Warning, Error };

struct Finding {
    int row = -1;  // -1 for the whole table
    Rule rule;
    int species = NoSpecies;  // the species whose moves the row is among
    int earlierRow = -1;      // for SpeciesAgain and MoveAgain: where the game met it first
    bool operator==(const Finding&) const = default;
};

Severity SeverityOf(Rule rule);

// The findings of a table, in row order; afterTable is the word that follows the
// table in the ROM, where the game goes on reading the last species' moves.
std::vector<Finding> CheckEggMoves(const EggMoveEntries& table, std::uint16_t afterTable);
