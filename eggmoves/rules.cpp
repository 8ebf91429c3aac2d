#include "eggmoves/rules.h"

#include <algorithm>
#include <map>
#include <utility>

Severity SeverityOf(Rule rule) {
    return rule == Rule::IllegalEntry || rule == Rule::TableCut || rule == Rule::MoveBeforeSpecies
               ? Severity::Error
               : Severity::Warning;
}

std::vector<Finding> CheckEggMoves(const EggMoveEntries& table, std::uint16_t afterTable) {
    const int size = static_cast<int>(table.size());
    std::vector<Finding> findings;
    std::map<int, int> speciesRows;                    // species -> its first row
    std::vector<std::pair<std::uint16_t, int>> moves;  // the current species' moves and rows
    int species = NoSpecies;
    int row = 0;
    for (; row < size && table[row] != EndMarkEntry; ++row) {
        const std::uint16_t entry = table[row];
        if (!IsLegalEntry(entry)) {
            findings.push_back({row, Rule::IllegalEntry, species});
        } else if (EntryKind(entry) == Kind::Species && entry != SpeciesFillerEntry) {
            species = EntryNumber(entry);
            const auto [first, isNew] = speciesRows.try_emplace(species, row);
            if (!isNew) findings.push_back({row, Rule::SpeciesAgain, species, first->second});
            moves.clear();
        } else {
            if (entry == SpeciesFillerEntry)
                findings.push_back({row, Rule::FillerSpecies, species});
            if (species == NoSpecies) findings.push_back({row, Rule::MoveBeforeSpecies, species});
            for (const auto& [move, at] : moves) {
                if (move != entry) continue;
                findings.push_back({row, Rule::MoveAgain, species, at});
                break;
            }
            moves.emplace_back(entry, row);
            if (moves.size() == GameMovesPerSpecies + 1)
                findings.push_back({row, Rule::TooManyMoves, species});
        }
    }
    for (++row; row < size; ++row) {
        if (!IsLegalEntry(table[row]) && table[row] != EndMarkEntry)
            findings.push_back({row, Rule::IllegalAfterEndMark});
    }
    // The game copies a species' moves up to the first entry above the species
    // base, whether or not the table has ended by then.
    if (size > 0 && table.back() <= SpeciesEntryBase && afterTable <= SpeciesEntryBase) {
        const auto head = std::find_if(table.rbegin(), table.rend(),
                                       [](std::uint16_t e) { return e > SpeciesEntryBase; });
        const bool headed = head != table.rend() && IsLegalEntry(*head);
        findings.push_back({size - 1, Rule::MovesRunOn, headed ? EntryNumber(*head) : NoSpecies});
    }
    if (size > 0 && EntryKind(table.back()) == Kind::Species && IsLegalEntry(table.back()) &&
        table.back() != SpeciesFillerEntry)
        findings.push_back({size - 1, Rule::SpeciesAtEnd, EntryNumber(table.back())});
    return findings;
}
