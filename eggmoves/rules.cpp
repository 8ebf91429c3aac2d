#include "eggmoves/rules.h"

#include <map>
#include <utility>

Severity SeverityOf(Rule rule) {
    return rule == Rule::IllegalEntry || rule == Rule::TableCut ? Severity::Error
                                                                : Severity::Warning;
}

std::vector<Finding> CheckEggMoves(const EggMoveEntries& table) {
    std::vector<Finding> findings;
    std::map<int, int> speciesRows;                    // species -> its first row
    std::vector<std::pair<std::uint16_t, int>> moves;  // the current species' moves and rows
    int species = NoSpecies;
    int row = 0;
    for (; row < EggMoveEntryCount && table[row] != EndMarkEntry; ++row) {
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
    for (++row; row < EggMoveEntryCount; ++row) {
        if (!IsLegalEntry(table[row]) && table[row] != EndMarkEntry)
            findings.push_back({row, Rule::IllegalAfterEndMark});
    }
    return findings;
}
