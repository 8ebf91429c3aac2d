#include "rom/loader.h"

#include <gtest/gtest.h>

#include <functional>

#include "eggmoves/editing.h"
#include "rom/repair.h"
#include "rom/saver.h"
#include "tests/support/openers.h"
#include "tests/support/words.h"
#include "tools/synthetic_rom.h"

namespace {

namespace fs = std::filesystem;

class Loading : public ::testing::Test {
  protected:
    // Loads the ROM at path into rom, answering the repair questions from answers.
    LoadResult Load(std::vector<bool> answers = {}) {
        questions = warnings = 0;
        asked.clear();
        return LoadRom(rom, path,
                       {nullptr, [this] { ++warnings; },
                        [this, answers](int row, std::uint16_t value) {
                            asked.emplace_back(row, value);
                            EXPECT_LT(questions, answers.size()) << "unexpected question";
                            return questions < answers.size() && answers[questions++];
                        }});
    }
    void Write(const SyntheticRom& image) {
        WriteRom(path, image);
        before = ReadFileBytes(path);
    }
    // before, with entry i of the table at offset set to value.
    Bytes With(std::initializer_list<std::pair<int, std::uint16_t>> entries,
               std::uint64_t offset) const {
        Bytes b = before;
        for (auto [i, value] : entries) {
            b[offset + 2 * i] = value & 0xFF;
            b[offset + 2 * i + 1] = value >> 8;
        }
        return b;
    }

    TempDir dir;
    std::string path = (dir / "rom.gba").string();
    Rom rom;
    Bytes before;
    std::size_t questions = 0;
    int warnings = 0;
    std::vector<std::pair<int, std::uint16_t>> asked;  // each question's row and value
};

// In a table another tool moved and enlarged to 1200 entries, repaired and saved
// where the game reads it.
TEST_F(Loading, IllegalEntriesAreRepairedInTheFileOnYesAndNoStops) {
    constexpr std::int32_t Moved = 0x600000;
    SyntheticRom image = DefaultRom("BPRE", 1);
    image.tableAt = Moved;
    image.table.resize(1200, 20001);
    image.words = GameWordsFor(Moved);
    image.words[2] = 1199;
    const std::pair<int, std::uint16_t> illegal[] = {
        {2, 0x0000}, {3, 0x0163}, {40, 0x4E1F}, {41, 0x4FBC}, {1150, 0x1234}};
    for (auto [i, value] : illegal) image.table[i] = value;
    Write(image);
    const Bytes repaired = With({{2, 1}, {3, 1}, {40, 20000}, {41, 20000}, {1150, 20000}}, Moved);

    ASSERT_EQ(Load({true, true, false}), LoadResult::Declined);
    EXPECT_EQ(ReadFileBytes(path), With({{2, 1}, {3, 1}}, Moved)) << "the first two repairs stay";
    EXPECT_FALSE(rom.complete);
    EXPECT_EQ(SaveEggMoveTable(rom), SaveResult::NothingToSave);

    ASSERT_EQ(Load({true, true, true}), LoadResult::Completed);
    EXPECT_EQ(std::tuple(questions, warnings, rom.table.place, rom.table.EggMoveOffset),
              std::tuple(3u, 0, TablePlace::Moved, Moved));
    EXPECT_EQ(asked, (std::vector<std::pair<int, std::uint16_t>>{
                         {40, 0x4E1F}, {41, 0x4FBC}, {1150, 0x1234}}));
    rom.names.SpeciesNames[0] = "??????????";
    rom.names.MoveNames[0] = "PO\xC9UND";
    const std::pair<Words, Words> words[] = {
        // clang-format off
        {RepairQuestionWords(3, 0x0000, rom.names),
         {"Row 3: 0x0000 is neither a species nor a move. Yes writes PO\u00C9UND (0x0001) there, now.",
          "Ligne 3 : 0x0000 n'est ni une esp\u00E8ce ni une attaque. Oui y \u00E9crit PO\u00C9UND (0x0001), maintenant."}},
        {RepairQuestionWords(900, 0x1234, rom.names),
         {"Row 900: 0x1234 is neither a species nor a move. Yes writes ?????????? (0x4E20) there, now.",
          "Ligne 900 : 0x1234 n'est ni une esp\u00E8ce ni une attaque. Oui y \u00E9crit ?????????? (0x4E20), maintenant."}}};
    // clang-format on
    for (const auto& [got, want] : words) EXPECT_EQ(got, want);
    EXPECT_EQ(ReadFileBytes(path), repaired);
    EXPECT_EQ(rom.list.EggMoveListLines[3], "    MOVE1");
    EXPECT_EQ(rom.list.EggMoveListLines[1150], "??????????");
    EXPECT_EQ(rom.list.SpeciesCount + rom.list.MoveCount, 1200);
    ASSERT_EQ(Load(), LoadResult::Completed);

    // A repair that cannot reach the file is kept in memory, for the next save.
    Write(image);
    {
        ScopedOpener refuse(RefusingOpener);
        ASSERT_EQ(Load({true, true, true, true, true}), LoadResult::Completed);
        EXPECT_EQ(ReadFileBytes(path), before);
    }
    ASSERT_EQ(SaveEggMoveTable(rom), SaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(path), repaired);
}

TEST_F(Loading, FromTheEndMarkOnEntriesAreKeptAsTheFileHoldsThem) {
    SyntheticRom image = DefaultRom("BPRE");
    image.table[300] = EndMarkEntry;
    image.table[301] = 0x0000;
    image.table[302] = 0x9999;
    Write(image);
    ASSERT_EQ(Load(), LoadResult::Completed);
    EXPECT_EQ(rom.list.EggMoveTable[301], 0x0000);
    EXPECT_EQ(rom.list.EggMoveListLines[302], "");
    EXPECT_EQ(rom.list.EggMoveListLines[303], "    " + DefaultMoveName(image.table[303]));

    // A file cut inside the table reads 0xFF past its end: the reading ends there,
    // and the missing bytes never came from the file, so it is never written.
    // (Without the routine, whose words would make it read-only.)
    image = DefaultRom("BPRE");
    image.routines.clear();
    image.size = TableOffset("BPRE") + 2 * 700;
    Write(image);
    ASSERT_EQ(Load(), LoadResult::Completed);
    EXPECT_FALSE(rom.regionWhole);
    EXPECT_EQ(rom.list.EggMoveTable[700], EndMarkEntry);
    std::filesystem::resize_file(path, image.size + 0x10000);  // even grown again since
    EXPECT_EQ(SaveEggMoveTable(rom), SaveResult::Failed);
    image.size = TableOffset("BPRE") + 2 * EggMoveEntryCount;  // the table, and no byte after it
    Write(image);
    ASSERT_EQ(Load(), LoadResult::Completed);
    EXPECT_EQ(SaveEggMoveTable(rom), SaveResult::Saved);
}

}  // namespace
