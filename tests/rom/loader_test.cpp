#include "rom/loader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <deque>

#include "eggmoves/table.h"
#include "rom/versions.h"
#include "tests/support/program_state.h"
#include "tools/synthetic_rom.h"

namespace {

class Loading : public ::testing::Test {
  protected:
    void SetUp() override { ResetProgramState(); }

    // Loads path answering the repair questions from answers (true = Yes).
    LoadResult Load(const std::filesystem::path& path, std::deque<bool> answers = {}) {
        questions = 0;
        return LoadRom(path.string(), {nullptr, [this, answers]() mutable {
                                           ++questions;
                                           if (answers.empty())
                                               ADD_FAILURE() << "unexpected question";
                                           const bool yes = !answers.empty() && answers.front();
                                           if (!answers.empty()) answers.pop_front();
                                           return yes;
                                       }});
    }

    std::uint16_t FileEntry(const std::filesystem::path& path, const std::string& code, int i) {
        const Bytes b = ReadFileBytes(path);
        const auto at = TableOffset(code) + 2 * i;
        return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
    }

    TempDir dir;
    std::filesystem::path path = dir / "rom.gba";
    int questions = 0;
};

TEST_F(Loading, EveryReleaseLoadsCleanlyAndTheSameTwice) {
    for (const GameVersion& v : GameVersionTable) {
        WriteRom(path, DefaultRom(v.code));
        ASSERT_EQ(Load(path), LoadResult::Completed) << v.code;
        EXPECT_EQ(questions, 0);
        EXPECT_EQ(SpeciesCount, 165);
        EXPECT_EQ(MoveCount, 973);
        EXPECT_EQ(EntryChoices[411], "SPECIES411");
        EXPECT_EQ(EntryChoices[412], "MOVE1");
        EXPECT_EQ(EntryChoices[765], "MOVE354");
        EXPECT_EQ(EggMoveListLines[0], "SPECIES1");
        EXPECT_EQ(EggMoveListLines[1], "    " + DefaultMoveName(EggMoveTable[1]));
        EXPECT_EQ(LoadedRom.path, path.string());
        const auto lines = EggMoveListLines;
        ASSERT_EQ(Load(path), LoadResult::Completed);
        EXPECT_EQ(EggMoveListLines, lines);
        EXPECT_EQ(SpeciesCount + MoveCount, EggMoveEntryCount);
    }
}

TEST_F(Loading, IllegalEntriesRepairedOnYesUntouchedOnNo) {
    const std::pair<std::uint16_t, std::uint16_t> cases[] = {
        {0x0000, 0x0001}, {0x0163, 0x0001}, {0x4E1F, 0x4E20}, {0x4FBC, 0x4E20}, {0x1234, 0x4E20}};
    for (const auto& [bad, repaired] : cases) {
        for (const bool yes : {true, false}) {
            ResetProgramState();
            SyntheticRom rom = DefaultRom("BPEE");
            rom.table[40] = bad;
            WriteRom(path, rom);
            Bytes expected = ReadFileBytes(path);
            if (yes) {
                expected[TableOffset("BPEE") + 80] = repaired & 0xFF;
                expected[TableOffset("BPEE") + 81] = repaired >> 8;
            }
            EXPECT_EQ(Load(path, {yes}), yes ? LoadResult::Completed : LoadResult::Declined);
            EXPECT_EQ(questions, 1);
            EXPECT_EQ(ReadFileBytes(path), expected) << std::hex << bad << " " << yes;
            if (yes) {
                EXPECT_EQ(EggMoveTable[40], repaired);
                EXPECT_EQ(EggMoveListLines[40], EntryLine(repaired));
                EXPECT_EQ(SpeciesCount + MoveCount, EggMoveEntryCount);
                EXPECT_EQ(Load(path), LoadResult::Completed) << "no question the second time";
            } else {
                EXPECT_TRUE(LoadedRom.path.empty()) << "a mixed table may not be saved";
            }
        }
    }
}

TEST_F(Loading, DeclineAtTheSecondQuestionKeepsTheFirstRepair) {
    WriteRom(dir / "first.gba", DefaultRom("BPRE"));
    ASSERT_EQ(Load(dir / "first.gba"), LoadResult::Completed);
    const auto oldTable = EggMoveTable;

    SyntheticRom rom = DefaultRom("BPRE");
    rom.species[1] = GameText("NEW");
    rom.table[3] = 0x0000;
    rom.table[500] = 0x7777;
    WriteRom(path, rom);
    EXPECT_EQ(Load(path, {true, false}), LoadResult::Declined);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(FileEntry(path, "BPRE", 3), 0x0001);
    EXPECT_EQ(FileEntry(path, "BPRE", 500), 0x7777);
    EXPECT_EQ(EggMoveListLines[0], "NEW");
    for (int i = 500; i < EggMoveEntryCount; ++i) ASSERT_EQ(EggMoveTable[i], oldTable[i]);
}

TEST_F(Loading, NamesSkipLeadingZerosKeepInnerOnesAndMayBeEmpty) {
    SyntheticRom rom = DefaultRom("AXVE");
    rom.species[0] = {0x00, 0x00, 0xBB};
    rom.species[1] = {0xBB, 0x00, 0x00, 0xBC};
    rom.species[2] = {};
    rom.moves[0] = {0x56, 0xFE, 0x10, 0x25};
    WriteRom(path, rom);
    ASSERT_EQ(Load(path), LoadResult::Completed);
    EXPECT_EQ(SpeciesNames[0], "A");
    EXPECT_EQ(SpeciesNames[1], "A  B");
    EXPECT_EQ(SpeciesNames[2], "");
    EXPECT_EQ(SpeciesNames[3], "SPECIES3");
    EXPECT_EQ(MoveNames[0], "[K\xE9]\\n\x8C\x9C");
}

TEST_F(Loading, FilesCutShortNeverGrowAndAreNotWholeForSaving) {
    const struct {
        std::uint64_t size;
        int counted;  // entries read before the missing bytes end the table
        bool asks;    // the half entry at the cut is illegal
    } cases[] = {
        {0xB0, 0, false},                                // names all empty
        {TableOffset("BPRE") + 2 * 600, 600, false},     // ends before entry 600
        {TableOffset("BPRE") + 2 * 700 + 1, 700, true},  // ends inside entry 700
    };
    for (const auto& c : cases) {
        ResetProgramState();
        SyntheticRom rom = DefaultRom("BPRE");
        rom.table[700] = 0x0033;
        rom.size = c.size;
        WriteRom(path, rom);
        EXPECT_EQ(Load(path, {c.asks}), LoadResult::Completed);
        EXPECT_EQ(questions, c.asks ? 1 : 0);
        EXPECT_EQ(ReadFileBytes(path).size(), c.size) << "a repair never extends the file";
        EXPECT_FALSE(LoadedRom.regionWhole);
        EXPECT_EQ(SpeciesCount + MoveCount, c.counted + (c.asks ? 1 : 0));
        EXPECT_EQ(SpeciesNames[0], c.counted ? "SPECIES0" : "");
    }
}

TEST_F(Loading, EndMarkEndsTheReadingButKeepsTheFileBytes) {
    for (const int at : {1137, 600}) {
        ResetProgramState();
        SyntheticRom rom = DefaultRom("BPRF");
        rom.table[at] = EndMarkEntry;
        if (at < 1000) rom.table[at + 2] = 0x0000;  // illegal, but after the mark
        WriteRom(path, rom);
        ASSERT_EQ(Load(path), LoadResult::Completed);
        EXPECT_EQ(questions, 0);
        EXPECT_EQ(EggMoveListLines[at], "");
        EXPECT_TRUE(std::equal(rom.table.begin(), rom.table.end(), EggMoveTable.begin()));
        EXPECT_EQ(SpeciesCount + MoveCount, EggMoveEntryCount - 1);
    }
}

TEST_F(Loading, RepairThatCannotReachTheFileKeepsTheFillerInMemory) {
    SyntheticRom rom = DefaultRom("BPRE");
    rom.table[9] = 0x4FFF;
    WriteRom(path, rom);
    const Bytes original = ReadFileBytes(path);
    ScopedOpener refuse(RefusingOpener);
    ASSERT_EQ(Load(path, {true}), LoadResult::Completed);
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_EQ(EggMoveTable[9], SpeciesFillerEntry);
    EXPECT_EQ(EggMoveListLines[9], "SPECIES0");
}

TEST_F(Loading, UnsupportedFilesChangeNothing) {
    WriteRom(path, DefaultRom("AXVF"));
    ASSERT_EQ(Load(path), LoadResult::Completed);
    const auto table = EggMoveTable;
    const std::int32_t offset = EggMoveOffset;

    WriteFileBytes(dir / "tiny.gba", Bytes(100, 0x41));
    WriteRom(dir / "lower.gba", DefaultRom("bpre"));
    std::filesystem::create_directory(dir / "folder.gba");
    ASSERT_EQ(mkfifo((dir / "pipe.gba").c_str(), 0600), 0);
    for (const char* name : {"tiny.gba", "lower.gba", "folder.gba", "pipe.gba", "missing.gba"}) {
        EXPECT_EQ(Load(dir / name), LoadResult::Unsupported) << name;
        EXPECT_EQ(EggMoveTable, table);
        EXPECT_EQ(LoadedRom.path, path.string());
        EXPECT_EQ(EggMoveOffset, offset);
        EXPECT_EQ(SpeciesNames[0], "SPECIES0");
    }
}

TEST_F(Loading, HugeSparseFileReadsOnlyWhatItNeeds) {
    SyntheticRom rom = DefaultRom("BPEE");
    rom.size = 1ull << 30;
    WriteRom(path, rom);
    ASSERT_EQ(Load(path), LoadResult::Completed);
    EXPECT_EQ(SpeciesCount + MoveCount, EggMoveEntryCount);
}

}  // namespace
