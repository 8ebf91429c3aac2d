// Growing the table into free space: where it goes, what it leaves alone, when
// it is refused, and what a failure halfway leaves.
#include <gtest/gtest.h>

#include "rom/free_space.h"
#include "rom/loader.h"
#include "rom/saver.h"
#include "rom/update_stream.h"
#include "tests/support/files.h"
#include "tests/support/openers.h"
#include "tools/synthetic_rom.h"

namespace {

// Room after the table for 16384 entries and more, padded with 0xFF as games end.
constexpr std::uint64_t Tail = 0x9000;

SyntheticRom PaddedRom(const GameVersion& v) {
    SyntheticRom image = DefaultRom(v.code, v.revision == AnyRevision ? 0 : v.revision);
    image.padFrom = v.EggMoveOffset + 2 * EggMoveEntryCount + 2;
    image.size = image.padFrom + 4 * Tail;
    return image;
}

class Growing : public ::testing::Test {
  protected:
    SaveResult Grow(int count, std::optional<std::int64_t> at = std::nullopt) {
        rom = ReadRom(path);
        EggMoveEntries entries = rom.list.EggMoveTable;
        entries.resize(count, EndMarkEntry);
        return WriteEggMoveTable(rom, entries, at);
    }
    TempDir dir;
    std::string path = (dir / "rom.gba").string();
    Rom rom;
};

// Every release loads with no question nor warning and saves back byte for byte.
// Then only the new table with its terminator and the three words of the routine
// found change, whether at the release's place or moved (the French releases too),
// and the words then say where the new table is and how long.
TEST_F(Growing, EachReleaseLoadsSavesAndGrowsIntoTheHighestFreePlace) {
    for (const GameVersion& v : GameVersionTable) {
        if (!v.EggMoveOffset) continue;
        for (const std::int64_t routine : {std::int64_t(v.RoutineOffset), std::int64_t(0x100002)}) {
            if (!routine && v.RoutineOffset) continue;
            const int count = routine == v.RoutineOffset ? EggMoveEntryCount + 1 : MaxEntryCount;
            SCOPED_TRACE(std::string(v.code) + " " + std::to_string(v.revision) + " routine " +
                         std::to_string(routine));
            SyntheticRom image = PaddedRom(v);
            image.routines = {routine ? routine : SyntheticRom::KnownRoutine};
            WriteRom(path, image);
            const Bytes before = ReadFileBytes(path);
            int questions = 0;
            const auto ask = [&](int, std::uint16_t) { return ++questions, true; };
            ASSERT_EQ(LoadRom(rom, path, {nullptr, [&] { ++questions; }, ask}),
                      LoadResult::Completed);
            EXPECT_EQ(questions, 0);
            EXPECT_EQ(rom.release.version, &v);
            EXPECT_EQ(std::pair(rom.list.SpeciesCount, rom.list.MoveCount), std::pair(165, 973));
            EXPECT_EQ(ReadRom(path).list.EggMoveListLines, rom.list.EggMoveListLines);
            ASSERT_EQ(SaveEggMoveTable(rom), SaveResult::Saved);
            ASSERT_EQ(ReadFileBytes(path), before);
            if (!routine) continue;  // no routine to point at a grown table
            ASSERT_EQ(Grow(count), SaveResult::Grown);
            const Bytes after = ReadFileBytes(path);
            ASSERT_EQ(after.size(), before.size());
            const std::int64_t at = (before.size() - 2 * count - 2) / 4 * 4;
            const GameWords w = RoutineWords(routine);
            EXPECT_EQ(std::tuple(rom.table.place, rom.table.EggMoveOffset, rom.table.entryCount,
                                 rom.table.words),
                      std::tuple(TablePlace::Moved, at, count, w));
            // The whole file: the new table, the three words, and not one byte more.
            Bytes expected = before;
            for (int i = 0; i < 2 * count + 2; ++i)
                expected[at + i] = i < 2 * EggMoveEntryCount ? before[v.EggMoveOffset + i] : 0xFF;
            for (const auto& [word, value] : {std::pair(w.tablePointer1, RomBusAddress + at),
                                              {w.tablePointer2, RomBusAddress + at},
                                              {w.searchLimit, std::uint32_t(count - 1)}})
                for (int b = 0; b < 4; ++b) expected[word + b] = std::uint8_t(value >> 8 * b);
            ASSERT_EQ(after, expected);
            const Rom grown = ReadRom(path);
            EXPECT_EQ(grown.table, rom.table);
            EXPECT_EQ(grown.afterTable, EndMarkEntry);
            EXPECT_EQ(std::count(grown.list.EggMoveTable.begin(), grown.list.EggMoveTable.end(),
                                 EndMarkEntry),
                      count - EggMoveEntryCount);
        }
    }
}

TEST_F(Growing, WhatCannotGrowIsRefusedAndNothingIsWritten) {
    const GameVersion& fireRed = GameVersionTable[3];
    const auto spoiled = [&](auto change) {
        SyntheticRom image = PaddedRom(fireRed);
        change(image);
        return image;
    };
    // A table another tool moved, whose terminator ends at a 4-aligned offset
    // where free space begins: a table may go flush against it.
    const SyntheticRom flush = spoiled([](SyntheticRom& i) {
        i.tableAt = 0x600000;
        i.table.resize(1199, 20001);
        i.words = GameWordsFor(0x600000);
        i.words[2] = 1198;
        i.padFrom = 0x600960;
        i.size = i.padFrom + 0x8000;
    });
    const auto freeUpTo = [&](std::uint64_t size) {
        return spoiled([=](SyntheticRom& i) { i.padFrom = 0x25F7F4, i.size = size; });
    };
    // The highest place a table of 1200 entries takes.
    const std::int64_t top = (PaddedRom(fireRed).size - 2402) / 4 * 4;
    const struct {
        SyntheticRom image;
        int count;
        std::optional<std::int64_t> at;
        SaveResult result;
    } cases[] = {
        // clang-format off
        {spoiled([](SyntheticRom& i) { i.code = "BPRF"; }), 1200, {}, SaveResult::CannotMove},
        {spoiled([](SyntheticRom& i) { i.routines.clear(); }), 1200, {}, SaveResult::CannotMove},
        {spoiled([](SyntheticRom& i) { i.routines = {0x100000, 0x100100}; }), 1200, {}, SaveResult::ReadOnly},
        {spoiled([](SyntheticRom& i) { i.words = GameWordsFor(0x25EF0C), i.words[2] = 20000; }), 1200, {}, SaveResult::ReadOnly},
        {spoiled([](SyntheticRom& i) { i.padFrom = 0; }), 1200, {}, SaveResult::NoRoom},
        {PaddedRom(fireRed), 1138, {}, SaveResult::Saved},  // in place, at its size
        {PaddedRom(fireRed), MaxEntryCount + 1, {}, SaveResult::Failed},
        {PaddedRom(fireRed), 1200, top - 2, SaveResult::PlaceTaken},  // free, but not 4-aligned
        {PaddedRom(fireRed), 1200, top + 4, SaveResult::PlaceTaken},  // past the end
        {PaddedRom(fireRed), 1200, top, SaveResult::Grown},
        {flush, 1300, 0x600960, SaveResult::Grown},
        // Free space of exactly the margin and 1200 entries with their terminator, and
        // one byte less.
        {freeUpTo(0x260166), 1200, {}, SaveResult::Grown},
        {freeUpTo(0x260165), 1200, {}, SaveResult::NoRoom},
        {flush, 1300, 0x60095C, SaveResult::PlaceTaken},
        // Over the old table's terminator, which is 0xFF but taken.
        {PaddedRom(fireRed), 1200, fireRed.EggMoveOffset + 2276, SaveResult::PlaceTaken},
        // clang-format on
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        WriteRom(path, cases[i].image);
        const Bytes before = ReadFileBytes(path);
        EXPECT_EQ(Grow(cases[i].count, cases[i].at), cases[i].result) << "case " << i;
        const bool grew = cases[i].result == SaveResult::Grown;
        EXPECT_EQ(ReadFileBytes(path) == before, !grew) << "case " << i;
    }
}

// Neither a growth to the table's own size nor a write past the file's end is
// carried out, whoever asks.
TEST_F(Growing, NoGrowthToTheSameSizeNorAWritePastTheEnd) {
    WriteRom(path, PaddedRom(GameVersionTable[3]));
    rom = ReadRom(path);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(PlanGrowth(in, rom, rom.table.entryCount, {}).problem, SaveResult::Failed);
    std::stringstream file(std::string(4, 'x'));
    const unsigned char bytes[2] = {1, 2};
    EXPECT_FALSE(WriteInPlace(file, 3, bytes, 2));
    EXPECT_EQ(file.str(), "xxxx");
}

// The shortest run kept is one that takes a table of one entry after the margin,
// even where it runs on into the table, which is never free.
TEST_F(Growing, AFreeRunEndingAtTheTableCountsFromItsShortestLength) {
    const std::int64_t at = GameVersionTable[3].EggMoveOffset;
    for (const int length : {19, 20}) {
        SyntheticRom image = PaddedRom(GameVersionTable[3]);
        image.table[0] = EndMarkEntry;  // the run goes on into the table
        WriteRom(path, image);
        Poke(path, at - length, Bytes(static_cast<std::size_t>(length), 0xFF));
        rom = ReadRom(path);
        std::ifstream file(path, std::ios::binary);
        const std::vector<FreeRun> runs = FindFreeRuns(file, rom);
        ASSERT_FALSE(runs.empty());
        EXPECT_EQ(runs.front().begin == at - 20 && runs.front().end == at, length == 20);
    }
}

// Stopped after each write in turn, growing leaves a file the game and Quenmark
// both read as before or as grown, and growing again completes the job; a grown
// table grows again below itself.
TEST_F(Growing, AFailureAfterAnyWriteLeavesTheOldTableOrTheNewOne) {
    for (int writes = 0; writes < 2; ++writes) {
        SCOPED_TRACE(writes);
        WriteRom(path, PaddedRom(GameVersionTable[3]));
        {
            ScopedOpener failing(CountingOpener);
            WritesAllowed = writes;
            ASSERT_EQ(Grow(1300), SaveResult::Failed);
        }
        int warnings = 0;
        Rom read;
        ASSERT_EQ(LoadRom(read, path, {nullptr, [&] { ++warnings; }, nullptr}),
                  LoadResult::Completed);
        EXPECT_EQ(warnings, 0);
        EXPECT_EQ(read.table.entryCount, EggMoveEntryCount);
        EXPECT_EQ(read.list.EggMoveTable, DefaultRom().table);
        ASSERT_EQ(Grow(1300), SaveResult::Grown);
        EXPECT_EQ(ReadRom(path).table.entryCount, 1300);
        const std::int64_t first = rom.table.EggMoveOffset;
        ASSERT_EQ(Grow(1400), SaveResult::Grown);
        EXPECT_EQ(rom.table.EggMoveOffset, (first - 2 * 1400 - 2) / 4 * 4);
    }
}

}  // namespace
