// Builds whose code moved: the names found by their shape, a file with no table
// refused untouched, entries a moved build cannot name kept and shown as numbers,
// and the words that say how the table and names were found.
#include <gtest/gtest.h>

#include <sstream>

#include "eggmoves/editing.h"
#include "rom/place_words.h"
#include "rom/rom_findings.h"
#include "rom/saver.h"
#include "tests/support/words.h"
#include "tools/synthetic_rom.h"

namespace {

constexpr std::int64_t Moved = 0x100002;  // a routine away from the release's place

TEST(Names, AreFoundByTheirShapeAtTheKnownPlaceThenAnywhere) {
    const std::int64_t known = GameVersionTable[3].SpeciesNameOffset;
    const struct {
        const char* code;
        std::int64_t namesAt;  // -1: the release's place
        bool fill;             // the release's place then holds 0xFF
        bool shape;            // species 0 and move 0 named as in the games
        NamesFound found;
        std::int64_t species;
        std::int64_t moves;
    } cases[] = {
        {"BPRE", -1, false, true, NamesFound::Known, known, 0x24709C},
        {"BPRE", 0x500001, true, true, NamesFound::Moved, 0x500001, 0x500001 + 0x11B4 + 13},
        {"BPRE", 0x500000, false, true, NamesFound::Moved, 0x500000, 0x500000 + 0x11B4 + 13},
        {"BPRE", -1, false, false, NamesFound::Missing, 0, 0},
        {"BPES", 0x500000, false, true, NamesFound::Moved, 0x500000, 0x500000 + 0x11B4 + 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " " + std::to_string(c.namesAt));
        SyntheticRom image = DefaultRom(c.code);
        image.namesAt = c.namesAt;
        image.fillOldNames = c.fill;
        if (!c.shape) image.species[0] = GameText("SPECIES0");
        image.routines = {Moved};
        image.tableAt = 0x400000;
        image.words = GameWordsFor(0x400000);
        const Rom rom = ReadImage(image);
        ASSERT_EQ(rom.table.place, TablePlace::Moved);
        EXPECT_EQ(rom.namesAt, (NamePlace{c.found, c.species, c.moves}));
        const bool named = c.found != NamesFound::Missing;
        EXPECT_EQ(rom.names.SpeciesNames[1], named ? "SPECIES1" : "#1");
        EXPECT_EQ(rom.names.MoveNames[353], named ? "MOVE354" : "#354");
        EXPECT_EQ(rom.list.EggMoveListLines[1], named ? "    MOVE1" : "    #1");
        EXPECT_EQ(LoadWarnings(rom).size(), named ? 0u : 1u);
    }
}

// No routine, and no egg-move table at the release's place: refused with no
// question, the Rom left as it was, and not one byte written.
TEST(NoTable, IsRefusedAndTheFileStaysByteForByte) {
    const auto perSpecies = [](SyntheticRom& i) {
        for (std::size_t e = 0; e < i.table.size(); ++e)
            i.table[e] = static_cast<std::uint16_t>(0x0800 + 0x0111 * e);
    };
    const auto quarter = [](int illegal) {
        return [illegal](SyntheticRom& i) {
            i.table[8] = EndMarkEntry;
            for (int k = 0; k < illegal; ++k) i.table[1 + k] = 0x0800;
        };
    };
    const struct {
        const char* code;
        std::function<void(SyntheticRom&)> change;
        bool refused;
    } cases[] = {
        {"BPEE", perSpecies, true},
        {"BPEE", [](SyntheticRom& i) { i.table[0] = 3; }, true},  // a move first
        {"BPEE", [](SyntheticRom& i) { i.table[0] = 20000 + 412; }, true},
        {"BPEE", quarter(2), false},  // two of eight illegal: a quarter
        {"BPEE", quarter(3), true},
        {"BPEE", [](SyntheticRom& i) { i.table[0] = 20000 + 411; }, false},
        {"AXVI", nullptr, true},  // no usual place to fall back on
    };
    TempDir dir;
    const std::string path = (dir / "rom.gba").string();
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE("case " + std::to_string(n));
        SyntheticRom image = DefaultRom(cases[n].code);
        image.routines.clear();
        image.size = 0x400000;
        if (cases[n].change) cases[n].change(image);
        WriteRom(path, image);
        const Bytes before = ReadFileBytes(path);
        Rom rom;
        rom.path = "kept";
        int asked = 0;
        const LoadResult result = LoadRom(
            rom, path, {nullptr, nullptr, [&](int, std::uint16_t) { return ++asked, true; }});
        EXPECT_EQ(result == LoadResult::NoTable, cases[n].refused);
        const Rom read = ReadRom(path);
        EXPECT_EQ(HasNoTable(read), cases[n].refused);
        if (cases[n].refused) {
            EXPECT_EQ(LoadWarnings(read), std::vector<Words>{}) << "the refusal says it all";
            EXPECT_EQ(rom.path, "kept");
            EXPECT_EQ(asked, 0);
            EXPECT_EQ(SaveEggMoveTable(rom), SaveResult::NothingToSave);
            EXPECT_EQ(ReadFileBytes(path), before);
        }
    }
}

// A moved build may add species and moves: no question is asked, its entries are
// shown as numbers and kept as the file holds them by a save, which writes only
// the table, never the routine nor the stock places.
TEST(MovedBuild, KeepsWhatItCannotNameAndWritesOnlyItsTable) {
    SyntheticRom image = DefaultRom("BPEE");
    image.routines = {Moved};
    image.tableAt = 0x400000;
    image.words = GameWordsFor(0x400000);
    const std::pair<int, std::uint16_t> added[] = {
        {1, 355}, {2, 0}, {3, 20000 + 412}, {4, 20000 + 999}, {5, 0x0300}};
    for (const auto& [row, value] : added) image.table[row] = value;
    TempDir dir;
    const std::string path = (dir / "rom.gba").string();
    WriteRom(path, image);
    Rom rom;
    int asked = 0;
    ASSERT_EQ(
        LoadRom(rom, path, {nullptr, nullptr, [&](int, std::uint16_t) { return ++asked, false; }}),
        LoadResult::Completed);
    EXPECT_EQ(asked, 0);
    // check tells them as entries it cannot name, not as errors to repair.
    std::vector<int> unnamed;
    for (const Finding& f : RomFindings(rom)) {
        EXPECT_NE(f.rule, Rule::IllegalEntry);
        if (f.rule == Rule::UnnamedEntry) unnamed.push_back(f.row);
    }
    EXPECT_EQ(unnamed, (std::vector<int>{1, 2, 3, 4, 5}));
    const std::vector<std::string> lines(rom.list.EggMoveListLines.begin() + 1,
                                         rom.list.EggMoveListLines.begin() + 6);
    EXPECT_EQ(lines, (std::vector<std::string>{"    #355", "    #0", "#412", "#999", "    #768"}));
    const Bytes before = ReadFileBytes(path);
    PutEntry(rom.list, rom.names, 10, 20007);
    ASSERT_EQ(SaveEggMoveTable(rom), SaveResult::Saved);
    Bytes expected = before;
    expected[0x400000 + 20] = 20007 & 0xFF;
    expected[0x400000 + 21] = 20007 >> 8;
    EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST(PlaceWords, SayHowTheTableAndNamesWereFoundInBothLanguages) {
    TableLocation several;
    several.routine = RoutineFind::Several;
    several.routines = {0x100000, 0x200002};
    TableLocation five = several;
    five.routines = {2, 4, 6, 8, 10};
    const std::pair<Words, Words> cases[] = {
        // clang-format off
        {TableSourceWords(several), {"read through the game's routine at 0x100000", "lue par la routine du jeu à 0x100000"}},
        {TableSourceWords({}), {"at the release's usual place (the game's routine was not found)", "à la place habituelle de la version (la routine du jeu n'a pas été trouvée)"}},
        {NamesSourceWords({NamesFound::Known, 1, 2}), {"names at the release's usual place", "noms à la place habituelle de la version"}},
        {NamesSourceWords({NamesFound::Moved, 0x5A0001, 0}), {"names found at 0x5A0001", "noms trouvés à 0x5A0001"}},
        {NamesSourceWords({}), {"names not found (shown as numbers)", "noms introuvables (montrés par leur numéro)"}},
        {NoTableWords(),
         {"No egg-move table found: this ROM's code was changed (for example a hack built from the decompilations or a hack base that keeps egg moves per species), and Quenmark cannot tell where the game reads its egg moves. Nothing was changed.",
          "Aucune table d'attaques des œufs trouvée : le code de cette rom a été modifié (par exemple un hack construit à partir des décompilations, ou une base qui range les attaques des œufs par espèce), et Quenmark ne peut pas savoir où le jeu les lit. Rien n'a été modifié."}},
        // clang-format on
    };
    for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
    const Words two = SeveralRoutinesWords(several);
    EXPECT_NE(two.english.find("(0x100000, 0x200002), none"), std::string::npos) << two.english;
    EXPECT_NE(two.french.find("(0x100000, 0x200002), dont"), std::string::npos) << two.french;
    const Words more = SeveralRoutinesWords(five);
    EXPECT_NE(more.english.find("0x000008 and more)"), std::string::npos) << more.english;
    EXPECT_NE(more.french.find("0x000008 et d'autres)"), std::string::npos) << more.french;
    Rom rom;
    rom.table = several;
    rom.namesAt.found = NamesFound::Missing;
    EXPECT_EQ(LoadWarnings(rom), (std::vector<Words>{two, NoNamesWords()}));
}

}  // namespace
