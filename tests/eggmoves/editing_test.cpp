#include "eggmoves/editing.h"

#include <gtest/gtest.h>

#include <vector>

#include "tools/synthetic_rom.h"

namespace {

constexpr int Last = EggMoveEntryCount - 1;

class Editing : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int s = 0; s < SpeciesNameCount; ++s) names.SpeciesNames[s] = DefaultSpeciesName(s);
        for (int k = 0; k < MoveNameCount; ++k) names.MoveNames[k] = DefaultMoveName(k + 1);
        const auto table = DefaultRom().table;
        std::copy(table.begin(), table.end(), entries.begin());
        list = MakeList(entries, names);
    }

    // Every line belongs to its entry, and the counters count the table.
    void ExpectConsistent() const {
        int species = 0, moves = 0;
        for (int i = 0; i < EggMoveEntryCount; ++i) {
            ASSERT_EQ(list.EggMoveListLines[i], EntryLine(list.EggMoveTable[i], names)) << i;
            species += EntryKind(list.EggMoveTable[i]) == Kind::Species;
            moves += EntryKind(list.EggMoveTable[i]) == Kind::Move;
        }
        EXPECT_EQ(list.SpeciesCount, species);
        EXPECT_EQ(list.MoveCount, moves);
    }

    RomNames names;
    EggMoveEntries entries;
    EggMoveList list;
};

enum class Op { Change, Insert, Delete };

// The same edits on a plain vector, as the user would describe them.
std::vector<std::uint16_t> Expected(std::vector<std::uint16_t> t, Op op, int row,
                                    std::uint16_t chosen) {
    if (op == Op::Change) t[row] = chosen;
    if (op == Op::Insert) {
        t.insert(t.begin() + row, chosen);
        t.pop_back();
    }
    if (op == Op::Delete) {
        t.erase(t.begin() + row);
        t.push_back(SpeciesFillerEntry);
    }
    return t;
}

TEST_F(Editing, EachOperationAtTheEdgesAndInside) {
    for (Op op : {Op::Change, Op::Insert, Op::Delete}) {
        for (int row : {0, 1, 600, Last}) {
            for (int choice : {0, 224, 411, 412, 667, 765}) {
                list = MakeList(entries, names);
                const bool done = op == Op::Change   ? ChangeEntry(list, names, row, choice)
                                  : op == Op::Insert ? InsertEntry(list, names, row, choice)
                                                     : DeleteEntry(list, names, row);
                ASSERT_TRUE(done);
                const auto want = Expected({entries.begin(), entries.end()}, op, row,
                                           EntryForChoice(choice, names).entry);
                ASSERT_TRUE(std::equal(want.begin(), want.end(), list.EggMoveTable.begin()))
                    << int(op) << " row " << row << " choice " << choice;
                ExpectConsistent();
                EXPECT_EQ(list.SpeciesCount + list.MoveCount, EggMoveEntryCount);
            }
        }
    }
}

TEST_F(Editing, FillersComeInAndFallOffTheEnd) {
    for (int n = 0; n < 4; ++n) ASSERT_TRUE(DeleteEntry(list, names, 100));
    for (int i = Last - 3; i <= Last; ++i) EXPECT_EQ(list.EggMoveListLines[i], "SPECIES0");
    const int species = list.SpeciesCount;
    ASSERT_TRUE(InsertEntry(list, names, 10, 412));  // the last filler drops off
    EXPECT_EQ(list.SpeciesCount, species - 1);
    EXPECT_EQ(list.EggMoveTable[10], 1);
    ExpectConsistent();
}

TEST_F(Editing, AnEntryOfNeitherKindIsNotCountedAndOutOfRangeChangesNothing) {
    entries[7] = 0x1234;
    list = MakeList(entries, names);
    ASSERT_TRUE(ChangeEntry(list, names, 7, 412));
    ExpectConsistent();
    const auto table = list.EggMoveTable;
    for (auto [row, choice] : {std::pair{-1, 0}, {EggMoveEntryCount, 0}, {0, -1}, {0, 766}}) {
        EXPECT_FALSE(ChangeEntry(list, names, row, choice));
        EXPECT_FALSE(InsertEntry(list, names, row, choice));
    }
    EXPECT_FALSE(DeleteEntry(list, names, -1));
    EXPECT_FALSE(DeleteEntry(list, names, EggMoveEntryCount));
    EXPECT_EQ(list.EggMoveTable, table);
    ExpectConsistent();
}

}  // namespace
