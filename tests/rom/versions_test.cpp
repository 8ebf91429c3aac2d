#include "rom/versions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/program_state.h"

namespace {

// A header of the given length whose bytes 0xAC.. hold code (cut to fit).
std::istringstream Header(std::string_view code, std::size_t length = 0xB0) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < code.size() && GameCodeOffset + i < length; ++i)
        bytes[GameCodeOffset + i] = code[i];
    return std::istringstream(bytes);
}

struct Offsets {
    std::int32_t species, moves, table;
    bool operator==(const Offsets&) const = default;
};
Offsets Current() {
    return {SpeciesNameOffset, MoveNameOffset, EggMoveOffset};
}

class Identification : public ::testing::Test {
  protected:
    void SetUp() override { ResetProgramState(); }
};

TEST_F(Identification, EveryCodeGivesItsOwnRow) {
    for (const GameVersion& v : GameVersionTable) {
        auto rom = Header(v.code);
        EXPECT_TRUE(IdentifyGameVersion(rom)) << v.code;
        EXPECT_EQ(Current(), (Offsets{v.speciesNameOffset, v.moveNameOffset, v.eggMoveOffset}))
            << v.code;
        EXPECT_EQ(rom.tellg(), 0xB0) << "read position after the game code";
    }
}

TEST_F(Identification, FireRedEnglishOffsets) {
    auto rom = Header("BPRE", 0x10000);
    ASSERT_TRUE(IdentifyGameVersion(rom));
    EXPECT_EQ(Current(), (Offsets{0x245EE0, 0x24709C, 0x25EF0C}));
}

TEST_F(Identification, RejectionsKeepTheLastSuccess) {
    struct Case {
        const char* what;
        std::string_view code;
        std::size_t length;
    };
    const Case rejected[] = {
        {"lower case", "bpre", 0xB0},
        {"same game, German", "BPRD", 0xB0},
        {"same game, Japanese", "AXVJ", 0xB0},
        {"no code at all", "", 0xB0},
        {"one byte short of the code", "BPRE", 0xAF},
        {"empty file", "BPRE", 0},
    };
    for (const Case& c : rejected) {
        ResetProgramState();
        auto none = Header(c.code, c.length);
        EXPECT_FALSE(IdentifyGameVersion(none)) << c.what;
        EXPECT_EQ(Current(), (Offsets{0, 0, 0})) << c.what;

        auto emerald = Header("BPEF");
        ASSERT_TRUE(IdentifyGameVersion(emerald));
        const Offsets before = Current();
        auto again = Header(c.code, c.length);
        EXPECT_FALSE(IdentifyGameVersion(again)) << c.what;
        EXPECT_EQ(Current(), before) << c.what;
    }
}

TEST_F(Identification, MissingFileIsUnsupported) {
    std::ifstream missing("/nonexistent/quenmark/rom.gba", std::ios::binary);
    EXPECT_FALSE(IdentifyGameVersion(missing));
    EXPECT_EQ(Current(), (Offsets{0, 0, 0}));
}

}  // namespace
