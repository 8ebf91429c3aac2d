#include "rom/versions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/program_state.h"

namespace {

// A header of the given length whose bytes from 0xAC hold code (cut to fit).
std::istringstream Header(std::string_view code, std::size_t length = 0xB0) {
    std::string bytes(0xB0, '\0');
    bytes.replace(GameCodeOffset, code.size(), code);
    bytes.resize(length);
    return std::istringstream(bytes);
}

std::array<std::int32_t, 3> Offsets() {
    return {SpeciesNameOffset, MoveNameOffset, EggMoveOffset};
}

TEST(Identification, EveryCodeGivesItsRowAndFireRedItsKnownOffsets) {
    ResetProgramState();
    for (const GameVersion& v : GameVersionTable) {
        auto rom = Header(v.code);
        EXPECT_TRUE(IdentifyGameVersion(rom)) << v.code;
        EXPECT_EQ(Offsets(), (std::array{v.speciesNameOffset, v.moveNameOffset, v.eggMoveOffset}));
    }
    auto fireRed = Header("BPRE");
    ASSERT_TRUE(IdentifyGameVersion(fireRed));
    EXPECT_EQ(Offsets(), (std::array{0x245EE0, 0x24709C, 0x25EF0C}));
}

TEST(Identification, RejectionsKeepTheOffsetsOfTheLastSuccess) {
    const std::pair<std::string_view, std::size_t> rejected[] = {
        {"bpre", 0xB0}, {"BPRD", 0xB0}, {"AXVJ", 0xB0}, {"", 0xB0}, {"BPRE", 0xAF}, {"BPRE", 0}};
    for (const auto& [code, length] : rejected) {
        ResetProgramState();
        auto none = Header(code, length);
        EXPECT_FALSE(IdentifyGameVersion(none)) << code << " " << length;
        EXPECT_EQ(Offsets(), (std::array{0, 0, 0}));
        auto emerald = Header("BPEF");
        ASSERT_TRUE(IdentifyGameVersion(emerald));
        const auto before = Offsets();
        auto again = Header(code, length);
        EXPECT_FALSE(IdentifyGameVersion(again));
        EXPECT_EQ(Offsets(), before);
    }
    std::ifstream missing("/nonexistent/quenmark/rom.gba", std::ios::binary);
    EXPECT_FALSE(IdentifyGameVersion(missing));
}

}  // namespace
