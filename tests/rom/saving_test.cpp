// Saving without losing anything: each cause of a refused save, changes made on
// disk by another program, any state of the history saveable, and copies.
#include <gtest/gtest.h>

#include <functional>

#include "eggmoves/history.h"
#include "rom/open_problem.h"
#include "rom/saver.h"
#include "tests/support/files.h"
#include "tests/support/openers.h"
#include "tools/synthetic_rom.h"

namespace {

namespace fs = std::filesystem;

const GameVersion& FireRed = GameVersionTable[3];
const std::int64_t At = FireRed.EggMoveOffset;

// Fire Red with its routine and 0xFF free space after the table.
SyntheticRom Padded() {
    SyntheticRom image = DefaultRom("BPRE");
    image.padFrom = At + 2 * EggMoveEntryCount + 2;
    image.size = image.padFrom + 0x8000;
    return image;
}

class Saving : public ::testing::Test {
  protected:
    void Load(const SyntheticRom& image = Padded()) {
        WriteRom(path, image);
        ASSERT_EQ(LoadRom(rom, path, {}), LoadResult::Completed);
    }
    // Saves entries and checks the file: unchanged when nothing was written, else
    // reading back as entries (then end marks) with only the table and the game's
    // words changed.
    SaveOutcome SaveAndCheck(const EggMoveEntries& entries, bool overwrite) {
        const bool exists = fs::is_regular_file(path);
        const Bytes held = exists ? ReadFileBytes(path) : Bytes{};
        const SaveOutcome outcome = SaveTable(rom, entries, overwrite);
        if (!outcome.Written()) {
            EXPECT_EQ(fs::is_regular_file(path), exists);
            EXPECT_EQ(exists ? ReadFileBytes(path) : Bytes{}, held);
            return outcome;
        }
        const Rom back = ReadRom(path);
        EggMoveEntries padded = entries;
        padded.resize(static_cast<std::size_t>(back.table.entryCount), EndMarkEntry);
        EXPECT_EQ(back.list.EggMoveTable, padded);
        const std::int64_t from = back.table.EggMoveOffset,
                           to = from + 2 * back.table.entryCount + 2;
        const Bytes now = ReadFileBytes(path);
        for (std::int64_t o = 0; o < std::ssize(held) && o < std::ssize(now); ++o)
            EXPECT_TRUE(held[o] == now[o] || (o >= from && o < to) ||
                        CoversGameData(o, 1, rom.table.words))
                << o;
        EXPECT_FALSE(ChangedOnDisk(*OpenForUpdate(path), rom))
            << "the written bytes are remembered";
        return outcome;
    }
    TempDir dir;
    std::string path = (dir / "rom.gba").string();
    Rom rom;
};

TEST_F(Saving, EachRefusalNamesItsOneCauseAndLeavesTheFileAsItIs) {
    const auto other = [](std::string_view code, std::uint8_t revision,
                          std::vector<std::uint32_t> words) {
        return [=](const fs::path& p) {
            SyntheticRom image = DefaultRom(code, revision);
            image.words = words;
            image.size = fs::file_size(p);
            WriteRom(p, image);
        };
    };
    const auto poke = [](std::int64_t at, Bytes bytes) {
        return [=](const fs::path& p) { Poke(p, at, bytes); };
    };
    const struct {
        const char* what;
        std::function<void(const fs::path&)> meanwhile;  // another program's doing
        UpdateStreamOpener opener;
        int count;  // entries saved
        bool overwrite;
        SaveCause cause;
        const char* reason;
    } cases[] = {
        // clang-format off
        {"unchanged", nullptr, nullptr, 1138, false, SaveCause::None, ""},
        {"a row changed", poke(At + 6, {7, 0}), nullptr, 1138, false, SaveCause::ChangedOnDisk, ""},
        {"a row changed, overwritten", poke(At + 6, {7, 0}), nullptr, 1138, true, SaveCause::None, ""},
        {"the terminator changed", poke(At + 2276, {1}), nullptr, 1138, false, SaveCause::ChangedOnDisk, ""},
        {"a name changed, kept", poke(FireRed.SpeciesNameOffset + 11, {0xBB}), nullptr, 1138, false, SaveCause::None, ""},
        {"a row changed, then a grown save", poke(At, {7, 0}), nullptr, 1200, false, SaveCause::ChangedOnDisk, ""},
        {"free space partly taken, grown below it", [](auto& p) { Poke(p, fs::file_size(p) - 0x100, {0x12}); }, nullptr, 1200, false, SaveCause::None, ""},
        {"free space all taken", poke(At + 2278, Bytes(0x8000, 0x12)), nullptr, 1200, false, SaveCause::NoRoom, ""},
        {"shorter, padded", nullptr, nullptr, 1000, false, SaveCause::None, ""},
        {"gone", [](auto& p) { fs::remove(p); }, nullptr, 1138, true, SaveCause::FileGone, ""},
        {"a folder now", [](auto& p) { fs::remove(p), fs::create_directory(p); }, nullptr, 1138, true, SaveCause::FileGone, ""},
        // Root writes through a read-only file: the seam refuses instead.
        {"unwritable", nullptr, RefusingOpener, 1138, true, SaveCause::CannotWrite, "Permission denied"},
        {"every write fails", nullptr, ReadOnlyOpener, 1138, true, SaveCause::CannotWrite, ""},
        {"another game", other("AXVE", 0, {}), nullptr, 1138, true, SaveCause::OtherGame, ""},
        {"another version", other("BPRE", 1, {}), nullptr, 1138, true, SaveCause::OtherGame, ""},
        {"too short for a header", [](auto& p) { fs::resize_file(p, 100); }, nullptr, 1138, true, SaveCause::OtherGame, ""},
        {"table moved", other("BPRE", 0, GameWordsFor(0x240000)), nullptr, 1138, true, SaveCause::TableMoved, ""},
        {"cut short", [](auto& p) { fs::resize_file(p, At + 100); }, nullptr, 1138, true, SaveCause::CutShort, ""},
        {"too large", nullptr, nullptr, MaxEntryCount + 1, true, SaveCause::TooLarge, ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Load();
        EggMoveEntries entries = rom.list.EggMoveTable;
        entries[3] = 20005;
        entries.resize(static_cast<std::size_t>(c.count), EndMarkEntry);
        if (c.meanwhile) c.meanwhile(path);
        ScopedOpener opener(c.opener ? c.opener : OpenFileForUpdate);
        const SaveOutcome outcome = SaveAndCheck(entries, c.overwrite);
        EXPECT_EQ(outcome.cause, c.cause);
        EXPECT_TRUE(!*c.reason || outcome.reason == c.reason) << outcome.reason;
        EXPECT_EQ(outcome.result, c.cause == SaveCause::NoRoom ? SaveResult::NoRoom
                                  : outcome.Written()          ? rom.table.entryCount == c.count &&
                                                                c.count > EggMoveEntryCount
                                                                     ? SaveResult::Grown
                                                                     : SaveResult::Saved
                                                               : SaveResult::Failed);
        fs::remove_all(path);
    }
    // Nothing loaded, and a table the game does not read.
    Rom none;
    EXPECT_EQ(SaveTable(none, {}, true).result, SaveResult::NothingToSave);
    SyntheticRom foreign = Padded();
    foreign.words = {RomBusAddress + At, RomBusAddress + At, 20000};
    Load(foreign);
    EXPECT_EQ(SaveTable(rom, rom.list.EggMoveTable, true).cause, SaveCause::ForeignTable);
    // Cut short inside the table its routine points at: that, not a foreign table, is the cause.
    const TempDir cut;
    WriteRom(cut / "cut.gba", Padded());
    fs::resize_file(cut / "cut.gba", At + 100);
    Rom shortRom = ReadRom((cut / "cut.gba").string());
    EXPECT_EQ(SaveTable(shortRom, shortRom.list.EggMoveTable, true).cause, SaveCause::CutShort);
    EXPECT_EQ(GrowthCause(GrowthProblem(shortRom)), SaveCause::CutShort);
}

// After a refusal for changes on disk, a reload starts from the file as it is;
// a repair is this program's own write, not a change.
TEST_F(Saving, ReloadAndRepairsDoNotCountAsChanges) {
    SyntheticRom image = Padded();
    image.table[9] = 0x0000;
    WriteRom(path, image);
    ASSERT_EQ(LoadRom(rom, path,
                      {nullptr, nullptr,
                       [](int row, std::uint16_t value) { return row == 9 && value == 0; }}),
              LoadResult::Completed);
    EXPECT_TRUE(SaveTable(rom, rom.list.EggMoveTable, false).Written());
    Poke(path, At, {0x07, 0x00});
    EXPECT_EQ(SaveTable(rom, rom.list.EggMoveTable, false).cause, SaveCause::ChangedOnDisk);
    ASSERT_EQ(LoadRom(rom, path, {}), LoadResult::Completed);
    EXPECT_EQ(SaveAndCheck(rom.list.EggMoveTable, false).cause, SaveCause::None);
}

// Enlarge, Save (grown), Undo, Save (padded in the new place), Redo, Save: each
// writes, and the file reads back as the list.
TEST_F(Saving, UndoPastAGrownSaveThenRedoAlwaysSaves) {
    Load();
    EditHistory history;
    DoEdit(history, rom.list, rom.names, *EnlargeEdit(rom.list, 100));
    DoEdit(history, rom.list, rom.names, *ChangeEdit(rom.list, rom.names, 1140, 5));
    EXPECT_EQ(SaveAndCheck(rom.list.EggMoveTable, false).result, SaveResult::Grown);
    const TableLocation grown = rom.table;
    ASSERT_TRUE(UndoEdit(history, rom.list, rom.names));
    ASSERT_TRUE(UndoEdit(history, rom.list, rom.names));
    ASSERT_EQ(rom.list.EggMoveTable.size(), 1138u);
    EXPECT_EQ(SaveAndCheck(rom.list.EggMoveTable, false).result, SaveResult::Saved);
    EXPECT_EQ(rom.table, grown);
    ASSERT_TRUE(RedoEdit(history, rom.list, rom.names));
    ASSERT_TRUE(RedoEdit(history, rom.list, rom.names));
    EXPECT_EQ(SaveAndCheck(rom.list.EggMoveTable, false).result, SaveResult::Saved);
    EXPECT_EQ(ReadRom(path).list.EggMoveTable[1140], 20005);
}

// A copy is byte for byte what a save in place gives on a copy of the file, and
// the original stays as it was; a grown copy is the ROM from then on.
TEST_F(Saving, ACopyIsWhatASaveInPlaceGivesAndLeavesTheOriginal) {
    Load();
    const Bytes original = ReadFileBytes(path);
    EggMoveEntries entries = rom.list.EggMoveTable;
    entries[3] = 20005;
    entries.resize(1200, EndMarkEntry);
    const std::string inPlace = (dir / "in-place.gba").string(), copy = (dir / "copy.gba").string();
    fs::copy_file(path, inPlace);
    Rom other = rom;
    other.path = inPlace;
    ASSERT_TRUE(SaveTable(other, entries, false).Written());
    WriteRom(copy, DefaultRom("AXVE"));  // replaced
    ASSERT_TRUE(SaveCopy(rom, entries, copy, false).Written());
    EXPECT_EQ(ReadFileBytes(copy), ReadFileBytes(inPlace));
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_EQ(rom.path, copy);
    EXPECT_EQ(rom.table, other.table);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3)
        << "no temporary file is left";
    EXPECT_EQ(SaveCopy(rom, rom.list.EggMoveTable, (dir / "." / "copy.gba").string(), true).cause,
              SaveCause::SameFile);
    const SaveOutcome nowhere =
        SaveCopy(rom, rom.list.EggMoveTable, (dir / "none" / "x.gba").string(), true);
    EXPECT_EQ(std::pair(nowhere.cause, nowhere.reason),
              std::pair(SaveCause::CannotWrite, std::string("No such file or directory")));
    EXPECT_EQ(rom.path, (dir / "copy.gba").string());
    fs::remove(rom.path);
    EXPECT_EQ(SaveCopy(rom, rom.list.EggMoveTable, path, true).cause, SaveCause::FileGone);
}

TEST(SaveCauses, EveryCauseIsOneSentenceEndedOnce) {
    for (int c = static_cast<int>(SaveCause::NothingLoaded);
         c <= static_cast<int>(SaveCause::SameFile); ++c)
        for (const char* reason : {"Permission denied", "The request is not allowed."}) {
            const Words words = SaveCauseWords(static_cast<SaveCause>(c), "rom.gba", reason);
            for (const std::string& text : {words.english, words.french}) {
                EXPECT_EQ(text.find(".."), std::string::npos) << text;
                EXPECT_EQ(text.back(), '.') << text;
            }
        }
    EXPECT_EQ(SaveCauseWords(SaveCause::CannotWrite, "a", "No space left on device").english,
              "a cannot be written: No space left on device. Nothing was written.");
}

TEST_F(Saving, OpenProblemsAndTheirWords) {
    const auto sized = [](std::size_t n) {
        return [n](const fs::path& p) { std::ofstream(p) << std::string(n, 'x'); };
    };
    const struct {
        std::function<void(const fs::path&)> make;
        OpenProblem problem;
        const char* english;
    } cases[] = {
        {nullptr, OpenProblem::Missing, "The file does not exist: P"},
        {[](auto& p) { fs::create_directory(p); }, OpenProblem::Folder,
         "P is a folder, not a file"},
        {sized(0xBF), OpenProblem::TooShort, "The file is too short to be a Game Boy Advance rom"},
        {sized(0xC0), OpenProblem::None, ""},
    };
    for (const auto& c : cases) {
        const fs::path p = dir / "p";
        fs::remove_all(p);
        if (c.make) c.make(p);
        const OpenCheck check = CheckRomPath(p.string());
        EXPECT_EQ(check.problem, c.problem) << c.english;
        EXPECT_EQ(OpenProblemWords(check, "P").english, c.english);
    }
    EXPECT_EQ(OpenProblemWords({OpenProblem::Folder, {}}, "P").french,
              "P est un dossier, pas un fichier");

    SyntheticRom cut = DefaultRom("BPRE");
    cut.size = At + 100;
    Load(cut);
    EXPECT_EQ(CutShortWords(rom).english,
              "This rom is cut short: it ends at 0x25EF70, inside the egg move list (0x25EF0C to "
              "0x25F7F0). Quenmark shows what it holds and will write nothing to it.");
    EXPECT_TRUE(rom.writable);
    ScopedOpener refuse(RefusingOpener);
    Load();
    EXPECT_FALSE(rom.writable);
}

}  // namespace
