// Where the species and move names are, found by their shape: the release's
// known place first, then wherever a build or another tool put them.
#pragma once

#include <cstdint>
#include <istream>

#include "rom/versions.h"

// The species names are 412 slots of 11 bytes, the first "??????????"; the move
// names follow right after them in slots of 13 bytes, the first "-".
inline constexpr std::int64_t SpeciesSlot = 11;
inline constexpr std::int64_t MoveSlot = 13;
inline constexpr std::int64_t MoveNamesAfterSpecies = 0x11B4;

enum class NamesFound {
    Known,    // at the release's own places, read exactly as ever
    Moved,    // found by their shape elsewhere
    Missing,  // nowhere: entries show as numbers
};

struct NamePlace {
    NamesFound found = NamesFound::Missing;
    std::int64_t species = 0;  // where the species table starts
    std::int64_t moves = 0;    // where the move names are read from (skipping zeros)
    bool operator==(const NamePlace&) const = default;
};

// Whether the file holds the shape of the two name tables with species at species.
bool NameTablesAt(std::istream& rom, std::int64_t species);

NamePlace FindNameTables(std::istream& rom, const GameVersion& version);
