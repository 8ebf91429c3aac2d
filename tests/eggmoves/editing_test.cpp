#include "eggmoves/editing.h"

#include <gtest/gtest.h>

#include "eggmoves/table.h"
#include "tests/support/program_state.h"
#include "tests/support/rom_builder.h"

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
        before = EggMoveTable;
        beforeLines = EggMoveListLines;
    }

    // Every line matches its entry and the counters match the table.
    void ExpectConsistent() const {
        int species = 0, moves = 0;
        for (int i = 0; i < EggMoveEntryCount; ++i) {
            ASSERT_EQ(EggMoveListLines[i], EntryLine(EggMoveTable[i])) << i;
            species += EntryKind(EggMoveTable[i]) == Kind::Species;
            moves += EntryKind(EggMoveTable[i]) == Kind::Move;
        }
        EXPECT_EQ(SpeciesCount, species);
        EXPECT_EQ(MoveCount, moves);
        EXPECT_EQ(SpeciesCount + MoveCount, EggMoveEntryCount);
    }

    std::array<std::uint16_t, EggMoveEntryCount> before;
    std::array<std::string, EggMoveEntryCount> beforeLines;
};

TEST_F(Editing, InsertAtFirstRowShiftsEverything) {
    ASSERT_TRUE(InsertEntry(0, 765));
    EXPECT_EQ(EggMoveTable[0], 354);
    EXPECT_EQ(EggMoveListLines[0], "    MOVE354");
    for (int i = 1; i < EggMoveEntryCount; ++i) ASSERT_EQ(EggMoveTable[i], before[i - 1]) << i;
    ExpectConsistent();
}

TEST_F(Editing, InsertAtLastRowOnlyReplacesIt) {
    ASSERT_TRUE(InsertEntry(Last, 0));
    for (int i = 0; i < Last; ++i) ASSERT_EQ(EggMoveTable[i], before[i]) << i;
    EXPECT_EQ(EggMoveTable[Last], SpeciesFillerEntry);
    ExpectConsistent();
}

TEST_F(Editing, InsertDropsATrailingFiller) {
    ASSERT_TRUE(DeleteEntry(5));  // brings a filler in at the end
    const int species = SpeciesCount;
    ASSERT_TRUE(InsertEntry(10, 412));
    EXPECT_EQ(SpeciesCount, species - 1);
    EXPECT_EQ(EggMoveTable[10], 1);
    ExpectConsistent();
}

TEST_F(Editing, DeleteAtFirstRowShiftsAndFills) {
    ASSERT_EQ(EntryKind(before[0]), Kind::Species);
    const int species = SpeciesCount;
    ASSERT_TRUE(DeleteEntry(0));
    for (int i = 0; i < Last; ++i) ASSERT_EQ(EggMoveTable[i], before[i + 1]) << i;
    EXPECT_EQ(EggMoveTable[Last], SpeciesFillerEntry);
    EXPECT_EQ(EggMoveListLines[Last], "SPECIES0");
    EXPECT_EQ(SpeciesCount, species);
    ExpectConsistent();
}

TEST_F(Editing, DeleteAtLastRowPutsTheFiller) {
    ASSERT_EQ(EntryKind(before[Last]), Kind::Move);
    ASSERT_TRUE(DeleteEntry(Last));
    EXPECT_EQ(EggMoveTable[Last], SpeciesFillerEntry);
    for (int i = 0; i < Last; ++i) ASSERT_EQ(EggMoveTable[i], before[i]) << i;
    ExpectConsistent();
}

TEST_F(Editing, SeveralDeletionsLeaveAsManyFillers) {
    for (int n = 0; n < 4; ++n) ASSERT_TRUE(DeleteEntry(100));
    for (int i = Last - 3; i <= Last; ++i) {
        EXPECT_EQ(EggMoveTable[i], SpeciesFillerEntry);
        EXPECT_EQ(EggMoveListLines[i], "SPECIES0");
    }
    ExpectConsistent();
}

TEST_F(Editing, ChangeAcrossKindsAndToTheSameValue) {
    ASSERT_EQ(EntryKind(before[1]), Kind::Move);
    const int species = SpeciesCount, moves = MoveCount;
    ASSERT_TRUE(ChangeEntry(1, 224));
    EXPECT_EQ(EggMoveTable[1], 0x4F00);
    EXPECT_EQ(SpeciesCount, species + 1);
    EXPECT_EQ(MoveCount, moves - 1);
    ExpectConsistent();

    const auto now = EggMoveTable;
    const auto lines = EggMoveListLines;
    ASSERT_TRUE(ChangeEntry(1, 224));
    EXPECT_EQ(EggMoveTable, now);
    EXPECT_EQ(EggMoveListLines, lines);
    EXPECT_EQ(SpeciesCount, species + 1);
}

TEST_F(Editing, ChangeOfAnEntryOfNeitherKindOnlyCounts) {
    EggMoveTable[7] = 0x1234;
    UncountEntry(before[7]);
    const int moves = MoveCount, species = SpeciesCount;
    ASSERT_TRUE(ChangeEntry(7, 412));
    EXPECT_EQ(MoveCount, moves + 1);
    EXPECT_EQ(SpeciesCount, species);
}

TEST_F(Editing, OutOfRangeChangesNothing) {
    const struct {
        int row, choice;
    } cases[] = {{-1, 0}, {EggMoveEntryCount, 0}, {0, -1}, {0, EntryChoiceCount}};
    for (const auto& c : cases) {
        EXPECT_FALSE(ChangeEntry(c.row, c.choice));
        EXPECT_FALSE(InsertEntry(c.row, c.choice));
    }
    EXPECT_FALSE(DeleteEntry(-1));
    EXPECT_FALSE(DeleteEntry(EggMoveEntryCount));
    EXPECT_EQ(EggMoveTable, before);
    EXPECT_EQ(EggMoveListLines, beforeLines);
    ExpectConsistent();
}

TEST_F(Editing, TotalStaysOverAMixOfEdits) {
    for (int n = 0; n < 300; ++n) {
        const int row = (n * 37) % EggMoveEntryCount;
        const int choice = (n * 101) % EntryChoiceCount;
        switch (n % 3) {
            case 0:
                ChangeEntry(row, choice);
                break;
            case 1:
                InsertEntry(row, choice);
                break;
            default:
                DeleteEntry(row);
                break;
        }
    }
    ExpectConsistent();
}

}  // namespace
