#include "rom/saver.h"

#include <gtest/gtest.h>

#include "eggmoves/editing.h"
#include "tests/support/openers.h"
#include "tools/synthetic_rom.h"

namespace {

namespace fs = std::filesystem;

// A save into a file that is no longer the ROM that was loaded, or that cannot be
// written, writes nothing, creates nothing, and keeps the table in memory.
TEST(Saving, AFileThatIsNoLongerTheLoadedRomGetsNothing) {
    const auto replace = [](const fs::path& p, std::string_view code, std::uint8_t revision) {
        SyntheticRom other = DefaultRom(code, revision);
        other.size = fs::file_size(p);
        WriteRom(p, other);
    };
    const std::pair<std::function<void(const fs::path&)>, UpdateStreamOpener> cases[] = {
        {nullptr, RefusingOpener},
        {nullptr, ReadOnlyOpener},
        {[](const fs::path& p) { fs::resize_file(p, TableOffset("BPRE") + 100); }, nullptr},
        {[](const fs::path& p) { fs::remove(p); }, nullptr},
        {[](const fs::path& p) { fs::remove(p), fs::create_directory(p); }, nullptr},
        {[&](const fs::path& p) { replace(p, "AXVE", 0); }, nullptr},
        {[&](const fs::path& p) { replace(p, "BPRE", 1); }, nullptr},
    };
    TempDir dir;
    const fs::path path = dir / "rom.gba";
    for (const auto& [spoil, opener] : cases) {
        SyntheticRom image = DefaultRom("BPRE");
        image.size = TableOffset("BPRE") + 0x10000;
        WriteRom(path, image);
        Rom rom;
        ASSERT_EQ(LoadRom(rom, path.string(), {}), LoadResult::Completed);
        ChangeEntry(rom.list, rom.names, 10, 5);
        const auto table = rom.list.EggMoveTable;
        if (spoil) spoil(path);
        const bool exists = fs::is_regular_file(path);
        const Bytes before = exists ? ReadFileBytes(path) : Bytes{};
        ScopedOpener scoped(opener ? opener : OpenFileForUpdate);
        EXPECT_EQ(SaveEggMoveTable(rom), SaveResult::Failed);
        EXPECT_EQ(rom.list.EggMoveTable, table);
        EXPECT_EQ(fs::is_regular_file(path), exists);
        EXPECT_EQ(exists ? ReadFileBytes(path) : Bytes{}, before);
        fs::remove_all(path);
    }
    EXPECT_EQ(SaveEggMoveTable(Rom{}), SaveResult::NothingToSave);
}

}  // namespace
