#include "rom/saver.h"

#include <gtest/gtest.h>

#include "eggmoves/editing.h"
#include "eggmoves/table.h"
#include "rom/loader.h"
#include "rom/update_stream.h"
#include "rom/versions.h"
#include "tests/support/program_state.h"
#include "tests/support/rom_builder.h"

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

TEST_F(Saving, SaveWithoutEditLeavesTheFileAsItWas) {
    ASSERT_EQ(Load(path), LoadResult::Completed);
    EXPECT_EQ(SaveEggMoveTable(), SaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(path), original);
}

TEST_F(Saving, EditsChangeOnlyTheTableRegion) {
    ASSERT_EQ(Load(path), LoadResult::Completed);
    ChangeEntry(0, 0);
    InsertEntry(500, 765);
    DeleteEntry(1137);
    const auto table = EggMoveTable;
    ASSERT_EQ(SaveEggMoveTable(), SaveResult::Saved);
    EXPECT_EQ(EggMoveTable, table);
    const Bytes after = ReadFileBytes(path);
    ASSERT_EQ(after.size(), original.size());
    const std::size_t from = TableOffset("BPRE"), to = from + EggMoveTableSize;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (i < from || i >= to) {
            ASSERT_EQ(after[i], original[i]) << i;
        }
    EXPECT_EQ(after[from], 0x20);
    EXPECT_EQ(after[from + 1], 0x4E);
    ResetProgramState();
    ASSERT_EQ(Load(path), LoadResult::Completed);
    EXPECT_EQ(EggMoveTable, table);
}

TEST_F(Saving, EndMarkFilesSaveBackUnchanged) {
    rom.table[300] = EndMarkEntry;
    rom.table[301] = 0x0000;
    rom.table[302] = 0x9999;
    WriteRom(path, rom);
    const Bytes before = ReadFileBytes(path);
    // Another ROM's table in memory first, so stale entries would show.
    const auto other = dir / "other.gba";
    WriteRom(other, DefaultRom("BPRE"));
    ASSERT_EQ(Load(other), LoadResult::Completed);
    ASSERT_EQ(Load(path), LoadResult::Completed);
    ASSERT_EQ(SaveEggMoveTable(), SaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(Saving, FailuresWriteNothingAndKeepTheTable) {
    using Spoil = void (*)(const std::filesystem::path&);
    const struct {
        const char* what;
        Spoil spoil;
        UpdateStreamOpener opener;
    } cases[] = {
        {"cannot be opened for writing", nullptr, RefusingOpener},
        {"every write fails", nullptr, ReadOnlyOpener},
        {"deleted", [](const std::filesystem::path& p) { std::filesystem::remove(p); }, nullptr},
        {"shortened",
         [](const std::filesystem::path& p) {
             std::filesystem::resize_file(p, TableOffset("BPRE") + 100);
         },
         nullptr},
        {"replaced by another game of the same size",
         [](const std::filesystem::path& p) {
             const auto size = std::filesystem::file_size(p);
             WriteRom(p, DefaultRom("AXVE"));
             std::filesystem::resize_file(p, size);
         },
         nullptr},
        {"replaced by a folder",
         [](const std::filesystem::path& p) {
             std::filesystem::remove(p);
             std::filesystem::create_directory(p);
         },
         nullptr},
    };
    for (const auto& c : cases) {
        ResetProgramState();
        std::filesystem::remove_all(path);
        WriteRom(path, rom);
        ASSERT_EQ(Load(path), LoadResult::Completed);
        ChangeEntry(10, 5);
        const auto table = EggMoveTable;
        if (c.spoil) c.spoil(path);
        const bool existed = std::filesystem::is_regular_file(path);
        const Bytes before = existed ? ReadFileBytes(path) : Bytes{};
        {
            ScopedOpener opener(c.opener ? c.opener : OpenFileForUpdate);
            EXPECT_EQ(SaveEggMoveTable(), SaveResult::Failed) << c.what;
        }
        EXPECT_EQ(EggMoveTable, table) << c.what;
        EXPECT_EQ(std::filesystem::is_regular_file(path), existed) << c.what;
        if (existed) {
            EXPECT_EQ(ReadFileBytes(path), before) << c.what;
        }
    }
}

TEST_F(Saving, NothingToSaveBeforeACompletedLoad) {
    EXPECT_EQ(SaveEggMoveTable(), SaveResult::NothingToSave) << "first start";

    WriteFileBytes(dir / "junk.bin", Bytes(4096, 0x11));
    EXPECT_EQ(Load(dir / "junk.bin"), LoadResult::Unsupported);
    EXPECT_EQ(SaveEggMoveTable(), SaveResult::NothingToSave) << "first file unsupported";
    EXPECT_EQ(ReadFileBytes(dir / "junk.bin"), Bytes(4096, 0x11));
}

TEST_F(Saving, DeclinedRepairForbidsSavingAnywhere) {
    ASSERT_EQ(Load(path), LoadResult::Completed);
    const auto bad = dir / "bad.gba";
    SyntheticRom broken = DefaultRom("BPRE");
    broken.table[20] = 0x0000;
    WriteRom(bad, broken);
    const Bytes badBefore = ReadFileBytes(bad);
    ASSERT_EQ(Load(bad, false), LoadResult::Declined);
    EXPECT_EQ(SaveEggMoveTable(), SaveResult::NothingToSave);
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_EQ(ReadFileBytes(bad), badBefore);
}

TEST_F(Saving, UnsupportedFileAfterALoadKeepsTheLoadedTarget) {
    ASSERT_EQ(Load(path), LoadResult::Completed);
    ChangeEntry(0, 7);
    WriteFileBytes(dir / "junk.bin", Bytes(4096, 0x11));
    ASSERT_EQ(Load(dir / "junk.bin"), LoadResult::Unsupported);
    ASSERT_EQ(SaveEggMoveTable(), SaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(dir / "junk.bin"), Bytes(4096, 0x11));
    const Bytes after = ReadFileBytes(path);
    EXPECT_EQ(after[TableOffset("BPRE")], (SpeciesEntryBase + 7) & 0xFF);
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
