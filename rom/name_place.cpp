#include "rom/name_place.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "rom/game_routine.h"
#include "rom/rom_file.h"

namespace {

// Species 0's name, "??????????", with its 0xFF.
constexpr std::array<std::uint8_t, 11> FirstSpecies = {0xAC, 0xAC, 0xAC, 0xAC, 0xAC, 0xAC,
                                                       0xAC, 0xAC, 0xAC, 0xAC, 0xFF};
// Move 0's name, "-", with its 0xFF.
constexpr std::array<std::uint8_t, 2> FirstMove = {0xAE, 0xFF};

constexpr std::size_t Block = 1 << 20;

// The first offset within the game's reach where the shape is, or -1.
std::int64_t SearchNameTables(std::istream& rom) {
    std::vector<std::uint8_t> bytes(Block + FirstSpecies.size() - 1);
    for (std::int64_t at = 0; at < RoutineSearchEnd; at += Block) {
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::int64_t>(bytes.size(), RoutineSearchEnd - at));
        const std::size_t got = ReadRomBlock(rom, at, std::span(bytes).first(wanted));
        const std::uint8_t* const end = bytes.data() + got;
        for (const std::uint8_t* p = bytes.data();; ++p) {
            const void* hit = memmem(p, static_cast<std::size_t>(end - p), FirstSpecies.data(),
                                     FirstSpecies.size());
            if (!hit) break;
            p = static_cast<const std::uint8_t*>(hit);
            const std::int64_t offset = at + (p - bytes.data());
            if (ReadRomBytes(rom, offset + MoveNamesAfterSpecies, 2) ==
                Bytes(FirstMove.begin(), FirstMove.end()))
                return offset;
        }
        if (got < wanted) break;
    }
    return -1;
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
