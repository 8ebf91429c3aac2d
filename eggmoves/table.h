// The egg-move table in memory: entries, their display lines, the counters and
// the drop-down choices. All text is 8-bit Windows-1252.
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr int EggMoveEntryCount = 1138;
inline constexpr int EggMoveTableSize = 2 * EggMoveEntryCount;  // bytes in the ROM
inline constexpr int SpeciesNameCount = 412;
inline constexpr int MoveNameCount = 354;
inline constexpr int EntryChoiceCount = SpeciesNameCount + MoveNameCount;

inline constexpr std::uint16_t SpeciesEntryBase = 20000;
inline constexpr std::uint16_t SpeciesFillerEntry = SpeciesEntryBase + 0;
inline constexpr std::uint16_t MoveFillerEntry = 0x0001;
inline constexpr std::uint16_t EndMarkEntry = 0xFFFF;
inline constexpr const char* MoveIndent = "    ";

enum class Kind { Move, Species, Neither };

// Entry i is the little-endian 16-bit value at ROM offset EggMoveOffset + 2i.
extern std::array<std::uint16_t, EggMoveEntryCount> EggMoveTable;
extern std::array<std::string, EggMoveEntryCount> EggMoveListLines;
extern std::int32_t SpeciesCount;
extern std::int32_t MoveCount;

extern std::array<std::string, SpeciesNameCount> SpeciesNames;  // [s] names species s
extern std::array<std::string, MoveNameCount> MoveNames;        // [k] names move k + 1
extern std::array<std::string, EntryChoiceCount> EntryChoices;  // species, then moves

struct EntryChoice {
    std::uint16_t entry;
    std::string line;
};

Kind EntryKind(std::uint16_t entry);
bool IsLegalEntry(std::uint16_t entry);
// The display line of a legal entry; an illegal one has none and shows an empty line.
std::string EntryLine(std::uint16_t entry);
// c must lie in 0..EntryChoiceCount - 1.
EntryChoice EntryForChoice(int c);

void CountEntry(std::uint16_t entry);
void UncountEntry(std::uint16_t entry);

// EntryChoices from SpeciesNames and MoveNames, as they stand.
void BuildEntryChoices();
