#include "rom/loader.h"

#include <gtest/gtest.h>

#include <deque>

#include "eggmoves/table.h"
#include "rom/versions.h"
#include "tests/support/program_state.h"
#include "tests/support/rom_builder.h"

namespace {

class Loading : public ::testing::Test {
  protected:
    void SetUp() override { ResetProgramState(); }

    // Loads path answering the repair questions from answers (true = Yes).
    LoadResult Load(const std::filesystem::path& path, std::deque<bool> answers = {}) {
        questions = 0;
        LoadCallbacks callbacks;
        callbacks.repairAccepted = [this, answers]() mutable {
            ++questions;
            if (answers.empty()) ADD_FAILURE() << "unexpected repair question";
            const bool yes = !answers.empty() && answers.front();
            if (!answers.empty()) answers.pop_front();
            return yes;
        };
        return LoadRom(path.string(), callbacks);
    }

    std::uint16_t FileEntry(const std::filesystem::path& path, const std::string& code, int i) {
        const Bytes b = ReadFileBytes(path);
        const auto at = TableOffset(code) + 2 * i;
        return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
    }

    TempDir dir;
    int questions = 0;
};

TEST_F(Loading, CleanRomLoadsWithoutQuestion) {
    for (const GameVersion& v : GameVersionTable) {
        ResetProgramState();
        const auto path = dir / "clean.gba";
        WriteRom(path, DefaultRom(v.code));
        ASSERT_EQ(Load(path), LoadResult::Completed) << v.code;
        EXPECT_EQ(questions, 0);
        EXPECT_TRUE(FileOpen);
        EXPECT_EQ(SpeciesCount, 165);
        EXPECT_EQ(MoveCount, 973);
        EXPECT_EQ(SpeciesNames[0], "SPECIES0");
        EXPECT_EQ(SpeciesNames[411], "SPECIES411");
        EXPECT_EQ(MoveNames[0], "MOVE1");
        EXPECT_EQ(MoveNames[353], "MOVE354");
        EXPECT_EQ(EntryChoices[412], "MOVE1");
        EXPECT_EQ(EggMoveListLines[0], "SPECIES1");
        EXPECT_EQ(EggMoveListLines[1], "    " + DefaultMoveName(EggMoveTable[1]));
        EXPECT_EQ(LoadedRom.path, path.string());
        EXPECT_TRUE(LoadedRom.regionWhole);
    }
}

TEST_F(Loading, SameFileTwiceGivesTheSameModel) {
    const auto path = dir / "rom.gba";
    WriteRom(path, DefaultRom("AXPF"));
    ASSERT_EQ(Load(path), LoadResult::Completed);
    const auto table = EggMoveTable;
    const auto lines = EggMoveListLines;
    const auto choices = EntryChoices;
    ASSERT_EQ(Load(path), LoadResult::Completed);
    EXPECT_EQ(EggMoveTable, table);
    EXPECT_EQ(EggMoveListLines, lines);
    EXPECT_EQ(EntryChoices, choices);
    EXPECT_EQ(SpeciesCount + MoveCount, EggMoveEntryCount);
}

TEST_F(Loading, IllegalEntriesRepairedOrLeftAlone) {
    const struct {
        std::uint16_t bad, repaired;
    } cases[] = {
        {0x0000, 0x0001}, {0x0163, 0x0001}, {0x4E1F, 0x4E20}, {0x4FBC, 0x4E20}, {0x1234, 0x4E20}};
    for (const auto& c : cases) {
        for (const bool yes : {true, false}) {
            ResetProgramState();
            const auto path = dir / "bad.gba";
            SyntheticRom rom = DefaultRom("BPEE");
            rom.table[40] = c.bad;
            WriteRom(path, rom);
            const Bytes original = ReadFileBytes(path);

            const LoadResult result = Load(path, {yes});
            EXPECT_EQ(questions, 1);
            const Bytes after = ReadFileBytes(path);
            ASSERT_EQ(after.size(), original.size());
            if (yes) {
                EXPECT_EQ(result, LoadResult::Completed);
                EXPECT_EQ(FileEntry(path, "BPEE", 40), c.repaired) << std::hex << c.bad;
                EXPECT_EQ(EggMoveTable[40], c.repaired);
                EXPECT_EQ(EggMoveListLines[40], EntryLine(c.repaired));
                EXPECT_EQ(SpeciesCount + MoveCount, EggMoveEntryCount);
                std::size_t differing = 0;
                for (std::size_t i = 0; i < after.size(); ++i) differing += after[i] != original[i];
                EXPECT_LE(differing, 2u);
                ASSERT_EQ(Load(path), LoadResult::Completed) << "no question the second time";
            } else {
                EXPECT_EQ(result, LoadResult::Declined);
                EXPECT_EQ(after, original) << std::hex << c.bad;
                EXPECT_TRUE(LoadedRom.path.empty());
            }
        }
    }
}

TEST_F(Loading, DeclineAtSecondKeepsFirstRepairAndStopsThere) {
    const auto first = dir / "first.gba";
    WriteRom(first, DefaultRom("BPRE"));
    ASSERT_EQ(Load(first), LoadResult::Completed);
    const auto oldTable = EggMoveTable;

    const auto path = dir / "two.gba";
    SyntheticRom rom = DefaultRom("BPRE");
    for (auto& name : rom.species) name = GameText("NEW");
    rom.table[3] = 0x0000;
    rom.table[500] = 0x7777;
    WriteRom(path, rom);
    EXPECT_EQ(Load(path, {true, false}), LoadResult::Declined);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(FileEntry(path, "BPRE", 3), 0x0001);
    EXPECT_EQ(FileEntry(path, "BPRE", 500), 0x7777);
    EXPECT_EQ(EggMoveTable[3], 0x0001);
    EXPECT_EQ(EggMoveListLines[0], "NEW");
    for (int i = 500; i < EggMoveEntryCount; ++i) ASSERT_EQ(EggMoveTable[i], oldTable[i]);
    EXPECT_EQ(EntryChoices[0], "NEW");
    EXPECT_TRUE(LoadedRom.path.empty()) << "a mixed table may not be saved";
}

TEST_F(Loading, NamesSkipLeadingZerosKeepInnerOnesAndMayBeEmpty) {
    const auto path = dir / "names.gba";
    SyntheticRom rom = DefaultRom("AXVE");
    rom.species[0] = {0x00, 0x00, 0xBB};        // leading zeros: skipped
    rom.species[1] = {0xBB, 0x00, 0x00, 0xBC};  // inner zeros: spaces
    rom.species[2] = {};                        // immediate 0xFF
    rom.moves[0] = GameText("Pok\xE9 Ball");
    rom.moves[1] = {0x56, 0xFE, 0x10, 0x25};
    WriteRom(path, rom);
    ASSERT_EQ(Load(path), LoadResult::Completed);
    EXPECT_EQ(SpeciesNames[0], "A");
    EXPECT_EQ(SpeciesNames[1], "A  B");
    EXPECT_EQ(SpeciesNames[2], "");
    EXPECT_EQ(SpeciesNames[3], "SPECIES3");
    EXPECT_EQ(MoveNames[0], "Pok\xE9 Ball");
    EXPECT_EQ(MoveNames[1], "[K\xE9]\\n\x8C\x9C");
}

TEST_F(Loading, FileEndingAfterTheGameCode) {
    const auto path = dir / "short.gba";
    SyntheticRom rom = DefaultRom("BPGF");
    rom.size = 0xB0;
    WriteRom(path, rom);
    ASSERT_EQ(Load(path), LoadResult::Completed);
    for (const auto& name : SpeciesNames) ASSERT_EQ(name, "");
    for (const auto& name : MoveNames) ASSERT_EQ(name, "");
    EXPECT_EQ(SpeciesCount + MoveCount, 0);
    EXPECT_FALSE(LoadedRom.regionWhole);
}

TEST_F(Loading, FileEndingInsideTheTable) {
    const auto path = dir / "cut.gba";
    SyntheticRom rom = DefaultRom("BPRE");
    rom.size = TableOffset("BPRE") + 2 * 600;  // the file ends before entry 600
    WriteRom(path, rom);
    ASSERT_EQ(Load(path), LoadResult::Completed) << "no question for the missing bytes";
    EXPECT_EQ(SpeciesCount + MoveCount, 600);
    EXPECT_EQ(EggMoveListLines[600], "");
    EXPECT_FALSE(LoadedRom.regionWhole);
    EXPECT_EQ(ReadFileBytes(path).size(), rom.size);
}

TEST_F(Loading, EndMarkEndsTheReadingButKeepsTheFileBytes) {
    for (const int at : {1137, 600}) {
        ResetProgramState();
        const auto path = dir / "end.gba";
        SyntheticRom rom = DefaultRom("BPRF");
        rom.table[at] = EndMarkEntry;
        if (at + 2 < EggMoveEntryCount) rom.table[at + 2] = 0x0000;  // illegal, after the mark
        WriteRom(path, rom);
        ASSERT_EQ(Load(path), LoadResult::Completed);
        EXPECT_EQ(questions, 0);
        EXPECT_EQ(EggMoveListLines[at], "");
        for (int i = 0; i < EggMoveEntryCount; ++i) ASSERT_EQ(EggMoveTable[i], rom.table[i]) << i;
        int species = 0, moves = 0;
        for (auto e : rom.table) {
            species += EntryKind(e) == Kind::Species;
            moves += EntryKind(e) == Kind::Move;
        }
        EXPECT_EQ(SpeciesCount, species);
        EXPECT_EQ(MoveCount, moves);
    }
}

TEST_F(Loading, RepairOnAReadOnlyFileKeepsTheFillerInMemory) {
    const auto path = dir / "ro.gba";
    SyntheticRom rom = DefaultRom("BPRE");
    rom.table[9] = 0x4FFF;
    WriteRom(path, rom);
    const Bytes original = ReadFileBytes(path);
    ScopedOpener refuse(RefusingOpener);
    ASSERT_EQ(Load(path, {true}), LoadResult::Completed);
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_EQ(EggMoveTable[9], SpeciesFillerEntry);
    EXPECT_EQ(EggMoveListLines[9], "SPECIES0");
    EXPECT_EQ(SpeciesCount + MoveCount, EggMoveEntryCount);
}

TEST_F(Loading, RepairNeverExtendsAFileCutInsideAnEntry) {
    const auto path = dir / "cut-entry.gba";
    SyntheticRom rom = DefaultRom("BPRE");
    rom.table[700] = 0x0033;
    rom.size = TableOffset("BPRE") + 2 * 700 + 1;  // the low byte is there, the high is not
    WriteRom(path, rom);
    EXPECT_EQ(Load(path, {true}), LoadResult::Completed);
    EXPECT_EQ(ReadFileBytes(path).size(), rom.size);
    EXPECT_FALSE(LoadedRom.regionWhole);
}

TEST_F(Loading, UnsupportedFilesChangeNothing) {
    const auto good = dir / "good.gba";
    WriteRom(good, DefaultRom("AXVF"));
    ASSERT_EQ(Load(good), LoadResult::Completed);
    const auto table = EggMoveTable;
    const auto target = LoadedRom.path;
    const std::int32_t offset = EggMoveOffset;

    WriteFileBytes(dir / "tiny.gba", Bytes(100, 0x41));
    std::filesystem::create_directory(dir / "folder.gba");
    for (const auto& path :
         {dir / "tiny.gba", dir / "folder.gba", dir / "missing.gba", dir / "bpre.gba"}) {
        if (path.filename() == "bpre.gba") WriteRom(path, DefaultRom("bpre"));
        EXPECT_EQ(Load(path), LoadResult::Unsupported) << path;
        EXPECT_EQ(EggMoveTable, table);
        EXPECT_EQ(LoadedRom.path, target);
        EXPECT_EQ(EggMoveOffset, offset);
        EXPECT_EQ(SpeciesNames[0], "SPECIES0");
    }
}

TEST_F(Loading, HugeSparseFileReadsOnlyWhatItNeeds) {
    const auto path = dir / "huge.gba";
    SyntheticRom rom = DefaultRom("BPEE");
    rom.size = 1ull << 30;
    WriteRom(path, rom);
    ASSERT_EQ(Load(path), LoadResult::Completed);
    EXPECT_EQ(SpeciesCount + MoveCount, EggMoveEntryCount);
}

}  // namespace
