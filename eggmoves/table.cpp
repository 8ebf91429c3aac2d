#include "eggmoves/table.h"

#include <algorithm>

Kind EntryKind(std::uint16_t entry) {
    const std::uint8_t high = entry >> 8;
    if (high < 2) return Kind::Move;
    if (static_cast<std::uint8_t>(high - 0x4E) < 2) return Kind::Species;
    return Kind::Neither;
}

// The legal values of each kind lie wholly inside that kind's high bytes.
bool IsLegalEntry(std::uint16_t entry) {
    return (entry >= 1 && entry <= MoveNameCount) ||
           (entry >= SpeciesEntryBase && entry < SpeciesEntryBase + SpeciesNameCount);
}

int EntryNumber(std::uint16_t entry) {
    return EntryKind(entry) == Kind::Species ? entry - SpeciesEntryBase : entry;
}

namespace {

// "#412" (built by appending: GCC 12 warns wrongly about "#" + std::to_string).
std::string Numbered(int number) {
    std::string text = "#";
    text += std::to_string(number);
    return text;
}

}  // namespace

RomNames NumberedNames() {
    RomNames names;
    for (int s = 0; s < SpeciesNameCount; ++s) names.SpeciesNames[s] = Numbered(s);
    for (int m = 0; m < MoveNameCount; ++m) names.MoveNames[m] = Numbered(m + 1);
    return names;
}

std::string EntryLine(std::uint16_t entry, const RomNames& names) {
    if (!IsLegalEntry(entry)) {
        if (!names.numberUnnamed || entry == EndMarkEntry) return {};
        if (entry >= SpeciesEntryBase) return Numbered(entry - SpeciesEntryBase);
        return MoveIndent + Numbered(entry);
    }
    if (EntryKind(entry) == Kind::Species) return names.SpeciesNames[entry - SpeciesEntryBase];
    return MoveIndent + names.MoveNames[entry - 1];
}

std::vector<std::string> EntryChoices(const RomNames& names) {
    std::vector<std::string> choices(names.SpeciesNames.begin(), names.SpeciesNames.end());
    choices.insert(choices.end(), names.MoveNames.begin(), names.MoveNames.end());
    return choices;
}

EntryChoice EntryForChoice(int c, const RomNames& names) {
    const auto entry = static_cast<std::uint16_t>(c < SpeciesNameCount ? SpeciesEntryBase + c
                                                                       : c - SpeciesNameCount + 1);
    return {entry, EntryLine(entry, names)};
}

int ChoiceForEntry(std::uint16_t entry) {
    if (!IsLegalEntry(entry)) return -1;
    return EntryKind(entry) == Kind::Species ? entry - SpeciesEntryBase
                                             : SpeciesNameCount + entry - 1;
}

int CountEndMarks(const EggMoveEntries& entries) {
    return static_cast<int>(std::count(entries.begin(), entries.end(), EndMarkEntry));
}

namespace {

std::int32_t* Counter(EggMoveList& list, std::uint16_t entry) {
    const Kind kind = EntryKind(entry);
    return kind == Kind::Species ? &list.SpeciesCount
           : kind == Kind::Move  ? &list.MoveCount
                                 : nullptr;
}

}  // namespace

void CountEntry(EggMoveList& list, std::uint16_t entry) {
    if (std::int32_t* counter = Counter(list, entry)) ++*counter;
}

void UncountEntry(EggMoveList& list, std::uint16_t entry) {
    if (std::int32_t* counter = Counter(list, entry)) --*counter;
}

void StoreEntry(EggMoveList& list, int i, std::uint16_t entry, const RomNames& names) {
    list.EggMoveTable[i] = entry;
    list.EggMoveListLines[i] = EntryLine(entry, names);
    CountEntry(list, entry);
}

void SizeList(EggMoveList& list, std::size_t size) {
    list.EggMoveTable.assign(size, EndMarkEntry);
    list.EggMoveListLines.assign(size, std::string());
    list.SpeciesCount = list.MoveCount = 0;
}

EggMoveList MakeList(const EggMoveEntries& entries, const RomNames& names) {
    EggMoveList list;
    SizeList(list, entries.size());
    for (int i = 0; const std::uint16_t entry : entries) StoreEntry(list, i++, entry, names);
    return list;
}
