// The supported releases and their identification by the header's game code and
// software version.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

// The revision of a row that is used whatever the header's version byte says.
inline constexpr int AnyRevision = -1;

struct GameVersion {
    std::string_view code;  // four ASCII letters at GameCodeOffset
    int revision;           // the version byte at RevisionOffset this row is for
    std::int32_t SpeciesNameOffset;
    std::int32_t MoveNameOffset;
    std::int32_t EggMoveOffset;
    // Where the release's own egg-move routine starts; 0 where it is not known.
    std::int32_t RoutineOffset;
    std::string_view game;
    std::string_view language;
};

// A code's first row is its 1.0 release and also stands for any version byte that
// no other row of that code knows. Offsets of 0 are not known: the Spanish and
// Italian releases are read only where the routine and the names are found by
// their code and shape.
inline constexpr std::array<GameVersion, 30> GameVersionTable{{
    // clang-format off
    {"AXVE", 0, 0x1F716C, 0x1F8328, 0x2091DC, 0x41B1C, "Ruby", "English"},
    {"AXPE", 0, 0x1F70FC, 0x1F82B8, 0x20916C, 0x41B1C, "Sapphire", "English"},
    {"BPEE", 0, 0x3185C8, 0x31977E, 0x32ADD8, 0x703C8, "Emerald", "English"},
    {"BPRE", 0, 0x245EE0, 0x24709C, 0x25EF0C, 0x45C28, "Fire Red", "English"},
    {"BPGE", 0, 0x245EBC, 0x247078, 0x25EEEC, 0x45C28, "Leaf Green", "English"},
    {"AXVF", AnyRevision, 0x1FF574, 0x200730, 0x211628, 0, "Ruby", "French"},
    {"AXPF", AnyRevision, 0x1FF504, 0x2006C0, 0x2115B8, 0, "Sapphire", "French"},
    {"BPEF", AnyRevision, 0x3200F8, 0x3212AE, 0x332948, 0, "Emerald", "French"},
    {"BPRF", AnyRevision, 0x2402EC, 0x2414A8, 0x25935C, 0, "Fire Red", "French"},
    {"BPGF", AnyRevision, 0x2402C8, 0x241484, 0x25933C, 0, "Leaf Green", "French"},
    {"AXVE", 1, 0x1F7184, 0x1F8340, 0x2091F4, 0x41B3C, "Ruby", "English"},
    {"AXVE", 2, 0x1F7184, 0x1F8340, 0x2091F4, 0x41B3C, "Ruby", "English"},
    {"AXPE", 1, 0x1F7114, 0x1F82D0, 0x209184, 0x41B3C, "Sapphire", "English"},
    {"AXPE", 2, 0x1F7114, 0x1F82D0, 0x209184, 0x41B3C, "Sapphire", "English"},
    {"BPRE", 1, 0x245F50, 0x24710C, 0x25EF7C, 0x45C3C, "Fire Red", "English"},
    {"BPGE", 1, 0x245F2C, 0x2470E8, 0x25EF5C, 0x45C3C, "Leaf Green", "English"},
    {"AXVD", 0, 0x2040E8, 0x2052A4, 0x2161AC, 0x41E40, "Ruby", "German"},
    {"AXPD", 0, 0x20407C, 0x205238, 0x216140, 0x41E40, "Sapphire", "German"},
    {"AXVD", 1, 0x2040E8, 0x2052A4, 0x2161AC, 0x41E40, "Ruby", "German"},
    {"AXPD", 1, 0x20407C, 0x205238, 0x216140, 0x41E40, "Sapphire", "German"},
    {"AXVS", AnyRevision, 0, 0, 0, 0, "Ruby", "Spanish"},
    {"AXPS", AnyRevision, 0, 0, 0, 0, "Sapphire", "Spanish"},
    {"BPES", AnyRevision, 0, 0, 0, 0, "Emerald", "Spanish"},
    {"BPRS", AnyRevision, 0, 0, 0, 0, "Fire Red", "Spanish"},
    {"BPGS", AnyRevision, 0, 0, 0, 0, "Leaf Green", "Spanish"},
    {"AXVI", AnyRevision, 0, 0, 0, 0, "Ruby", "Italian"},
    {"AXPI", AnyRevision, 0, 0, 0, 0, "Sapphire", "Italian"},
    {"BPEI", AnyRevision, 0, 0, 0, 0, "Emerald", "Italian"},
    {"BPRI", AnyRevision, 0, 0, 0, 0, "Fire Red", "Italian"},
    {"BPGI", AnyRevision, 0, 0, 0, 0, "Leaf Green", "Italian"},
    // clang-format on
}};

inline constexpr std::int32_t GameCodeOffset = 0xAC;
inline constexpr std::int32_t RevisionOffset = 0xBC;

// What the header says, and the row it makes the file.
struct Release {
    const GameVersion* version = nullptr;  // nullptr: not a supported release
    std::string code;                      // the four bytes at GameCodeOffset
    std::uint8_t revision = 0xFF;          // the byte at RevisionOffset
};

// The four bytes at GameCodeOffset; an unreadable byte counts as 0xFF.
std::string ReadGameCode(std::istream& rom);

// The row of a code and version byte: the exact one, else the code's first;
// nullptr for a code that no row has.
const GameVersion* FindGameVersion(std::string_view code, std::uint8_t revision);

// Reads the game code and version byte and finds their row.
Release IdentifyGameVersion(std::istream& rom);

// "1.0", "1.1" or "1.2" when the row is the one for the file's own version byte;
// empty when the version is not known.
std::string VersionName(const Release& release);
