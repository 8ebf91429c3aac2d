#include "eggmoves/editing.h"

#include <gtest/gtest.h>

#include <vector>

#include "eggmoves/table.h"
#include "tests/support/program_state.h"
#include "tools/synthetic_rom.h"

namespace {

constexpr int Last = EggMoveEntryCount - 1;

class Editing : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProgramState();
        for (int s = 0; s < SpeciesNameCount; ++s) SpeciesNames[s] = DefaultSpeciesName(s);
        for (int k = 0; k < MoveNameCount; ++k) MoveNames[k] = DefaultMoveName(k + 1);
        const auto table = DefaultTable();
        for (int i = 0; i < EggMoveEntryCount; ++i) {
            EggMoveTable[i] = table[i];
            EggMoveListLines[i] = EntryLine(table[i]);
            CountEntry(table[i]);
        }
    }

    // Every line belongs to its entry, and the counters count the table.
    static void ExpectConsistent() {
        int species = 0, moves = 0;
        for (int i = 0; i < EggMoveEntryCount; ++i) {
            ASSERT_EQ(EggMoveListLines[i], EntryLine(EggMoveTable[i])) << i;
            species += EntryKind(EggMoveTable[i]) == Kind::Species;
            moves += EntryKind(EggMoveTable[i]) == Kind::Move;
        }
        EXPECT_EQ(SpeciesCount, species);
        EXPECT_EQ(MoveCount, moves);
    }
};

enum class Op { Change, Insert, Delete };

// The same edits on a plain vector, as the user would describe them.
std::vector<std::uint16_t> Expected(std::vector<std::uint16_t> t, Op op, int row, int choice) {
    const auto chosen = EntryForChoice(choice).entry;
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
                SetUp();
                const std::vector<std::uint16_t> before(EggMoveTable.begin(), EggMoveTable.end());
                const bool done = op == Op::Change   ? ChangeEntry(row, choice)
                                  : op == Op::Insert ? InsertEntry(row, choice)
                                                     : DeleteEntry(row);
                ASSERT_TRUE(done);
                const auto want = Expected(before, op, row, choice);
                ASSERT_TRUE(std::equal(want.begin(), want.end(), EggMoveTable.begin()))
                    << int(op) << " row " << row << " choice " << choice;
                ExpectConsistent();
                EXPECT_EQ(SpeciesCount + MoveCount, EggMoveEntryCount);
            }
        }
    }
}

TEST_F(Editing, FillersComeInAndFallOffTheEnd) {
    for (int n = 0; n < 4; ++n) ASSERT_TRUE(DeleteEntry(100));
    for (int i = Last - 3; i <= Last; ++i) EXPECT_EQ(EggMoveListLines[i], "SPECIES0");
    const int species = SpeciesCount;
    ASSERT_TRUE(InsertEntry(10, 412));  // the last filler drops off
    EXPECT_EQ(SpeciesCount, species - 1);
    EXPECT_EQ(EggMoveTable[10], 1);
    ExpectConsistent();
}

TEST_F(Editing, ChangeOfAnEntryOfNeitherKindOnlyCounts) {
    UncountEntry(EggMoveTable[7]);
    EggMoveTable[7] = 0x1234;
    const int moves = MoveCount, species = SpeciesCount;
    ASSERT_TRUE(ChangeEntry(7, 412));
    EXPECT_EQ(MoveCount, moves + 1);
    EXPECT_EQ(SpeciesCount, species);
}

TEST_F(Editing, OutOfRangeChangesNothing) {
    const auto table = EggMoveTable;
    for (auto [row, choice] : {std::pair{-1, 0}, {EggMoveEntryCount, 0}, {0, -1}, {0, 766}}) {
        EXPECT_FALSE(ChangeEntry(row, choice));
        EXPECT_FALSE(InsertEntry(row, choice));
    }
    EXPECT_FALSE(DeleteEntry(-1));
    EXPECT_FALSE(DeleteEntry(EggMoveEntryCount));
    EXPECT_EQ(EggMoveTable, table);
    ExpectConsistent();
}

}  // namespace
