#include "rom/versions.h"

#include <gtest/gtest.h>

#include <sstream>

#include "rom/loader.h"
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
        {"AXPE", 2, 0xBD, 0x1F7114, 0x1F82D0, 0x209184, "1.2"},
        {"AXPE", 0, 0xBD, 0x1F70FC, 0x1F82B8, 0x20916C, "1.0"},
        // A version byte that no row of the code knows reads as the code's first row.
        {"BPRE", 2, 0xBD, 0x245EE0, 0x24709C, 0x25EF0C, ""},
        {"BPEE", 1, 0xBD, 0x3185C8, 0x31977E, 0x32ADD8, ""},
        {"BPRF", 1, 0xBD, 0x2402EC, 0x2414A8, 0x25935C, ""},
        {"AXVE", 1, 0xB0, 0x1F716C, 0x1F8328, 0x2091DC, ""},  // the byte is past the end
        {"bpre", 0, 0xBD, 0, 0, 0, ""},
        {"BPRD", 0, 0xBD, 0, 0, 0, ""},
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
    // Every row is reached by its own code and byte: none hides behind another.
    for (const GameVersion& v : GameVersionTable)
        EXPECT_EQ(Identify(v.code, v.revision == AnyRevision ? 7 : v.revision).version, &v);
}

TEST(TablePlace, TheGamesOwnWordsDecideWhereTheTableIsRead) {
    constexpr std::uint32_t Own = RomBusAddress + 0x25EF0C, Elsewhere = RomBusAddress + 0x700000;
    const struct {
        std::vector<std::uint32_t> words;
        std::uint64_t size;  // 0: just past the table
        TablePlace place;
        std::int32_t offset;
        const char* what;
    } cases[] = {
        {{}, 0, TablePlace::Usual, 0x25EF0C, "no code there: a test image"},
        {{0x12345678, 0x0A000000, 1},
         0,
         TablePlace::Usual,
         0x25EF0C,
         "words that are not pointers"},
        {{Own, Own, 1137}, 0, TablePlace::Usual, 0x25EF0C, "an untouched game"},
        {{Elsewhere, Elsewhere, 1137}, 0x800000, TablePlace::Moved, 0x700000, "moved"},
        {{Elsewhere, Elsewhere, 1137},
         0x700000 + 2275,
         TablePlace::Foreign,
         0x25EF0C,
         "moved past the end of the file"},
        {{Own, Own, 1200}, 0, TablePlace::Foreign, 0x25EF0C, "enlarged in place"},
        {{Elsewhere, Elsewhere, 2000},
         0x800000,
         TablePlace::Foreign,
         0x25EF0C,
         "enlarged elsewhere"},
        {{Own, Elsewhere, 1137}, 0x800000, TablePlace::Foreign, 0x25EF0C, "two pointers"},
        {{Own, 0, 1137}, 0, TablePlace::Foreign, 0x25EF0C, "one pointer"},
        {{0x09FFFFFF, 0x09FFFFFF, 1137}, 0, TablePlace::Foreign, 0x25EF0C, "at the bus's end"},
        {{RomBusAddress + 0x40, RomBusAddress + 0x40, 1137},
         0,
         TablePlace::Foreign,
         0x25EF0C,
         "into the header"},
        {{RomBusAddress + 0x45C00, RomBusAddress + 0x45C00, 1137},
         0,
         TablePlace::Foreign,
         0x25EF0C,
         "over its own pointers"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SyntheticRom rom = DefaultRom("BPRE");
        rom.words = c.words;
        rom.size = c.size;
        WriteRom(dir / "rom.gba", rom);
        const Rom read = ReadRom((dir / "rom.gba").string());
        EXPECT_EQ(read.table, (TableLocation{c.place, c.offset})) << c.what;
    }
}

}  // namespace
