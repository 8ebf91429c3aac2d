#include "formats/c_source.h"

#include <gtest/gtest.h>

#include <sstream>

#include "formats/table_files.h"
#include "rom/rom_findings.h"
#include "tests/support/words.h"
#include "tools/synthetic_rom.h"

namespace {

using Entries = std::vector<std::uint16_t>;

constexpr std::uint16_t S(int s) {
    return static_cast<std::uint16_t>(SpeciesEntryBase + s);
}
constexpr std::uint16_t End = EndMarkEntry;

std::string Source(const Entries& entries) {
    std::ostringstream out;
    WriteSource(out, entries);
    return out.str();
}

const std::string Head =
    "#define EGG_MOVES_SPECIES_OFFSET 20000\n"
    "#define EGG_MOVES_TERMINATOR 0xFFFF\n"
    "#define egg_moves(species, moves...) (SPECIES_##species + EGG_MOVES_SPECIES_OFFSET), moves\n"
    "\n"
    "const u16 gEggMoves[] = {\n";
const std::string Tail = "    EGG_MOVES_TERMINATOR\n};\n";

// Every kind of row a table holds: a move before the first species, species with
// one and with three moves, an illegal value, species 0, a species with no moves,
// end marks inside and at the end.
TEST(SourceWriting, TheDecompilationsLayout) {
    const Entries table = {2,   S(1), 0x71, S(2), 1,      2,    3,  0x1234, 0,
                           354, S(0), 5,    End,  S(411), S(3), 35, End,    End};
    const std::string want = Head +
                             "    MOVE_KARATE_CHOP,\n"
                             "\n"
                             "    egg_moves(BULBASAUR,\n"
                             "              MOVE_LIGHT_SCREEN),\n"
                             "\n"
                             "    egg_moves(IVYSAUR,\n"
                             "              MOVE_POUND,\n"
                             "              MOVE_KARATE_CHOP,\n"
                             "              MOVE_DOUBLE_SLAP),\n"
                             "\n"
                             "    0x1234,\n"
                             "    0x0000,\n"
                             "    MOVE_PSYCHO_BOOST,\n"
                             "\n"
                             "    egg_moves(NONE,\n"
                             "              MOVE_MEGA_PUNCH),\n"
                             "\n"
                             "    0xFFFF,\n"
                             "    (SPECIES_CHIMECHO + EGG_MOVES_SPECIES_OFFSET),\n"
                             "\n"
                             "    egg_moves(VENUSAUR,\n"
                             "              MOVE_WRAP),\n"
                             "\n" +
                             Tail;
    EXPECT_EQ(Source(table), want);
    // What is written reads back as the same rows, less the end marks at the end.
    const SourceRows rows = ParseSource(want);
    EXPECT_EQ(rows.problem, Words{});
    EXPECT_EQ(rows.values, Entries(table.begin(), table.end() - 2));
    EXPECT_EQ(rows.lines.front(), 6);
    EXPECT_EQ(rows.lines.back(), 27);
    // A table of end marks only, and one that ends on a single item.
    EXPECT_EQ(Source({End, End}), Head + Tail);
    EXPECT_EQ(Source({S(1)}),
              Head + "    (SPECIES_BULBASAUR + EGG_MOVES_SPECIES_OFFSET),\n\n" + Tail);
}

// Files as hackers write them by hand, each read as the same rows.
TEST(SourceReading, WhatTheCompilerReads) {
    const std::pair<const char*, Entries> cases[] = {
        // clang-format off
        {"const u16 gEggMoves[] = { egg_moves(BULBASAUR, MOVE_POUND, MOVE_CUT), EGG_MOVES_TERMINATOR };",
         {S(1), 1, 15}},
        {"// egg moves\r\n/* gEggMoves[] = { 1 }; */\r\nconst u16 gEggMoves[] = {\r\n"
         "    egg_moves(IVYSAUR, // two\r\n MOVE_POUND /* and */, MOVE_CUT),\r\n    0xFFFF\r\n};\r\n",
         {S(2), 1, 15}},
        // The Ruby form: a header guard, continued # lines and the bare terminator.
        {"#ifndef GUARD_EGG_MOVES_H\n#define GUARD_EGG_MOVES_H\n#define X 1 + \\\n  2\n"
         "const u16 gEggMoves[] = {\n    egg_moves(NONE,\n MOVE_POUND),\n    0xFFFF\n};\n#endif\n",
         {S(0), 1}},
        {"extern const u16 gEggMoves[];\nstatic const u16 gEggMoves [ 4 ] = {20001, 0x0A, 012, 0XFFFF,};",
         {S(1), 10, 10}},
        {"const u16 gEggMoves[] = { (SPECIES_MEW + EGG_MOVES_SPECIES_OFFSET), egg_moves(MEW),"
         " 0xFFFF, MOVE_NONE, (1 + (2)), EGG_MOVES_TERMINATOR };",
         {S(151), S(151), End, 0, 3}},
        {"const u16 gEggMoves[] = {EGG_MOVES_TERMINATOR};", {}},
        // clang-format on
    };
    for (const auto& [text, values] : cases) {
        const SourceRows rows = ParseSource(text);
        EXPECT_EQ(rows.problem, Words{}) << text;
        EXPECT_EQ(rows.values, values) << text;
    }
    EXPECT_EQ(ParseSource(cases[1].first).lines, (std::vector<int>{4, 5, 5}));
}

TEST(SourceReading, RefusedWithLineAndWhy) {
    const std::string start = "const u16 gEggMoves[] = {\n";
    const Words noEnd = {
        "the array does not end with its terminator, EGG_MOVES_TERMINATOR or 0xFFFF",
        "le tableau ne se termine pas par sa fin, EGG_MOVES_TERMINATOR ou 0xFFFF"};
    const Words noArray = {"this file holds no gEggMoves array",
                           "ce fichier ne contient pas de tableau gEggMoves"};
    const std::tuple<std::string, int, Words> cases[] = {
        // clang-format off
        {start + "egg_moves(BULBASAUR,\n MOVE_DRAGN_CLAW),\n0xFFFF};", 3, {"unknown constant MOVE_DRAGN_CLAW; did you mean MOVE_DRAGON_CLAW?", "constante inconnue MOVE_DRAGN_CLAW ; vouliez-vous dire MOVE_DRAGON_CLAW ?"}},
        {start + "egg_moves(BULBASAR, MOVE_CUT), 0xFFFF};", 2, {"unknown species BULBASAR; did you mean BULBASAUR?", "espèce inconnue BULBASAR ; vouliez-vous dire BULBASAUR ?"}},
        {start + "egg_moves(SPECIES_MEW, MOVE_CUT), 0xFFFF};", 2, {"unknown species SPECIES_MEW", "espèce inconnue SPECIES_MEW"}},
        {start + "egg_moves(BULBASAUR, MOVE_CUT, FOO), 0xFFFF};", 2, {"unknown constant FOO", "constante inconnue FOO"}},
        {start + "\n\nMOVE_CUT\n};", 5, noEnd},
        {start + "};", 2, noEnd},
        {start + "MOVE_CUT MOVE_CUT, 0xFFFF};", 2, {"\",\" or \"}\" was expected here", "« , » ou « } » était attendu ici"}},
        {start + "egg_moves(MEW, MOVE_CUT; 0xFFFF};", 2, {"\")\" was expected here", "« ) » était attendu ici"}},
        {start + "(1 + 2, 0xFFFF};", 2, {"\")\" was expected here", "« ) » était attendu ici"}},
        {start + "1,\n-1, 0xFFFF};", 3, {"a constant, a number or egg_moves(...) was expected here", "une constante, un nombre ou egg_moves(...) était attendu ici"}},
        {start + "4294967295 + 1, 0xFFFF};", 2, {"4294967295 does not fit in 16 bits", "4294967295 ne tient pas sur 16 bits"}},
        {start + std::string(101, '(') + "1" + std::string(101, ')') + ", 0xFFFF};", 2, {"the parentheses are nested too deeply", "les parenthèses sont trop imbriquées"}},
        {start + std::string(100, '(') + "1" + std::string(100, ')') + ", 0xFFFF + 1};", 2, {"65536 does not fit in 16 bits", "65536 ne tient pas sur 16 bits"}},
        {start + "0xFFFF + 1, 0xFFFF};", 2, {"65536 does not fit in 16 bits", "65536 ne tient pas sur 16 bits"}},
        {start + "99999999999, 0xFFFF};", 2, {"99999999999 does not fit in 16 bits", "99999999999 ne tient pas sur 16 bits"}},
        {start + "12ab, 09, 0xFFFF};", 2, {"12ab is not a number", "12ab n'est pas un nombre"}},
        {start + "0xFFFF,\n", 2, {"the file ends inside the gEggMoves array", "le fichier se termine dans le tableau gEggMoves"}},
        {"const u16 gEggMove[] = {1, 0xFFFF};\nconst u16 gEggMoves = 1;", 1, noArray},
        {"", 1, noArray},
        {"static const u16 sBulbasaurEggMoves[] = {MOVE_CUT};\nstatic const u16 sIvysaurEggMoves[NUM] = {MOVE_CUT};\nconst u16 gEggMoves[", 1,
         {"this file holds an array per species; the games read one table, gEggMoves, as the decompilations' src/data/pokemon/egg_moves.h writes it",
          "ce fichier contient un tableau par espèce ; les jeux lisent une seule table, gEggMoves, comme l'écrit src/data/pokemon/egg_moves.h des décompilations"}},
        // clang-format on
    };
    for (const auto& [text, line, problem] : cases) {
        const SourceRows rows = ParseSource(text);
        EXPECT_EQ(rows.problem, problem) << text;
        EXPECT_EQ(rows.line, line) << text;
        EXPECT_TRUE(rows.values.empty()) << text;
    }
}

// Against a ROM: fewer rows end with end marks, more ask for growth, and an
// illegal value is kept only in the row that holds it now.
TEST(SourceReading, IntoARomAsTheListGoes) {
    SyntheticRom image = DefaultRom();
    image.table[5] = 0x0200;
    const Rom rom = ReadImage(image);
    const std::string start = "const u16 gEggMoves[] = {";
    struct Case {
        std::string items;
        int line;  // 0 when taken
        std::string problem;
    };
    const Case cases[] = {
        {"egg_moves(MEW, MOVE_CUT), 0xFFFF};", 0, ""},
        {"1, 2, 3, 4, 5, 0x0200, 0xFFFF};", 0, ""},
        {"\n1, 2, 3, 4, 0x0200, 0xFFFF};", 2, "0x0200 is neither a species nor a move entry"},
        {"BAD};", 1, "unknown constant BAD"},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const TableText table = ReadTable(start + cases[n].items, TableFormat::C, rom);
        EXPECT_EQ(table.line, cases[n].line) << n;
        EXPECT_EQ(table.problem.english, cases[n].problem) << n;
        if (cases[n].line == 0) {
            EXPECT_EQ(table.entries.size(), image.table.size()) << n;
        }
    }
    const TableText first = ReadTable(start + cases[0].items, TableFormat::C, rom);
    EXPECT_EQ(Entries(first.entries.begin(), first.entries.begin() + 3),
              (Entries{S(151), 15, End}));
    EXPECT_EQ(first.entries.back(), End);
    std::string more = start;
    for (int i = 0; i < 1139; ++i) more += "1,";
    const TableText refused = ReadTable(more + "0xFFFF};", TableFormat::C, rom);
    EXPECT_EQ(refused.problem.english, "the file describes 1139 entries; the table holds 1138");
    EXPECT_EQ(refused.rows, 1139);
    EXPECT_EQ(ReadTable(more + "0xFFFF};", TableFormat::C, rom, refused.rows).entries,
              Entries(1139, 1));
}

// A source file checked alone finds what the check of a ROM holding the same
// table finds, row for row, and names the constants.
TEST(SourceCheck, AsARomHoldingTheSameTable) {
    SyntheticRom image = DefaultRom();
    const Entries start = {7, S(4), 1, 1, 0x0300, S(4), S(0), 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    std::copy(start.begin(), start.end(), image.table.begin());
    image.table.back() = S(9);
    const Rom rom = ReadImage(image);
    const SourceRows rows = ParseSource(Source(rom.list.EggMoveTable));
    const Rom source = SourceRom("egg_moves.h", rows.values);
    const std::vector<Finding> findings = RomFindings(rom);
    EXPECT_EQ(RomFindings(source), findings);
    EXPECT_EQ(findings.size(), 9u);
    EXPECT_EQ(source.path, "egg_moves.h");
    EXPECT_EQ(source.list.SpeciesCount, rom.list.SpeciesCount);
    EXPECT_EQ(source.names.SpeciesNames[4], "SPECIES_CHARMANDER");
    EXPECT_EQ(source.names.MoveNames[0], "MOVE_POUND");
    EXPECT_EQ(source.names.MoveNames[353], "MOVE_PSYCHO_BOOST");
    EXPECT_EQ(source.names.SpeciesNames[411], "SPECIES_CHIMECHO");
}

}  // namespace
