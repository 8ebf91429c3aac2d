// The constants the decompilations name species and moves with.
#pragma once

#include <array>
#include <string_view>

#include "eggmoves/table.h"

// [s] is SPECIES_ + the name of species s; [m] is MOVE_ + the name of move m, [0] NONE.
extern const std::array<std::string_view, SpeciesNameCount> SpeciesConstants;
extern const std::array<std::string_view, MoveNameCount + 1> MoveConstants;
