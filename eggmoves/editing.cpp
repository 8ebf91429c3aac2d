#include "eggmoves/editing.h"

#include <algorithm>

#include "eggmoves/table.h"

namespace {

bool IsRow(int row) {
    return row >= 0 && row < EggMoveEntryCount;
}
bool IsChoice(int choice) {
    return choice >= 0 && choice < EntryChoiceCount;
}

void PutChoice(int row, int choice) {
    EntryChoice chosen = EntryForChoice(choice);
    EggMoveTable[row] = chosen.entry;
    EggMoveListLines[row] = std::move(chosen.line);
    CountEntry(chosen.entry);
}

}  // namespace

bool ChangeEntry(int row, int choice) {
    if (!IsRow(row) || !IsChoice(choice)) return false;
    UncountEntry(EggMoveTable[row]);
    PutChoice(row, choice);
    return true;
}

bool InsertEntry(int row, int choice) {
    if (!IsRow(row) || !IsChoice(choice)) return false;
    constexpr int last = EggMoveEntryCount - 1;
    UncountEntry(EggMoveTable[last]);
    std::move_backward(EggMoveTable.begin() + row, EggMoveTable.begin() + last, EggMoveTable.end());
    std::move_backward(EggMoveListLines.begin() + row, EggMoveListLines.begin() + last,
                       EggMoveListLines.end());
    PutChoice(row, choice);
    return true;
}

bool DeleteEntry(int row) {
    if (!IsRow(row)) return false;
    constexpr int last = EggMoveEntryCount - 1;
    UncountEntry(EggMoveTable[row]);
    std::move(EggMoveTable.begin() + row + 1, EggMoveTable.end(), EggMoveTable.begin() + row);
    std::move(EggMoveListLines.begin() + row + 1, EggMoveListLines.end(),
              EggMoveListLines.begin() + row);
    EggMoveTable[last] = SpeciesFillerEntry;
    EggMoveListLines[last] = SpeciesNames[0];
    CountEntry(SpeciesFillerEntry);
    return true;
}
