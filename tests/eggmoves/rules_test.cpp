#include "eggmoves/rules.h"

#include <gtest/gtest.h>

namespace {

TEST(Rules, EachWayTheGameDepartsFromTheListIsFoundOnce) {
    EggMoveEntries table;
    table.fill(20001);
    const std::uint16_t rows[] = {
        0x0005,  // 0: a move before any species
        20003,   // 1: species 3
        1,
        2,
        3,
        4,
        5,
        6,
        7,
        8,
        9,
        10,
        11,                  // 2-12: its eleventh move is row 12
        1,                   // 13: move 1 again
        SpeciesFillerEntry,  // 14: read as a move
        20003,               // 15: species 3 again
        0x0000,              // 16: illegal
        EndMarkEntry,
        0x1234,
        EndMarkEntry,
        0x4FBC,  // 17-20: after the end mark
    };
    std::copy(std::begin(rows), std::end(rows), table.begin());
    const std::vector<Finding> expected = {
        {0, Rule::MoveBeforeSpecies, -1}, {12, Rule::TooManyMoves, 3},
        {13, Rule::MoveAgain, 3, 2},      {14, Rule::FillerSpecies, 3},
        {15, Rule::SpeciesAgain, 3, 1},   {16, Rule::IllegalEntry, 3},
        {18, Rule::IllegalAfterEndMark},  {20, Rule::IllegalAfterEndMark},
    };
    EXPECT_EQ(CheckEggMoves(table), expected);
    EXPECT_EQ(SeverityOf(Rule::IllegalEntry), Severity::Error);
    EXPECT_EQ(SeverityOf(Rule::MoveAgain), Severity::Warning);
}

}  // namespace
