#include "eggmoves/editing.h"

#include <algorithm>

namespace {

bool IsRow(const EggMoveList& list, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < list.EggMoveTable.size();
}
bool IsChoice(int choice) {
    return choice >= 0 && choice < EntryChoiceCount;
}

void PutChoice(EggMoveList& list, const RomNames& names, int row, int choice) {
    StoreEntry(list, row, EntryForChoice(choice, names).entry, names);
}

}  // namespace

bool ChangeEntry(EggMoveList& list, const RomNames& names, int row, int choice) {
    if (!IsRow(list, row) || !IsChoice(choice)) return false;
    UncountEntry(list, list.EggMoveTable[row]);
    PutChoice(list, names, row, choice);
    return true;
}

bool InsertEntry(EggMoveList& list, const RomNames& names, int row, int choice) {
    if (!IsRow(list, row) || !IsChoice(choice)) return false;
    auto& table = list.EggMoveTable;
    auto& lines = list.EggMoveListLines;
    UncountEntry(list, table.back());
    std::move_backward(table.begin() + row, table.end() - 1, table.end());
    std::move_backward(lines.begin() + row, lines.end() - 1, lines.end());
    PutChoice(list, names, row, choice);
    return true;
}

bool DeleteEntry(EggMoveList& list, const RomNames& names, int row) {
    if (!IsRow(list, row)) return false;
    auto& table = list.EggMoveTable;
    auto& lines = list.EggMoveListLines;
    UncountEntry(list, table[row]);
    std::move(table.begin() + row + 1, table.end(), table.begin() + row);
    std::move(lines.begin() + row + 1, lines.end(), lines.begin() + row);
    StoreEntry(list, static_cast<int>(table.size()) - 1, EndMarkEntry, names);
    return true;
}

bool EnlargeList(EggMoveList& list, int count) {
    const std::size_t size = list.EggMoveTable.size() + static_cast<std::size_t>(count);
    if (count < 1 || size > MaxEntryCount) return false;
    list.EggMoveTable.resize(size, EndMarkEntry);
    list.EggMoveListLines.resize(size);
    return true;
}
