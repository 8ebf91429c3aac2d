#include "eggmoves/table.h"

#include <gtest/gtest.h>

namespace {

RomNames ShortNames() {
    RomNames names;
    for (int s = 0; s < SpeciesNameCount; ++s) names.SpeciesNames[s] = "S" + std::to_string(s);
    for (int k = 0; k < MoveNameCount; ++k) names.MoveNames[k] = "M" + std::to_string(k + 1);
    return names;
}

TEST(Table, ChoicesAtTheByteBoundaries) {
    const RomNames names = ShortNames();
    const struct {
        int choice;
        std::uint8_t low, high;
        const char* line;
    } cases[] = {
        {0, 0x20, 0x4E, "S0"},         {223, 0xFF, 0x4E, "S223"},     {224, 0x00, 0x4F, "S224"},
        {411, 0xBB, 0x4F, "S411"},     {412, 0x01, 0x00, "    M1"},   {666, 0xFF, 0x00, "    M255"},
        {667, 0x00, 0x01, "    M256"}, {765, 0x62, 0x01, "    M354"},
    };
    const std::vector<std::string> choices = EntryChoices(names);
    for (const auto& c : cases) {
        const EntryChoice chosen = EntryForChoice(c.choice, names);
        EXPECT_EQ(chosen.entry, c.low | c.high << 8) << c.choice;
        EXPECT_EQ(chosen.line, c.line) << c.choice;
        EXPECT_EQ(choices[c.choice], std::string(c.line).substr(c.choice < 412 ? 0 : 4));
    }
}

TEST(Table, KindsLegalityAndCounting) {
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
        {0x5000, Kind::Neither, false}, {0xFFFF, Kind::Neither, false},
    };
    const RomNames names = ShortNames();
    EggMoveList list;
    for (const auto& c : cases) {
        EXPECT_EQ(EntryKind(c.entry), c.kind) << std::hex << c.entry;
        EXPECT_EQ(IsLegalEntry(c.entry), c.legal) << std::hex << c.entry;
        if (!c.legal) {
            EXPECT_EQ(EntryLine(c.entry, names), "") << std::hex << c.entry;
        }
        CountEntry(list, c.entry);
    }
    EXPECT_EQ(list.SpeciesCount, 5);
    EXPECT_EQ(list.MoveCount, 5);
    UncountEntry(list, 0x4F00);
    UncountEntry(list, 0x0100);
    UncountEntry(list, 0x1234);
    EXPECT_EQ(list.SpeciesCount, 4);
    EXPECT_EQ(list.MoveCount, 4);
}

}  // namespace
