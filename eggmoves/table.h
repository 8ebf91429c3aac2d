// The egg-move table as a value: entries, their display lines, the counters, and
// the names of one ROM that the lines and choices are made of. All text is 8-bit
// Windows-1252.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The size of every release's table as it ships, and of any table whose place
// the game's own words do not tell.
inline constexpr int EggMoveEntryCount = 1138;
// The most entries Quenmark lets a table hold; the game's 16-bit search could
// take a few more, but no real table comes near.
inline constexpr int MaxEntryCount = 16384;
inline constexpr int SpeciesNameCount = 412;
inline constexpr int MoveNameCount = 354;
inline constexpr int EntryChoiceCount = SpeciesNameCount + MoveNameCount;

inline constexpr std::uint16_t SpeciesEntryBase = 20000;
inline constexpr std::uint16_t SpeciesFillerEntry = SpeciesEntryBase + 0;
inline constexpr std::uint16_t MoveFillerEntry = 0x0001;
inline constexpr std::uint16_t EndMarkEntry = 0xFFFF;
inline constexpr const char* MoveIndent = "    ";

enum class Kind { Move, Species, Neither };

// Entry i is the little-endian 16-bit value at the table's offset + 2i; a table
// holds N entries, as the game's own search limit says.
using EggMoveEntries = std::vector<std::uint16_t>;

// The names decoded from one ROM.
struct RomNames {
    std::array<std::string, SpeciesNameCount> SpeciesNames;  // [s] names species s
    std::array<std::string, MoveNameCount> MoveNames;        // [k] names move k + 1
    // Entries no name stands for show as their numbers instead of an empty line:
    // in a build whose code moved, they may be species and moves it added.
    bool numberUnnamed = false;
};

// Names for a ROM whose name tables were not found: "#1" for species 1, "#354"
// for move 354.
RomNames NumberedNames();

// The table with a line per entry and the counts of species and move entries.
struct EggMoveList {
    EggMoveEntries EggMoveTable;
    std::vector<std::string> EggMoveListLines;
    std::int32_t SpeciesCount = 0;
    std::int32_t MoveCount = 0;
};

struct EntryChoice {
    std::uint16_t entry;
    std::string line;
};

Kind EntryKind(std::uint16_t entry);
bool IsLegalEntry(std::uint16_t entry);
// The species number of a species entry, the move number of a move entry.
int EntryNumber(std::uint16_t entry);
// The display line of a legal entry. An illegal one shows an empty line, or with
// numberUnnamed, its number as the game reads it: from 20000 on a species
// ("#412"), below a move ("    #355"). The end mark always shows empty.
std::string EntryLine(std::uint16_t entry, const RomNames& names);

// The 766 choices of the drop-down: the species names, then the move names.
std::vector<std::string> EntryChoices(const RomNames& names);
// c must lie in 0..EntryChoiceCount - 1.
EntryChoice EntryForChoice(int c, const RomNames& names);
// The choice that names a legal entry, the inverse of EntryForChoice; -1 for an
// end mark or any other illegal entry, which no choice names.
int ChoiceForEntry(std::uint16_t entry);

// The end marks of a table: the rows an Insert may fill without dropping an entry.
int CountEndMarks(const EggMoveEntries& entries);

void CountEntry(EggMoveList& list, std::uint16_t entry);
void UncountEntry(EggMoveList& list, std::uint16_t entry);
// Puts entry at row i with its line, and counts it (nothing is uncounted).
void StoreEntry(EggMoveList& list, int i, std::uint16_t entry, const RomNames& names);
// The entries and lines of a table of size rows, every entry the end mark and
// nothing counted; StoreEntry then fills it.
void SizeList(EggMoveList& list, std::size_t size);
// The list of a whole table, every entry as it stands.
EggMoveList MakeList(const EggMoveEntries& entries, const RomNames& names);
