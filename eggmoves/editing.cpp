#include "eggmoves/editing.h"

#include <algorithm>

bool IsRow(const EggMoveList& list, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < list.EggMoveTable.size();
}

bool IsChoice(int choice) {
    return choice >= 0 && choice < EntryChoiceCount;
}

std::uint16_t PutEntry(EggMoveList& list, const RomNames& names, int row, std::uint16_t entry) {
    const std::uint16_t old = list.EggMoveTable[row];
    UncountEntry(list, old);
    StoreEntry(list, row, entry, names);
    return old;
}

std::uint16_t InsertAt(EggMoveList& list, const RomNames& names, int row, std::uint16_t entry) {
    auto& table = list.EggMoveTable;
    auto& lines = list.EggMoveListLines;
    const std::uint16_t dropped = table.back();
    UncountEntry(list, dropped);
    std::move_backward(table.begin() + row, table.end() - 1, table.end());
    std::move_backward(lines.begin() + row, lines.end() - 1, lines.end());
    StoreEntry(list, row, entry, names);
    return dropped;
}

std::uint16_t RemoveAt(EggMoveList& list, const RomNames& names, int row, std::uint16_t last) {
    auto& table = list.EggMoveTable;
    auto& lines = list.EggMoveListLines;
    const std::uint16_t removed = table[row];
    UncountEntry(list, removed);
    std::move(table.begin() + row + 1, table.end(), table.begin() + row);
    std::move(lines.begin() + row + 1, lines.end(), lines.begin() + row);
    StoreEntry(list, static_cast<int>(table.size()) - 1, last, names);
    return removed;
}

bool EnlargeList(EggMoveList& list, int count) {
    const std::size_t size = list.EggMoveTable.size() + static_cast<std::size_t>(count);
    if (count < 1 || size > MaxEntryCount) return false;
    list.EggMoveTable.resize(size, EndMarkEntry);
    list.EggMoveListLines.resize(size);
    return true;
}
