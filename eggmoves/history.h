// The edits of a table as values that know how to go back, and the history of
// one session's edits with the point last saved: what the window's undo and the
// web page's share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "eggmoves/table.h"

enum class EditKind { Change, Insert, Delete, Import, Enlarge };

// Only what the edit needs to be done again and undone.
struct Edit {
    EditKind kind = EditKind::Change;
    int row = 0;
    std::uint16_t entry = 0;  // Change, Insert: the new entry
    std::uint16_t gone =
        0;          // Change: the old entry; Insert: the one that fell off; Delete: the removed one
    int count = 0;  // Enlarge: the end marks added
    EggMoveEntries table;  // Import: the table the edit does not hold now (swapped each way)
};

// The edit of a user action on list as it is now; nullopt when the action would
// edit nothing (no row selected, no choice, a count out of range).
std::optional<Edit> ChangeEdit(const EggMoveList& list, const RomNames& names, int row, int choice);
std::optional<Edit> InsertEdit(const EggMoveList& list, const RomNames& names, int row, int choice);
std::optional<Edit> DeleteEdit(const EggMoveList& list, int row);
std::optional<Edit> EnlargeEdit(const EggMoveList& list, int count);
// entries must be as many as the table holds.
std::optional<Edit> ImportEdit(const EggMoveList& list, EggMoveEntries entries);

// Does the edit on list, or undoes it; each the other's exact inverse.
void ApplyEdit(EggMoveList& list, const RomNames& names, Edit& edit);
void RevertEdit(EggMoveList& list, const RomNames& names, Edit& edit);

// The row to select once edit has been done (or redone; undone false) or undone,
// on list as it now is, so that the selection stays with the entry:
//   Change: the row changed, both ways;
//   Insert: done, the entry that was selected, now one row lower (the new one
//     when the selected one fell off the end), so that Inserts follow each other
//     in reading order; undone, the row where it was;
//   Delete: done, the row that took the deleted entry's place (the last row when
//     it was the last); undone, the entry back at its row;
//   Import: the first row the import changed (row 0 when none changed);
//   Enlarge: done, the first end mark added; undone, the last row.
int SelectionAfter(const Edit& edit, bool undone, const EggMoveList& list);

// The edits done since the load, the ones undone that may be redone, and where
// the file stands.
struct EditHistory {
    std::vector<Edit> edits;
    std::size_t done = 0;                  // edits[0..done) are in the list
    std::optional<std::size_t> saved = 0;  // the done count the file holds; none once lost
};

// Applies edit and keeps it, dropping what could have been redone.
void DoEdit(EditHistory& history, EggMoveList& list, const RomNames& names, Edit edit);
// Each returns false, changing nothing, when there is nothing to undo or redo.
bool UndoEdit(EditHistory& history, EggMoveList& list, const RomNames& names);
bool RedoEdit(EditHistory& history, EggMoveList& list, const RomNames& names);
std::optional<EditKind> NextUndo(const EditHistory& history);
std::optional<EditKind> NextRedo(const EditHistory& history);
// Whether the list holds what the file holds; a save that wrote the file marks it.
bool IsModified(const EditHistory& history);
void MarkSaved(EditHistory& history);
