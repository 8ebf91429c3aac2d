#include "eggmoves/table.h"

#include <gtest/gtest.h>

#include "tests/support/program_state.h"

namespace {

class Table : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProgramState();
        for (int s = 0; s < SpeciesNameCount; ++s)
            SpeciesNames[s] = std::string("S").append(std::to_string(s));
        for (int k = 0; k < MoveNameCount; ++k)
            MoveNames[k] = std::string("M").append(std::to_string(k + 1));
    }
};

TEST_F(Table, ChoicesAtTheByteBoundaries) {
    const struct {
        int choice;
        std::uint8_t low, high;
        const char* line;
    } cases[] = {
        {0, 0x20, 0x4E, "S0"},         {223, 0xFF, 0x4E, "S223"},     {224, 0x00, 0x4F, "S224"},
        {411, 0xBB, 0x4F, "S411"},     {412, 0x01, 0x00, "    M1"},   {666, 0xFF, 0x00, "    M255"},
        {667, 0x00, 0x01, "    M256"}, {765, 0x62, 0x01, "    M354"},
    };
    for (const auto& c : cases) {
        const EntryChoice chosen = EntryForChoice(c.choice);
        EXPECT_EQ(chosen.entry & 0xFF, c.low) << c.choice;
        EXPECT_EQ(chosen.entry >> 8, c.high) << c.choice;
        EXPECT_EQ(chosen.line, c.line) << c.choice;
        EXPECT_TRUE(IsLegalEntry(chosen.entry)) << c.choice;
    }
}

TEST_F(Table, KindsAndLegalityAtTheirEdges) {
    const struct {
        std::uint16_t entry;
        Kind kind;
        bool legal;
    } cases[] = {
        {0x0000, Kind::Move, false},    {0x0001, Kind::Move, true},
        {0x0162, Kind::Move, true},     {0x0163, Kind::Move, false},
        {0x01FF, Kind::Move, false},    {0x0200, Kind::Neither, false},
        {0x4DFF, Kind::Neither, false}, {0x4E1F, Kind::Species, false},
        {0x4E20, Kind::Species, true},  {0x4FBB, Kind::Species, true},
        {0x4FBC, Kind::Species, false}, {0x4FFF, Kind::Species, false},
        {0x5000, Kind::Neither, false}, {0x1234, Kind::Neither, false},
        {0xFFFF, Kind::Neither, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryKind(c.entry), c.kind) << std::hex << c.entry;
        EXPECT_EQ(IsLegalEntry(c.entry), c.legal) << std::hex << c.entry;
        if (!c.legal) {
            EXPECT_EQ(EntryLine(c.entry), "") << std::hex << c.entry;
        }
    }
}

TEST_F(Table, CountingFollowsTheKind) {
    CountEntry(0x4E20);
    CountEntry(0x0005);
    CountEntry(0x0005);
    UncountEntry(0xFFFF);
    UncountEntry(0x1234);
    EXPECT_EQ(SpeciesCount, 1);
    EXPECT_EQ(MoveCount, 2);
    UncountEntry(0x4F00);
    UncountEntry(0x0100);
    EXPECT_EQ(SpeciesCount, 0);
    EXPECT_EQ(MoveCount, 1);
}

}  // namespace
