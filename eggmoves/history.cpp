#include "eggmoves/history.h"

#include <algorithm>
#include <utility>

#include "eggmoves/editing.h"

namespace {

Edit MakeEdit(EditKind kind, int row = 0, std::uint16_t entry = 0, int count = 0) {
    Edit edit;
    edit.kind = kind;
    edit.row = row;
    edit.entry = entry;
    edit.count = count;
    return edit;
}

}  // namespace

std::optional<Edit> ChangeEdit(const EggMoveList& list, const RomNames& names, int row,
                               int choice) {
    if (!IsRow(list, row) || !IsChoice(choice)) return std::nullopt;
    return MakeEdit(EditKind::Change, row, EntryForChoice(choice, names).entry);
}

std::optional<Edit> InsertEdit(const EggMoveList& list, const RomNames& names, int row,
                               int choice) {
    std::optional<Edit> edit = ChangeEdit(list, names, row, choice);
    if (edit) edit->kind = EditKind::Insert;
    return edit;
}

std::optional<Edit> DeleteEdit(const EggMoveList& list, int row) {
    if (!IsRow(list, row)) return std::nullopt;
    return MakeEdit(EditKind::Delete, row);
}

std::optional<Edit> EnlargeEdit(const EggMoveList& list, int count) {
    if (count < 1 || list.EggMoveTable.size() + static_cast<std::size_t>(count) > MaxEntryCount)
        return std::nullopt;
    return MakeEdit(EditKind::Enlarge, 0, 0, count);
}

std::optional<Edit> ImportEdit(const EggMoveList& list, EggMoveEntries entries) {
    if (entries.size() != list.EggMoveTable.size()) return std::nullopt;
    Edit edit = MakeEdit(EditKind::Import);
    edit.table = std::move(entries);
    return edit;
}

// Enlarge comes first: any other edit's count is 0, which would make it look done.
void ApplyEdit(EggMoveList& list, const RomNames& names, Edit& edit) {
    switch (edit.kind) {
        case EditKind::Enlarge:
            EnlargeList(list, edit.count);
            break;
        case EditKind::Change:
            edit.gone = PutEntry(list, names, edit.row, edit.entry);
            break;
        case EditKind::Insert:
            edit.gone = InsertAt(list, names, edit.row, edit.entry);
            break;
        case EditKind::Delete:
            edit.gone = RemoveAt(list, names, edit.row, EndMarkEntry);
            break;
        case EditKind::Import: {
            EggMoveEntries old = list.EggMoveTable;
            list = MakeList(edit.table, names);
            edit.table = std::move(old);
            break;
        }
    }
}

void RevertEdit(EggMoveList& list, const RomNames& names, Edit& edit) {
    switch (edit.kind) {
        case EditKind::Enlarge:
            // What was added holds only end marks, which count as nothing.
            list.EggMoveTable.resize(list.EggMoveTable.size() - edit.count);
            list.EggMoveListLines.resize(list.EggMoveListLines.size() - edit.count);
            break;
        case EditKind::Change:
            PutEntry(list, names, edit.row, edit.gone);
            break;
        case EditKind::Insert:
            RemoveAt(list, names, edit.row, edit.gone);
            break;
        case EditKind::Delete:
            InsertAt(list, names, edit.row, edit.gone);
            break;
        case EditKind::Import:
            ApplyEdit(list, names, edit);  // a swap is its own inverse
            break;
    }
}

int SelectionAfter(const Edit& edit, bool undone, const EggMoveList& list) {
    const int last = static_cast<int>(list.EggMoveTable.size()) - 1;
    switch (edit.kind) {
        case EditKind::Insert:
            return undone ? edit.row : std::min(edit.row + 1, last);
        case EditKind::Import: {
            // Done or undone, the edit holds the other table.
            const auto differ = std::mismatch(list.EggMoveTable.begin(), list.EggMoveTable.end(),
                                              edit.table.begin(), edit.table.end());
            return differ.first == list.EggMoveTable.end()
                       ? 0
                       : static_cast<int>(differ.first - list.EggMoveTable.begin());
        }
        case EditKind::Enlarge:
            return undone ? last : last + 1 - edit.count;
        case EditKind::Change:
        case EditKind::Delete:
            break;
    }
    return edit.row;
}

void DoEdit(EditHistory& history, EggMoveList& list, const RomNames& names, Edit edit) {
    ApplyEdit(list, names, edit);
    history.edits.resize(history.done);
    if (history.saved && *history.saved > history.done) history.saved.reset();
    history.edits.push_back(std::move(edit));
    ++history.done;
}

bool UndoEdit(EditHistory& history, EggMoveList& list, const RomNames& names) {
    if (history.done == 0) return false;
    RevertEdit(list, names, history.edits[--history.done]);
    return true;
}

bool RedoEdit(EditHistory& history, EggMoveList& list, const RomNames& names) {
    if (history.done == history.edits.size()) return false;
    ApplyEdit(list, names, history.edits[history.done++]);
    return true;
}

std::optional<EditKind> NextUndo(const EditHistory& history) {
    if (history.done == 0) return std::nullopt;
    return history.edits[history.done - 1].kind;
}

std::optional<EditKind> NextRedo(const EditHistory& history) {
    if (history.done == history.edits.size()) return std::nullopt;
    return history.edits[history.done].kind;
}

bool IsModified(const EditHistory& history) {
    return history.saved != history.done;
}

void MarkSaved(EditHistory& history) {
    history.saved = history.done;
}
