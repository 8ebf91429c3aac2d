#include "eggmoves/table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "eggmoves/editing.h"
#include "eggmoves/fullness.h"
#include "eggmoves/history.h"
#include "tools/synthetic_rom.h"

namespace {

class Table : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int s = 0; s < SpeciesNameCount; ++s) names.SpeciesNames[s] = DefaultSpeciesName(s);
        for (int k = 0; k < MoveNameCount; ++k) names.MoveNames[k] = DefaultMoveName(k + 1);
        entries = DefaultRom().table;
        list = MakeList(entries, names);
    }
    // Every line belongs to its entry, and the counters count the table: the list
    // is the one made afresh from its table.
    void ExpectConsistent() const {
        const EggMoveList fresh = MakeList(list.EggMoveTable, names);
        EXPECT_EQ(list.EggMoveListLines, fresh.EggMoveListLines);
        EXPECT_EQ(std::pair(list.SpeciesCount, list.MoveCount),
                  std::pair(fresh.SpeciesCount, fresh.MoveCount));
    }

    RomNames names;
    EggMoveEntries entries;
    EggMoveList list;
};

// Each entry's kind, legality, drop-down choice and line, at the byte boundaries,
// and the counters, which count by kind whether legal or not.
TEST_F(Table, KindsChoicesAndCountingAtTheByteBoundaries) {
    const struct {
        std::uint16_t entry;
        Kind kind;
        int choice;  // -1: not legal
    } cases[] = {
        // clang-format off
        {0x0000, Kind::Move, -1},       {0x0001, Kind::Move, 412},      {0x00FF, Kind::Move, 666},
        {0x0100, Kind::Move, 667},      {0x0162, Kind::Move, 765},      {0x0163, Kind::Move, -1},
        {0x01FF, Kind::Move, -1},       {0x0200, Kind::Neither, -1},    {0x4E1F, Kind::Species, -1},
        {0x4E20, Kind::Species, 0},     {0x4EFF, Kind::Species, 223},   {0x4F00, Kind::Species, 224},
        {0x4FBB, Kind::Species, 411},   {0x4FBC, Kind::Species, -1},    {0x5000, Kind::Neither, -1},
        {0xFFFF, Kind::Neither, -1},
        // clang-format on
    };
    const std::vector<std::string> choices = EntryChoices(names);
    EggMoveList counted;
    for (const auto& [entry, kind, choice] : cases) {
        SCOPED_TRACE(entry);
        EXPECT_EQ(EntryKind(entry), kind);
        EXPECT_EQ(IsLegalEntry(entry), choice >= 0);
        EXPECT_EQ(ChoiceForEntry(entry), choice);
        CountEntry(counted, entry);
        if (choice < 0) {
            EXPECT_EQ(EntryLine(entry, names), "");
            continue;
        }
        const std::string name = choice < 412 ? DefaultSpeciesName(choice) : DefaultMoveName(entry);
        EXPECT_EQ(choices[choice], name);
        EXPECT_EQ(EntryLine(entry, names), (choice < 412 ? "" : "    ") + name);
        EXPECT_EQ(EntryForChoice(choice, names).entry, entry);
        EXPECT_EQ(EntryForChoice(choice, names).line, EntryLine(entry, names));
    }
    UncountEntry(counted, 0x4F00);
    UncountEntry(counted, 0x1234);
    EXPECT_EQ(counted.SpeciesCount, 5);
    EXPECT_EQ(counted.MoveCount, 7);
}

// Each edit at the edges and inside, of an untouched and an enlarged table,
// against the same edit on a plain vector as the user would describe it: end
// marks coming in at the end, the last entry falling off. The selection stays
// with the entry: the changed row, the entry that was selected (one lower) after
// an Insert, the row that took the deleted one's place; undone, the row edited.
TEST_F(Table, EachEditAtTheEdgesAndInside) {
    for (int added : {0, 3})
        for (EditKind kind : {EditKind::Change, EditKind::Insert, EditKind::Delete}) {
            const int last = EggMoveEntryCount + added - 1;
            for (int row : {0, 1, 600, EggMoveEntryCount - 1, last}) {
                for (int choice : {0, 224, 411, 412, 667, 765}) {
                    list = MakeList(entries, names);
                    std::vector<std::uint16_t> want(entries.begin(), entries.end());
                    if (Edit enlarge = *EnlargeEdit(list, 3); added)
                        ApplyEdit(list, names, enlarge);
                    want.resize(want.size() + added, EndMarkEntry);
                    const EggMoveEntries before = list.EggMoveTable;
                    const std::uint16_t chosen = EntryForChoice(choice, names).entry;
                    std::optional<Edit> edit = DeleteEdit(list, row);
                    int selected = row;
                    if (kind == EditKind::Change) {
                        edit = ChangeEdit(list, names, row, choice);
                        want[row] = chosen;
                    } else if (kind == EditKind::Insert) {
                        edit = InsertEdit(list, names, row, choice);
                        want.insert(want.begin() + row, chosen);
                        want.pop_back();
                        selected = std::min(row + 1, last);
                    } else {
                        want.erase(want.begin() + row);
                        want.push_back(EndMarkEntry);
                    }
                    ASSERT_TRUE(edit);
                    ApplyEdit(list, names, *edit);
                    ASSERT_EQ(list.EggMoveTable, want) << int(kind) << " row " << row << " choice "
                                                       << choice << " added " << added;
                    ExpectConsistent();
                    EXPECT_EQ(SelectionAfter(*edit, false, list), selected) << int(kind) << row;
                    EXPECT_EQ(CountEndMarks(list.EggMoveTable),
                              std::count(want.begin(), want.end(), EndMarkEntry));
                    RevertEdit(list, names, *edit);
                    ASSERT_EQ(list.EggMoveTable, before);
                    EXPECT_EQ(SelectionAfter(*edit, true, list), row);
                }
            }
        }
}

// Every kind of edit, done, undone to the load and redone, leaves exactly the
// tables it went through; the saved point follows the history.
TEST_F(Table, UndoAndRedoRetraceEveryKindOfEdit) {
    EggMoveEntries imported = entries;
    imported[3] = 20007;
    const std::optional<Edit> edits[] = {
        ChangeEdit(list, names, 1, 0), InsertEdit(list, names, 0, 765),
        DeleteEdit(list, 2),           EnlargeEdit(list, 3),
        EnlargeEdit(list, 1),          ImportEdit(list, imported),
        DeleteEdit(list, 0),           InsertEdit(list, names, 1137, 412)};
    EditHistory history;
    std::vector<EggMoveEntries> seen = {list.EggMoveTable};
    for (const std::optional<Edit>& edit : edits) {
        ASSERT_TRUE(edit);
        if (edit->kind == EditKind::Import) {
            Edit sized = *edit;
            sized.table.resize(list.EggMoveTable.size(), EndMarkEntry);
            DoEdit(history, list, names, sized);
        } else {
            DoEdit(history, list, names, *edit);
        }
        seen.push_back(list.EggMoveTable);
        ExpectConsistent();
        // An Enlarge selects the first end mark it added; undone, the last row.
        const int size = static_cast<int>(list.EggMoveTable.size());
        if (edit->kind == EditKind::Enlarge) {
            EXPECT_EQ(SelectionAfter(history.edits.back(), false, list), size - edit->count);
            EXPECT_EQ(SelectionAfter(history.edits.back(), true, list), size - 1);
        }
    }
    EXPECT_EQ(list.EggMoveTable.size(), std::size_t{EggMoveEntryCount + 4});
    EXPECT_EQ(list.EggMoveTable[2], 20007) << "the import, then a delete at 0";
    MarkSaved(history);
    for (std::size_t i = seen.size() - 1; i-- > 0;) {
        ASSERT_TRUE(UndoEdit(history, list, names));
        ASSERT_EQ(list.EggMoveTable, seen[i]) << "undone to " << i;
        ExpectConsistent();
        EXPECT_TRUE(IsModified(history));
    }
    EXPECT_FALSE(UndoEdit(history, list, names));
    EXPECT_EQ(NextRedo(history), EditKind::Change);
    for (std::size_t i = 1; i < seen.size(); ++i) {
        ASSERT_TRUE(RedoEdit(history, list, names));
        ASSERT_EQ(list.EggMoveTable, seen[i]) << "redone to " << i;
    }
    EXPECT_FALSE(IsModified(history));
    EXPECT_FALSE(RedoEdit(history, list, names));
    EXPECT_EQ(NextUndo(history), EditKind::Insert);
    // A new edit after an undo drops the redo, and the saved point with it.
    UndoEdit(history, list, names);
    DoEdit(history, list, names, *DeleteEdit(list, 5));
    EXPECT_FALSE(NextRedo(history));
    UndoEdit(history, list, names);
    RedoEdit(history, list, names);
    EXPECT_TRUE(IsModified(history));
    // What would edit nothing makes no edit.
    EXPECT_FALSE(ChangeEdit(list, names, -1, 0) || InsertEdit(list, names, 0, 766) ||
                 DeleteEdit(list, static_cast<int>(list.EggMoveTable.size())) ||
                 EnlargeEdit(list, 0) || EnlargeEdit(list, MaxEntryCount) ||
                 ImportEdit(list, entries));
    // An import selects the first row it changed, both ways; row 0 if none.
    list = MakeList(entries, names);
    for (const auto& [table, row] : {std::pair{imported, 3}, {entries, 0}}) {
        Edit edit = *ImportEdit(list, table);
        ApplyEdit(list, names, edit);
        EXPECT_EQ(SelectionAfter(edit, false, list), row);
        RevertEdit(list, names, edit);
        EXPECT_EQ(SelectionAfter(edit, true, list), row);
    }
}

// Insert asks first only when the last entry is a real one, and names it with
// the species it belongs to.
TEST_F(Table, AFullTableNamesItsLastEntry) {
    names.SpeciesNames[7] = "FLAB\xC9";
    const struct {
        std::vector<std::uint16_t> tail;  // the last entries
        bool full;
        const char* english;
    } cases[] = {
        {{20007, 3, 0x1234, 5}, true, "FLAB\u00C9: MOVE5"},
        {{20007, 20008}, true, "SPECIES8"},
        {{20007, 5, EndMarkEntry}, false, ""},
        {{20007, 5, 0x1234}, false, ""},
    };
    for (const auto& c : cases) {
        EggMoveEntries table = entries;
        std::copy(c.tail.begin(), c.tail.end(), table.end() - c.tail.size());
        list = MakeList(table, names);
        EXPECT_EQ(IsTableFull(list), c.full) << c.english;
        if (c.full) {
            EXPECT_EQ(FullTableWords(list, names).english,
                      std::string("The egg move list is full: inserting removes its last entry, ") +
                          c.english + ".");
        }
    }
    list = MakeList({20007, 5}, names);
    EXPECT_EQ(FullTableWords(list, names).french,
              "La liste des attaques des oeufs est pleine : ins\u00E9rer supprime sa derni\u00E8re "
              "entr\u00E9e, FLAB\u00C9 : MOVE5.");
}

TEST_F(Table, EnlargingStopsAtTheLargestTable) {
    EXPECT_FALSE(EnlargeList(list, 0) || EnlargeList(list, MaxEntryCount - EggMoveEntryCount + 1));
    EXPECT_EQ(list.EggMoveTable, entries);
    EXPECT_TRUE(EnlargeList(list, 1) && EnlargeList(list, MaxEntryCount - EggMoveEntryCount - 1));
    EXPECT_EQ(list.EggMoveListLines.size(), std::size_t{MaxEntryCount});
    EXPECT_EQ(list.SpeciesCount + list.MoveCount, EggMoveEntryCount);
    ExpectConsistent();
}

}  // namespace
