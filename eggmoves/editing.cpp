#include "eggmoves/editing.h"

#include <algorithm>

namespace {

constexpr int Last = EggMoveEntryCount - 1;

bool IsRow(int row) {
    return row >= 0 && row < EggMoveEntryCount;
}
bool IsChoice(int choice) {
    return choice >= 0 && choice < EntryChoiceCount;
}

void PutChoice(EggMoveList& list, const RomNames& names, int row, int choice) {
    StoreEntry(list, row, EntryForChoice(choice, names).entry, names);
}

}  // namespace

bool ChangeEntry(EggMoveList& list, const RomNames& names, int row, int choice) {
    if (!IsRow(row) || !IsChoice(choice)) return false;
    UncountEntry(list, list.EggMoveTable[row]);
    PutChoice(list, names, row, choice);
    return true;
}

bool InsertEntry(EggMoveList& list, const RomNames& names, int row, int choice) {
    if (!IsRow(row) || !IsChoice(choice)) return false;
    auto& table = list.EggMoveTable;
    auto& lines = list.EggMoveListLines;
    UncountEntry(list, table[Last]);
    std::move_backward(table.begin() + row, table.begin() + Last, table.end());
    std::move_backward(lines.begin() + row, lines.begin() + Last, lines.end());
    PutChoice(list, names, row, choice);
    return true;
}

bool DeleteEntry(EggMoveList& list, const RomNames& names, int row) {
    if (!IsRow(row)) return false;
    auto& table = list.EggMoveTable;
    auto& lines = list.EggMoveListLines;
    UncountEntry(list, table[row]);
    std::move(table.begin() + row + 1, table.end(), table.begin() + row);
    std::move(lines.begin() + row + 1, lines.end(), lines.begin() + row);
    StoreEntry(list, Last, SpeciesFillerEntry, names);
    return true;
}
