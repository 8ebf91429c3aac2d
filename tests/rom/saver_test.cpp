#include "rom/saver.h"

#include <gtest/gtest.h>

#include "eggmoves/editing.h"
#include "tests/support/openers.h"
#include "tools/synthetic_rom.h"

namespace {

class Saving : public ::testing::Test {
  protected:
    void SetUp() override {
        image.size = TableOffset("BPRE") + 0x10000;
        WriteRom(path, image);
        original = ReadFileBytes(path);
        ASSERT_EQ(LoadRom(rom, path.string(), {}), LoadResult::Completed);
    }

    TempDir dir;
    std::filesystem::path path = dir / "rom.gba";
    SyntheticRom image = DefaultRom("BPRE");
    Bytes original;
    Rom rom;
};

TEST_F(Saving, EditsReachOnlyTheTableRegion) {
    ChangeEntry(rom.list, rom.names, 0, 0);
    InsertEntry(rom.list, rom.names, 500, 765);
    DeleteEntry(rom.list, rom.names, 1137);
    ASSERT_EQ(SaveEggMoveTable(rom), SaveResult::Saved);
    Bytes expected = original;
    for (int i = 0; i < EggMoveEntryCount; ++i) {
        expected[TableOffset("BPRE") + 2 * i] = rom.list.EggMoveTable[i] & 0xFF;
        expected[TableOffset("BPRE") + 2 * i + 1] = rom.list.EggMoveTable[i] >> 8;
    }
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_EQ(expected[TableOffset("BPRE") + 1], 0x4E);
    EXPECT_EQ(ReadRom(path.string()).list.EggMoveTable, rom.list.EggMoveTable);
    EXPECT_EQ(SaveEggMoveTable(Rom{}), SaveResult::NothingToSave);
}

TEST_F(Saving, AFileThatIsNoLongerTheLoadedRomGetsNothing) {
    using Spoil = void (*)(const std::filesystem::path&);
    const auto rewrite = [](const std::filesystem::path& p, SyntheticRom other) {
        other.size = std::filesystem::file_size(p);
        WriteRom(p, other);
    };
    const std::pair<Spoil, UpdateStreamOpener> cases[] = {
        {nullptr, RefusingOpener},
        {nullptr, ReadOnlyOpener},
        {[](const auto& p) { std::filesystem::resize_file(p, TableOffset("BPRE") + 100); },
         nullptr},
        {[](const auto& p) { std::filesystem::remove(p); }, nullptr},
        {[](const auto& p) { std::filesystem::remove(p), std::filesystem::create_directory(p); },
         nullptr},
    };
    for (const auto& [spoil, opener] : cases) {
        SetUp();
        ChangeEntry(rom.list, rom.names, 10, 5);
        const auto table = rom.list.EggMoveTable;
        if (spoil) spoil(path);
        const bool exists = std::filesystem::is_regular_file(path);
        const Bytes before = exists ? ReadFileBytes(path) : Bytes{};
        ScopedOpener scoped(opener ? opener : OpenFileForUpdate);
        EXPECT_EQ(SaveEggMoveTable(rom), SaveResult::Failed);
        EXPECT_EQ(rom.list.EggMoveTable, table);
        EXPECT_EQ(std::filesystem::is_regular_file(path), exists);
        if (exists) {
            EXPECT_EQ(ReadFileBytes(path), before);
        }
        std::filesystem::remove_all(path);
    }
    // Another game, and another revision of the same game, of the same size.
    for (auto [code, revision] : {std::pair{"AXVE", 0}, {"BPRE", 1}}) {
        SetUp();
        rewrite(path, DefaultRom(code, static_cast<std::uint8_t>(revision)));
        const Bytes before = ReadFileBytes(path);
        EXPECT_EQ(SaveEggMoveTable(rom), SaveResult::Failed) << code;
        EXPECT_EQ(ReadFileBytes(path), before);
    }
}

}  // namespace
