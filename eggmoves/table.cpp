#include "eggmoves/table.h"

std::array<std::uint16_t, EggMoveEntryCount> EggMoveTable{};
std::array<std::string, EggMoveEntryCount> EggMoveListLines;
std::int32_t SpeciesCount = 0;
std::int32_t MoveCount = 0;

std::array<std::string, SpeciesNameCount> SpeciesNames;
std::array<std::string, MoveNameCount> MoveNames;
std::array<std::string, EntryChoiceCount> EntryChoices;

Kind EntryKind(std::uint16_t entry) {
    const std::uint8_t high = entry >> 8;
    if (high < 2) return Kind::Move;
    if (static_cast<std::uint8_t>(high - 0x4E) < 2) return Kind::Species;
    return Kind::Neither;
}

bool IsLegalEntry(std::uint16_t entry) {
    switch (EntryKind(entry)) {
        case Kind::Move:
            return entry >= 1 && entry <= MoveNameCount;
        case Kind::Species:
            return entry >= SpeciesEntryBase && entry < SpeciesEntryBase + SpeciesNameCount;
        case Kind::Neither:
            break;
    }
    return false;
}

std::string EntryLine(std::uint16_t entry) {
    if (!IsLegalEntry(entry)) return {};
    if (EntryKind(entry) == Kind::Species) return SpeciesNames[entry - SpeciesEntryBase];
    return MoveIndent + MoveNames[entry - 1];
}

EntryChoice EntryForChoice(int c) {
    const auto entry = static_cast<std::uint16_t>(c < SpeciesNameCount ? SpeciesEntryBase + c
                                                                       : c - SpeciesNameCount + 1);
    return {entry, EntryLine(entry)};
}

void CountEntry(std::uint16_t entry) {
    switch (EntryKind(entry)) {
        case Kind::Species:
            ++SpeciesCount;
            break;
        case Kind::Move:
            ++MoveCount;
            break;
        case Kind::Neither:
            break;
    }
}

void UncountEntry(std::uint16_t entry) {
    switch (EntryKind(entry)) {
        case Kind::Species:
            --SpeciesCount;
            break;
        case Kind::Move:
            --MoveCount;
            break;
        case Kind::Neither:
            break;
    }
}

void BuildEntryChoices() {
    for (int c = 0; c < SpeciesNameCount; ++c) EntryChoices[c] = SpeciesNames[c];
    for (int k = 0; k < MoveNameCount; ++k) EntryChoices[SpeciesNameCount + k] = MoveNames[k];
}
