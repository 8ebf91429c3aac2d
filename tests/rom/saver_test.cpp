#include "rom/saver.h"

#include <gtest/gtest.h>

#include "eggmoves/editing.h"
#include "eggmoves/table.h"
#include "rom/loader.h"
#include "rom/update_stream.h"
#include "rom/versions.h"
#include "tests/support/program_state.h"
#include "tools/synthetic_rom.h"

namespace {

class Saving : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProgramState();
        rom = DefaultRom("BPRE");
        rom.size = TableOffset("BPRE") + 0x10000;
        WriteRom(path, rom);
        original = ReadFileBytes(path);
    }
    LoadResult Load(const std::filesystem::path& file, bool answer = true) {
        return LoadRom(file.string(), {nullptr, [answer] { return answer; }});
    }

    TempDir dir;
    std::filesystem::path path = dir / "rom.gba";
    SyntheticRom rom;
    Bytes original;
};

TEST_F(Saving, SaveWithoutEditLeavesTheFileAsItWasEvenAfterAnEndMark) {
    ASSERT_EQ(Load(path), LoadResult::Completed);
    EXPECT_EQ(SaveEggMoveTable(), SaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(path), original);

    // With another ROM's table in memory first, stale entries after the mark would show.
    rom.table[300] = EndMarkEntry;
    rom.table[301] = 0x0000;
    rom.table[302] = 0x9999;
    WriteRom(path, rom);
    const Bytes before = ReadFileBytes(path);
    ASSERT_EQ(Load(path), LoadResult::Completed);
    ASSERT_EQ(SaveEggMoveTable(), SaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(Saving, EditsChangeOnlyTheTableRegion) {
    ASSERT_EQ(Load(path), LoadResult::Completed);
    ChangeEntry(0, 0);
    InsertEntry(500, 765);
    DeleteEntry(1137);
    const auto table = EggMoveTable;
    ASSERT_EQ(SaveEggMoveTable(), SaveResult::Saved);
    Bytes expected = original;
    for (int i = 0; i < EggMoveEntryCount; ++i) {
        expected[TableOffset("BPRE") + 2 * i] = table[i] & 0xFF;
        expected[TableOffset("BPRE") + 2 * i + 1] = table[i] >> 8;
    }
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_EQ(expected[TableOffset("BPRE")], 0x20);
    ResetProgramState();
    ASSERT_EQ(Load(path), LoadResult::Completed);
    EXPECT_EQ(EggMoveTable, table);
}

// A deleted ROM, or one replaced by a folder, is left to the end-to-end tests.
TEST_F(Saving, FailuresWriteNothingAndKeepTheTable) {
    const auto shorten = [](const std::filesystem::path& p) {
        std::filesystem::resize_file(p, TableOffset("BPRE") + 100);
    };
    const auto otherGame = [](const std::filesystem::path& p) {
        const auto size = std::filesystem::file_size(p);
        WriteRom(p, DefaultRom("AXVE"));
        std::filesystem::resize_file(p, size);
    };
    const std::pair<void (*)(const std::filesystem::path&), UpdateStreamOpener> cases[] = {
        {nullptr, RefusingOpener},
        {nullptr, ReadOnlyOpener},
        {shorten, nullptr},
        {otherGame, nullptr}};
    for (const auto& [spoil, opener] : cases) {
        ResetProgramState();
        WriteRom(path, rom);
        ASSERT_EQ(Load(path), LoadResult::Completed);
        ChangeEntry(10, 5);
        const auto table = EggMoveTable;
        if (spoil) spoil(path);
        const Bytes before = ReadFileBytes(path);
        ScopedOpener scoped(opener ? opener : OpenFileForUpdate);
        EXPECT_EQ(SaveEggMoveTable(), SaveResult::Failed);
        EXPECT_EQ(EggMoveTable, table);
        EXPECT_EQ(ReadFileBytes(path), before);
    }
}

TEST_F(Saving, OnlyTheLastCompletedLoadIsEverWritten) {
    const Bytes junk(4096, 0x11);
    WriteFileBytes(dir / "junk.bin", junk);
    EXPECT_EQ(SaveEggMoveTable(), SaveResult::NothingToSave) << "first start";
    ASSERT_EQ(Load(dir / "junk.bin"), LoadResult::Unsupported);
    EXPECT_EQ(SaveEggMoveTable(), SaveResult::NothingToSave) << "first file unsupported";

    ASSERT_EQ(Load(path), LoadResult::Completed);
    ChangeEntry(0, 7);
    ASSERT_EQ(Load(dir / "junk.bin"), LoadResult::Unsupported);
    ASSERT_EQ(SaveEggMoveTable(), SaveResult::Saved) << "still aimed at the loaded ROM";
    EXPECT_EQ(ReadFileBytes(path)[TableOffset("BPRE")], (SpeciesEntryBase + 7) & 0xFF);
    const Bytes saved = ReadFileBytes(path);

    SyntheticRom broken = DefaultRom("BPRE");
    broken.table[20] = 0x0000;
    WriteRom(dir / "bad.gba", broken);
    const Bytes bad = ReadFileBytes(dir / "bad.gba");
    ASSERT_EQ(Load(dir / "bad.gba", false), LoadResult::Declined);
    EXPECT_EQ(SaveEggMoveTable(), SaveResult::NothingToSave) << "a mix of two tables";
    EXPECT_EQ(ReadFileBytes(path), saved);
    EXPECT_EQ(ReadFileBytes(dir / "bad.gba"), bad);
    EXPECT_EQ(ReadFileBytes(dir / "junk.bin"), junk);
}

TEST_F(Saving, CutTableIsNeverWrittenBack) {
    rom.size = TableOffset("BPRE") + 1000;
    WriteRom(path, rom);
    const Bytes before = ReadFileBytes(path);
    ASSERT_EQ(Load(path), LoadResult::Completed);
    // Even if the file grows again later, the missing bytes never came from it.
    std::filesystem::resize_file(path, TableOffset("BPRE") + 0x10000);
    EXPECT_EQ(SaveEggMoveTable(), SaveResult::Failed);
    Bytes grown = before;
    grown.resize(TableOffset("BPRE") + 0x10000, 0);
    EXPECT_EQ(ReadFileBytes(path), grown);
}

}  // namespace
