// What is read from a ROM before its table: the release, where the game reads
// the table, and the game text of the names.
#include <gtest/gtest.h>

#include <sstream>

#include "rom/gametext.h"
#include "rom/loader.h"
#include "rom/name_reading.h"
#include "rom/versions.h"
#include "tools/synthetic_rom.h"

namespace {

// A header of the given length with code at 0xAC and the version byte at 0xBC.
Release Identify(std::string_view code, int revision, std::size_t length = 0xBD) {
    std::string bytes(0xBD, '\0');
    bytes.replace(GameCodeOffset, code.size(), code);
    bytes[RevisionOffset] = static_cast<char>(revision);
    bytes.resize(length);
    std::istringstream rom(bytes);
    return IdentifyGameVersion(rom);
}

TEST(Identification, CodeThenVersionByteChooseTheRow) {
    const struct {
        std::string_view code;
        int revision;
        std::size_t length;
        std::int32_t species, moves, table;  // 0: not supported
        const char* version;
    } cases[] = {
        {"BPRE", 0, 0xBD, 0x245EE0, 0x24709C, 0x25EF0C, "1.0"},
        {"BPRE", 1, 0xBD, 0x245F50, 0x24710C, 0x25EF7C, "1.1"},
        {"BPGE", 1, 0xBD, 0x245F2C, 0x2470E8, 0x25EF5C, "1.1"},
        {"AXVE", 1, 0xBD, 0x1F7184, 0x1F8340, 0x2091F4, "1.1"},
        {"AXVE", 2, 0xBD, 0x1F7184, 0x1F8340, 0x2091F4, "1.2"},
        {"AXPE", 1, 0xBD, 0x1F7114, 0x1F82D0, 0x209184, "1.1"},
        {"AXVD", 0, 0xBD, 0x2040E8, 0x2052A4, 0x2161AC, "1.0"},
        {"AXPD", 0, 0xBD, 0x20407C, 0x205238, 0x216140, "1.0"},
        // A version byte that no row of the code knows reads as the code's first row.
        {"BPRE", 2, 0xBD, 0x245EE0, 0x24709C, 0x25EF0C, ""},
        {"BPRF", 1, 0xBD, 0x2402EC, 0x2414A8, 0x25935C, ""},
        {"AXVE", 1, 0xB0, 0x1F716C, 0x1F8328, 0x2091DC, ""},  // the byte is past the end
        {"bpre", 0, 0xBD, 0, 0, 0, ""},
        {"AXVJ", 1, 0xBD, 0, 0, 0, ""},
        {"BPRE", 0, 0xAF, 0, 0, 0, ""},
    };
    for (const auto& c : cases) {
        const Release r = Identify(c.code, c.revision, c.length);
        SCOPED_TRACE(std::string(c.code) + " " + std::to_string(c.revision));
        ASSERT_EQ(r.version != nullptr, c.table != 0);
        EXPECT_EQ(VersionName(r), c.version);
        if (!r.version) continue;
        EXPECT_EQ(r.version->code, c.code);
        EXPECT_EQ((std::array{r.version->SpeciesNameOffset, r.version->MoveNameOffset,
                              r.version->EggMoveOffset}),
                  (std::array{c.species, c.moves, c.table}));
    }
}

// The routine is looked for at the release's place, then anywhere 2-aligned;
// its words then decide where the table is read and how long.
TEST(TablePlace, TheRoutineFoundAndItsWordsDecideWhereTheTableIsReadAndHowLong) {
    constexpr auto U = TablePlace::Usual, M = TablePlace::Moved, F = TablePlace::Foreign;
    constexpr auto Known = RoutineFind::Known, Moved = RoutineFind::Moved,
                   Several = RoutineFind::Several, None = RoutineFind::Missing;
    constexpr std::int32_t Usual = 0x25EF0C, Away = 0x700000;
    constexpr std::uint32_t Own = RomBusAddress + Usual, Far = RomBusAddress + Away;
    constexpr std::uint64_t Big = 0x800000;  // a file that holds the moved table
    constexpr std::int64_t K = SyntheticRom::KnownRoutine, Stock = 0x45C28;
    const std::vector<std::int64_t> known = {K}, none = {};
    const struct {
        std::vector<std::int64_t> routines;
        std::vector<std::uint32_t> words;  // empty: pointing at the table, 1138 entries
        std::uint64_t size;                // 0: just past the usual table
        TablePlace place;
        std::int32_t offset;
        int count;
        RoutineFind found;
        std::vector<std::int64_t> at;  // where it was found
    } cases[] = {
        {known, {}, 0, U, Usual, 1138, Known, {Stock}},  // an untouched game
        {none, {}, 0, U, Usual, 1138, None, {}},         // a test image
        {known, {0x12345678, 0x0A000000, 1}, 0, F, Usual, 1138, Known, {Stock}},  // no pointers
        {known, {Far, Far, 1137}, Big, M, Away, 1138, Known, {Stock}},    // moved by another tool
        {known, {Own, Own, 1199}, Big, M, Usual, 1200, Known, {Stock}},   // enlarged in place
        {known, {Far, Far, 1999}, Big, M, Away, 2000, Known, {Stock}},    // enlarged elsewhere
        {known, {Own, Own, 0}, 0, M, Usual, 1, Known, {Stock}},           // shrunk to one entry
        {known, {Far, Far, 16383}, Big, M, Away, 16384, Known, {Stock}},  // the largest
        {known, {Far, Far, 16384}, Big, F, Usual, 1138, Known, {Stock}},  // past what is read
        {known, {Far, Far, 0xFFFFFFFF}, Big, F, Usual, 1138, Known, {Stock}},    // would loop
        {known, {Far, Far, 1137}, Away + 2275, F, Usual, 1138, Known, {Stock}},  // off the file
        {known, {Far, Far, 1137}, Away + 2276, M, Away, 1138, Known, {Stock}},   // just inside it
        {known, {Own, Own, 1200}, 0, F, Usual, 1138, Known, {Stock}},            // past the end
        {known, {Own, Far, 1137}, Big, F, Usual, 1138, Known, {Stock}},          // two pointers
        {known, {Own, 0, 1137}, 0, F, Usual, 1138, Known, {Stock}},              // one pointer
        {known, {0x09FFFFFF, 0x09FFFFFF, 1137}, 0, F, Usual, 1138, Known, {Stock}},  // bus end
        {known, {0x0A000000, 0x0A000000, 1137}, 0x2001000, F, Usual, 1138, Known, {Stock}},  // past
                                                                                             // it
        {known, {0x08000000, 0x08000000, 1137}, 0, F, Usual, 1138, Known, {Stock}},    // header
        {known, {0x08045C00, 0x08045C00, 1137}, Big, F, Usual, 1138, Known, {Stock}},  // words
        {known, {0x0804536C, 0x0804536C, 1137}, Big, M, 0x4536C, 1138, Known, {Stock}},
        {known, {0x08045CCC, 0x08045CCC, 1137}, Big, M, 0x45CCC, 1138, Known, {Stock}},
        {known, {0x080000C0, 0x080000C0, 1137}, Big, M, 0xC0, 1138, Known, {Stock}},
        // A build whose code moved: the routine anywhere 2-aligned, read through its words.
        {{0x500000}, {Far, Far, 1137}, Big, M, Away, 1138, Moved, {0x500000}},
        {{0x500002}, {Own, Own, 1137}, 0, U, Usual, 1138, Moved, {0x500002}},
        {{0x500001}, {Far, Far, 1137}, Big, U, Usual, 1138, None, {}},  // odd: no code there
        {{0x1FFFF58}, {Far, Far, 1999}, 0x2000000, M, Away, 2000, Moved, {0x1FFFF58}},
        {{0x1FFFF5A}, {Far, Far, 1999}, 0x2000002, U, Usual, 1138, None, {}},  // past 32 MiB
        {{0xFFFFE}, {Far, Far, 1137}, Big, M, Away, 1138, Moved, {0xFFFFE}},   // across blocks
        {{0x500000}, {Far, Far, 1137}, Away + 2275, F, Usual, 1138, Moved, {0x500000}},
        {{0x500000}, {0x08500000, 0x08500000, 1137}, Big, F, Usual, 1138, Moved, {0x500000}},
        // Twice, or more, away from the release's place: read-only, through the first.
        {{0x600000, 0x500000}, {Far, Far, 1137}, Big, F, Away, 1138, Several, {0x500000, 0x600000}},
        {{K, 0x500000}, {Far, Far, 1137}, Big, M, Away, 1138, Known, {Stock}},
        // clang-format off
        {{0x100000, 0x100100, 0x100200, 0x100300, 0x100400, 0x100500}, {Far, Far, 1137}, Big, F, Away, 1138, Several,
         {0x100000, 0x100100, 0x100200, 0x100300, 0x100400}},
        // clang-format on
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SyntheticRom rom = DefaultRom("BPRE");
        rom.routines = cases[i].routines;
        rom.words = cases[i].words;
        rom.size = cases[i].size;
        const Rom read = ReadImage(rom);
        const TableLocation& t = read.table;
        SCOPED_TRACE("case " + std::to_string(i));
        EXPECT_EQ(std::tuple(t.place, t.EggMoveOffset, t.entryCount, t.routine, t.routines),
                  std::tuple(cases[i].place, cases[i].offset, cases[i].count, cases[i].found,
                             cases[i].at));
        EXPECT_EQ(t.pointed, cases[i].found != None);
        EXPECT_EQ(t.words, cases[i].at.empty() ? GameWords{} : RoutineWords(cases[i].at[0]));
        EXPECT_EQ(IsMovedBuild(t), cases[i].found == Moved || cases[i].found == Several);
        EXPECT_EQ(read.list.EggMoveTable.size(), std::size_t(cases[i].count));
    }
}

TEST(GameText, SelectedBytes) {
    const std::pair<std::uint8_t, const char*> cases[] = {
        {0x00, " "},    {0xFF, "?"},    {0xAC, "?"},       {0x2E, "+"},       {0xF9, "+"},
        {0x10, "\x8C"}, {0x25, "\x9C"}, {0x56, "[K\xE9]"}, {0x7C, "[Right]"}, {0xB1, "\"b"},
        {0xFA, "\\l"},  {0xEE, "z"},    {0xEF, "[>]"},     {0xF6, "\xFC"},    {0xF7, "?"},
    };
    for (const auto& [byte, text] : cases) EXPECT_EQ(DecodeGameChar(byte), text) << int(byte);
}

TEST(GameText, NamesEndAtFfSkipLeadingZerosAndKeepInnerOnes) {
    // The first read takes 16 KiB, runs of zeros of 4 KiB and more are remembered,
    // and text is decoded 512 bytes at a time.
    const auto runs = [](std::vector<std::pair<std::size_t, std::uint8_t>> runs) {
        std::string bytes;
        for (const auto& [count, byte] : runs) bytes.append(count, static_cast<char>(byte));
        return bytes;
    };
    const std::string small("\xBB\xD6\xD7\x00\xA2\xFF\x00\x00\xBC\xFF\x00\xFF", 12);
    // A name across the end of the first block.
    const std::string across = runs({{16383, 0x00}, {1, 0xBB}, {1, 0xBC}, {1, 0xFF}});
    const std::string zeros = runs({{40000, 0x00}});
    const std::string twoNames =
        runs({{20000, 0x00}, {1, 0xBB}, {1, 0xFF}, {9997, 0x00}, {1, 0xBC}, {1, 0xFF}});
    // No 0xFF: the name is the rest of the file.
    const std::string noFf = runs({{16000, 0x00}, {1000, 0x7C}, {1, 0x00}, {1, 0xBB}});
    std::string right1000;
    for (int i = 0; i < 1000; ++i) right1000 += "[Right]";
    using Names = std::array<std::string, 3>;
    const struct {
        const std::string& bytes;
        std::int64_t first, second;  // two tables read in turn by one reader
        Names firstNames, secondNames;
    } cases[] = {
        {small, 0, 6, {"Abc 1", "B", ""}, {"B", "", ""}},
        {across, 0, 16384, {"AB", "", ""}, {"B", "", ""}},
        // Past the end of the file every byte counts as 0xFF.
        {zeros, 0, 20000, {"", "", ""}, {"", "", ""}},
        {twoNames, 0, 100, {"A", "B", ""}, {"A", "B", ""}},
        {twoNames, 0, 20001, {"A", "B", ""}, {"", "B", ""}},
        {noFf, 0, 16500, {right1000 + " A", "", ""}, {right1000.substr(3500) + " A", "", ""}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        std::istringstream rom(cases[i].bytes);
        NameTableReader reader(rom);
        Names first{"old", "old", "old"}, second = first;
        reader.Read(cases[i].first, first);
        reader.Read(cases[i].second, second);
        EXPECT_EQ(first, cases[i].firstNames) << "case " << i;
        EXPECT_EQ(second, cases[i].secondNames) << "case " << i;
    }
}

}  // namespace
