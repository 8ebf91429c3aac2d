#include "rom/name_place.h"

#include <algorithm>
#include <array>

#include "rom/game_routine.h"
#include "rom/rom_file.h"

namespace {

// Species 0's name, "??????????", with its 0xFF.
constexpr std::array<std::uint8_t, 11> FirstSpecies = {0xAC, 0xAC, 0xAC, 0xAC, 0xAC, 0xAC,
                                                       0xAC, 0xAC, 0xAC, 0xAC, 0xFF};
// Move 0's name, "-", with its 0xFF.
constexpr std::array<std::uint8_t, 2> FirstMove = {0xAE, 0xFF};

// The first offset within the game's reach where the shape is, or -1.
std::int64_t SearchNameTables(std::istream& rom) {
    std::int64_t species = -1;
    SearchRom(rom, RoutineSearchEnd, FirstSpecies, FirstSpecies.size(),
              [&](std::int64_t offset, const std::uint8_t*) {
                  if (ReadRomBytes(rom, offset + MoveNamesAfterSpecies, FirstMove.size()) !=
                      Bytes(FirstMove.begin(), FirstMove.end()))
                      return false;
                  species = offset;
                  return true;
              });
    return species;
}

}  // namespace

bool NameTablesAt(std::istream& rom, std::int64_t species) {
    return ReadRomBytes(rom, species, FirstSpecies.size()) ==
               Bytes(FirstSpecies.begin(), FirstSpecies.end()) &&
           ReadRomBytes(rom, species + MoveNamesAfterSpecies, FirstMove.size()) ==
               Bytes(FirstMove.begin(), FirstMove.end());
}

NamePlace FindNameTables(std::istream& rom, const GameVersion& version) {
    if (version.SpeciesNameOffset && NameTablesAt(rom, version.SpeciesNameOffset))
        return {NamesFound::Known, version.SpeciesNameOffset, version.MoveNameOffset};
    const std::int64_t species = SearchNameTables(rom);
    if (species < 0) return {};
    // From the start of move 1's slot: the reading rule skips its zeros as ever.
    return {NamesFound::Moved, species, species + MoveNamesAfterSpecies + MoveSlot};
}
