// The supported releases and their identification by the header's game code and
// software version.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

// Where the game's egg-move routine keeps, in its literal pool, the two pointers
// to the table and the last index its species search looks at (file offsets).
struct GameWords {
    std::int32_t tablePointer1 = 0;
    std::int32_t tablePointer2 = 0;
    std::int32_t searchLimit = 0;
};

// The revision of a row that is used whatever the header's version byte says.
inline constexpr int AnyRevision = -1;

struct GameVersion {
    std::string_view code;  // four ASCII letters at GameCodeOffset
    int revision;           // the version byte at RevisionOffset this row is for
    std::int32_t SpeciesNameOffset;
    std::int32_t MoveNameOffset;
    std::int32_t EggMoveOffset;
    GameWords words;  // all zero where they are not known
    std::string_view game;
    std::string_view language;
};

// A code's first row is its 1.0 release and also stands for any version byte that
// no other row of that code knows.
inline constexpr std::array<GameVersion, 20> GameVersionTable{{
    // clang-format off
    {"AXVE", 0, 0x1F716C, 0x1F8328, 0x2091DC, {0x41B44, 0x41BBC, 0x41BB8}, "Ruby", "English"},
    {"AXPE", 0, 0x1F70FC, 0x1F82B8, 0x20916C, {0x41B44, 0x41BBC, 0x41BB8}, "Sapphire", "English"},
    {"BPEE", 0, 0x3185C8, 0x31977E, 0x32ADD8, {0x703F0, 0x70468, 0x70464}, "Emerald", "English"},
    {"BPRE", 0, 0x245EE0, 0x24709C, 0x25EF0C, {0x45C50, 0x45CC8, 0x45CC4}, "Fire Red", "English"},
    {"BPGE", 0, 0x245EBC, 0x247078, 0x25EEEC, {0x45C50, 0x45CC8, 0x45CC4}, "Leaf Green", "English"},
    {"AXVF", AnyRevision, 0x1FF574, 0x200730, 0x211628, {}, "Ruby", "French"},
    {"AXPF", AnyRevision, 0x1FF504, 0x2006C0, 0x2115B8, {}, "Sapphire", "French"},
    {"BPEF", AnyRevision, 0x3200F8, 0x3212AE, 0x332948, {}, "Emerald", "French"},
    {"BPRF", AnyRevision, 0x2402EC, 0x2414A8, 0x25935C, {}, "Fire Red", "French"},
    {"BPGF", AnyRevision, 0x2402C8, 0x241484, 0x25933C, {}, "Leaf Green", "French"},
    {"AXVE", 1, 0x1F7184, 0x1F8340, 0x2091F4, {0x41B64, 0x41BDC, 0x41BD8}, "Ruby", "English"},
    {"AXVE", 2, 0x1F7184, 0x1F8340, 0x2091F4, {0x41B64, 0x41BDC, 0x41BD8}, "Ruby", "English"},
    {"AXPE", 1, 0x1F7114, 0x1F82D0, 0x209184, {0x41B64, 0x41BDC, 0x41BD8}, "Sapphire", "English"},
    {"AXPE", 2, 0x1F7114, 0x1F82D0, 0x209184, {0x41B64, 0x41BDC, 0x41BD8}, "Sapphire", "English"},
    {"BPRE", 1, 0x245F50, 0x24710C, 0x25EF7C, {0x45C64, 0x45CDC, 0x45CD8}, "Fire Red", "English"},
    {"BPGE", 1, 0x245F2C, 0x2470E8, 0x25EF5C, {0x45C64, 0x45CDC, 0x45CD8}, "Leaf Green", "English"},
    {"AXVD", 0, 0x2040E8, 0x2052A4, 0x2161AC, {0x41E68, 0x41EE0, 0x41EDC}, "Ruby", "German"},
    {"AXPD", 0, 0x20407C, 0x205238, 0x216140, {0x41E68, 0x41EE0, 0x41EDC}, "Sapphire", "German"},
    {"AXVD", 1, 0x2040E8, 0x2052A4, 0x2161AC, {0x41E68, 0x41EE0, 0x41EDC}, "Ruby", "German"},
    {"AXPD", 1, 0x20407C, 0x205238, 0x216140, {0x41E68, 0x41EE0, 0x41EDC}, "Sapphire", "German"},
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
