#include "rom/loader.h"

#include <gtest/gtest.h>

#include <functional>

#include "eggmoves/editing.h"
#include "rom/saver.h"
#include "tests/support/openers.h"
#include "tools/synthetic_rom.h"

namespace {

namespace fs = std::filesystem;

class Loading : public ::testing::Test {
  protected:
    // Loads the ROM at path into rom, answering the repair questions from answers.
    LoadResult Load(std::vector<bool> answers = {}) {
        questions = warnings = 0;
        return LoadRom(rom, path,
                       {nullptr, [this] { ++warnings; },
                        [this, answers] {
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
               std::uint64_t offset = TableOffset("BPRE")) const {
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
};

TEST_F(Loading, EveryReleaseLoadsCleanlyAndSavesBackByteForByte) {
    for (const GameVersion& v : GameVersionTable) {
        SCOPED_TRACE(std::string(v.code) + " " + std::to_string(v.revision));
        SyntheticRom image = DefaultRom(v.code, v.revision == AnyRevision ? 0 : v.revision);
        if (v.words.tablePointer1) image.words = GameWordsFor(v.EggMoveOffset);
        image.size = v.EggMoveOffset + 0x10000;
        Write(image);
        ASSERT_EQ(Load(), LoadResult::Completed);
        EXPECT_EQ(questions + warnings, 0u);
        EXPECT_EQ(rom.release.version, &v);
        EXPECT_EQ(std::pair(rom.list.SpeciesCount, rom.list.MoveCount), std::pair(165, 973));
        EXPECT_EQ(ReadRom(path).list.EggMoveListLines, rom.list.EggMoveListLines);
        ASSERT_EQ(SaveEggMoveTable(rom), SaveResult::Saved);
        EXPECT_EQ(ReadFileBytes(path), before);
    }
}

TEST_F(Loading, IllegalEntriesAreRepairedInTheFileOnYesAndNoStops) {
    SyntheticRom image = DefaultRom("BPRE");
    const std::pair<int, std::uint16_t> illegal[] = {
        {2, 0x0000}, {3, 0x0163}, {40, 0x4E1F}, {41, 0x4FBC}, {900, 0x1234}};
    for (auto [i, value] : illegal) image.table[i] = value;
    Write(image);
    const Bytes repaired = With({{2, 1}, {3, 1}, {40, 20000}, {41, 20000}, {900, 20000}});

    ASSERT_EQ(Load({true, true, false}), LoadResult::Declined);
    EXPECT_EQ(ReadFileBytes(path), With({{2, 1}, {3, 1}})) << "the first two repairs stay";
    EXPECT_FALSE(rom.complete);
    EXPECT_EQ(SaveEggMoveTable(rom), SaveResult::NothingToSave);

    ASSERT_EQ(Load({true, true, true}), LoadResult::Completed);
    EXPECT_EQ(questions, 3u);
    EXPECT_EQ(ReadFileBytes(path), repaired);
    EXPECT_EQ(rom.list.EggMoveListLines[3], "    MOVE1");
    EXPECT_EQ(rom.list.EggMoveListLines[900], "SPECIES0");
    EXPECT_EQ(rom.list.SpeciesCount + rom.list.MoveCount, EggMoveEntryCount);
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
    image = DefaultRom("BPRE");
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

// Moved and enlarged by another tool: 1200 entries where the words say.
TEST_F(Loading, AMovedTableIsReadRepairedAndSavedWhereTheGameReadsIt) {
    constexpr std::int32_t Moved = 0x600000;
    SyntheticRom image = DefaultRom("BPRE", 1);
    image.tableAt = Moved;
    image.table.resize(1200, 20001);
    image.words = GameWordsFor(Moved);
    image.words[2] = 1199;
    image.table[5] = 0x0000;
    Write(image);
    ASSERT_EQ(Load({true}), LoadResult::Completed);
    EXPECT_EQ(warnings, 0);
    EXPECT_EQ(rom.table, (TableLocation{TablePlace::Moved, Moved, 1200, true}));
    EXPECT_EQ(rom.list.EggMoveListLines.size(), 1200u);
    EXPECT_EQ(ReadFileBytes(path), With({{5, 1}}, Moved));
    const Bytes repaired = ReadFileBytes(path);
    PutEntry(rom.list, rom.names, 0, 20007);
    PutEntry(rom.list, rom.names, 1199, 20008);
    ASSERT_EQ(SaveEggMoveTable(rom), SaveResult::Saved);
    before = repaired;
    EXPECT_EQ(ReadFileBytes(path), With({{0, 20007}, {1199, 20008}}, Moved));
}

// A save into a file that is no longer the ROM that was loaded, or that cannot be
// written, writes nothing, creates nothing, and keeps the table in memory.
TEST_F(Loading, ASaveIntoAFileThatIsNoLongerTheLoadedRomWritesNothing) {
    // Another game, another revision, or the same with its table moved since.
    const auto replace = [](const fs::path& p, std::string_view code, std::uint8_t revision,
                            std::vector<std::uint32_t> words = {}) {
        SyntheticRom other = DefaultRom(code, revision);
        other.size = fs::file_size(p);
        other.words = words;
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
        {[&](const fs::path& p) { replace(p, "BPRE", 0, GameWordsFor(0x240000)); }, nullptr},
    };
    for (const auto& [spoil, opener] : cases) {
        SyntheticRom image = DefaultRom("BPRE");
        image.size = TableOffset("BPRE") + 0x10000;
        Write(image);
        ASSERT_EQ(Load(), LoadResult::Completed);
        PutEntry(rom.list, rom.names, 10, 20005);
        const auto table = rom.list.EggMoveTable;
        if (spoil) spoil(path);
        const bool exists = fs::is_regular_file(path);
        const Bytes held = exists ? ReadFileBytes(path) : Bytes{};
        ScopedOpener scoped(opener ? opener : OpenFileForUpdate);
        EXPECT_EQ(SaveEggMoveTable(rom), SaveResult::Failed);
        EXPECT_EQ(rom.list.EggMoveTable, table);
        EXPECT_EQ(fs::is_regular_file(path), exists);
        EXPECT_EQ(exists ? ReadFileBytes(path) : Bytes{}, held);
        fs::remove_all(path);
    }
    Rom none;
    EXPECT_EQ(SaveEggMoveTable(none), SaveResult::NothingToSave);
}

}  // namespace
