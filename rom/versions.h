// The ten supported releases and their identification by the header's game code.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

struct GameVersion {
    std::string_view code;  // four ASCII letters at GameCodeOffset
    std::int32_t speciesNameOffset;
    std::int32_t moveNameOffset;
    std::int32_t eggMoveOffset;
};

// Compared in this order; the last letter of a code is the game's language.
inline constexpr std::array<GameVersion, 10> GameVersionTable{{
    {"AXVE", 0x1F716C, 0x1F8328, 0x2091DC},  // Ruby, English
    {"AXPE", 0x1F70FC, 0x1F82B8, 0x20916C},  // Sapphire, English
    {"BPEE", 0x3185C8, 0x31977E, 0x32ADD8},  // Emerald, English
    {"BPRE", 0x245EE0, 0x24709C, 0x25EF0C},  // Fire Red, English
    {"BPGE", 0x245EBC, 0x247078, 0x25EEEC},  // Leaf Green, English
    {"AXVF", 0x1FF574, 0x200730, 0x211628},  // Ruby, French
    {"AXPF", 0x1FF504, 0x2006C0, 0x2115B8},  // Sapphire, French
    {"BPEF", 0x3200F8, 0x3212AE, 0x332948},  // Emerald, French
    {"BPRF", 0x2402EC, 0x2414A8, 0x25935C},  // Fire Red, French
    {"BPGF", 0x2402C8, 0x241484, 0x25933C},  // Leaf Green, French
}};

inline constexpr std::int32_t GameCodeOffset = 0xAC;

// The offsets of the last release identified; 0 until the first success.
extern std::int32_t SpeciesNameOffset;
extern std::int32_t MoveNameOffset;
extern std::int32_t EggMoveOffset;

// The four bytes at GameCodeOffset; an unreadable byte counts as 0xFF.
std::string ReadGameCode(std::istream& rom);

// Reads the game code and, when it is one of the ten, sets the three offsets
// from its row. A failure changes nothing.
bool IdentifyGameVersion(std::istream& rom);
