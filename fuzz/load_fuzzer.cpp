// libFuzzer target: arbitrary bytes as a ROM (see fuzz_input.h) through the whole
// load, once answering every repair question with Yes and once with No, each
// followed by a save; traps as soon as something that must always hold does not.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "eggmoves/table.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/image_file.h"
#include "rom/loader.h"
#include "rom/saver.h"
#include "rom/versions.h"
#include "tests/support/program_state.h"

#define FUZZ_CHECK(condition)                                                            \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            __builtin_trap();                                                            \
        }                                                                                \
    } while (false)

namespace {

// The slicing in fuzz_input.cpp relies on this order.
static_assert(std::ranges::all_of(GameVersionTable, [](const GameVersion& v) {
    return GameCodeOffset + 4 <= v.speciesNameOffset && v.speciesNameOffset < v.moveNameOffset &&
           v.moveNameOffset < v.eggMoveOffset;
}));

struct Repair {
    int entry;
    std::uint16_t filler;
};

// What the table bytes alone say a load must do, from the rules of the format
// written out again here, so a fault in the loader's own checks cannot hide.
struct TableExpectation {
    std::vector<Repair> repairs;            // the questions, in table order
    std::vector<std::uint16_t> beforeMark;  // entries before any 0xFFFF, repairs applied
};

TableExpectation ExpectTable(const ByteString& table) {
    // The table slice is the last region, so whatever it lacks lies past the end: 0xFF.
    const auto byte = [&table](std::size_t k) -> std::uint16_t {
        return k < table.size() ? table[k] : 0xFF;
    };
    TableExpectation e;
    for (int i = 0; i < EggMoveEntryCount; ++i) {
        const auto value = static_cast<std::uint16_t>(byte(2 * i) | byte(2 * i + 1) << 8);
        if (value == 0xFFFF) break;
        const int high = value >> 8;
        const bool move = high <= 0x01;
        const bool legal = move
                               ? value >= 1 && value <= 354
                               : (high == 0x4E || high == 0x4F) && value >= 20000 && value <= 20411;
        const std::uint16_t filler = move ? 0x0001 : 0x4E20;
        if (!legal) e.repairs.push_back({i, filler});
        e.beforeMark.push_back(legal ? value : filler);
    }
    return e;
}

// The image after the accepted repairs that fit in the file.
FuzzRom Repaired(FuzzRom image, const std::vector<Repair>& repairs) {
    ByteString& table = image.regions[TableRegion].bytes;
    for (const Repair& r : repairs) {
        const std::size_t at = 2 * static_cast<std::size_t>(r.entry);
        if (at + 1 >= table.size()) continue;
        table[at] = static_cast<std::uint8_t>(r.filler & 0xFF);
        table[at + 1] = static_cast<std::uint8_t>(r.filler >> 8);
    }
    return image;
}

struct Pass {
    LoadResult result = LoadResult::Unsupported;
    int questions = 0;
    int choicesReady = 0;
    bool askedBeforeChoices = false;
};

Pass Load(const std::string& path, bool answer) {
    ResetProgramState();
    Pass p;
    p.result = LoadRom(path, {[&p] { ++p.choicesReady; },
                              [&p, answer] {
                                  p.askedBeforeChoices |= p.choicesReady == 0;
                                  ++p.questions;
                                  return answer;
                              }});
    return p;
}

void CheckTableInMemory(const std::vector<std::uint16_t>& beforeMark) {
    FUZZ_CHECK(std::equal(beforeMark.begin(), beforeMark.end(), EggMoveTable.begin()));
    std::int32_t species = 0, moves = 0;
    for (int i = 0; i < EggMoveEntryCount; ++i) {
        const std::uint16_t entry = EggMoveTable[i];
        species += EntryKind(entry) == Kind::Species;
        moves += EntryKind(entry) == Kind::Move;
        FUZZ_CHECK(EggMoveListLines[i] == EntryLine(entry));
    }
    FUZZ_CHECK(SpeciesCount == species);
    FUZZ_CHECK(MoveCount == moves);
}

void CheckChoices() {
    FUZZ_CHECK(std::equal(SpeciesNames.begin(), SpeciesNames.end(), EntryChoices.begin()));
    FUZZ_CHECK(
        std::equal(MoveNames.begin(), MoveNames.end(), EntryChoices.begin() + SpeciesNameCount));
}

void CheckUnsupported(const std::string& path, const FuzzRom& image, const Pass& pass) {
    FUZZ_CHECK(pass.result == LoadResult::Unsupported);
    FUZZ_CHECK(pass.choicesReady == 0 && pass.questions == 0);
    FUZZ_CHECK(!FileOpen && LoadedRom.path.empty());
    FUZZ_CHECK(EggMoveOffset == 0);
    FUZZ_CHECK(SaveEggMoveTable() == SaveResult::NothingToSave);
    FUZZ_CHECK(FileHolds(path, image));
}

void CheckLoad(const std::string& path, const FuzzRom& image, bool yes, const Pass& pass) {
    const GameVersion& v = *image.version;
    FUZZ_CHECK(FileOpen);
    FUZZ_CHECK(SpeciesNameOffset == v.speciesNameOffset && MoveNameOffset == v.moveNameOffset &&
               EggMoveOffset == v.eggMoveOffset);
    FUZZ_CHECK(pass.choicesReady == 1 && !pass.askedBeforeChoices);
    CheckChoices();

    const ByteString& table = image.regions[TableRegion].bytes;
    const TableExpectation expect = ExpectTable(table);
    const bool clean = expect.repairs.empty();
    // A No stops at the first question; a Yes goes through all of them.
    FUZZ_CHECK(pass.questions == (yes ? static_cast<int>(expect.repairs.size()) : clean ? 0 : 1));
    const FuzzRom after = yes ? Repaired(image, expect.repairs) : image;
    FUZZ_CHECK(FileHolds(path, after));

    if (!yes && !clean) {
        FUZZ_CHECK(pass.result == LoadResult::Declined);
        FUZZ_CHECK(LoadedRom.path.empty());
        FUZZ_CHECK(SaveEggMoveTable() == SaveResult::NothingToSave);
        FUZZ_CHECK(FileHolds(path, after));
        return;
    }
    FUZZ_CHECK(pass.result == LoadResult::Completed);
    FUZZ_CHECK(LoadedRom.path == path);
    const bool whole = table.size() >= EggMoveTableSize;
    FUZZ_CHECK(LoadedRom.regionWhole == whole);
    CheckTableInMemory(expect.beforeMark);
    // Saving an unedited table writes back the file's own bytes, or nothing at all.
    FUZZ_CHECK(SaveEggMoveTable() == (whole ? SaveResult::Saved : SaveResult::Failed));
    FUZZ_CHECK(FileHolds(path, after));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzRom image = DecodeFuzzInput({data, size});
    const std::string& path = ScratchRomPath();
    for (const bool yes : {true, false}) {
        WriteImageFile(path, image);
        const Pass pass = Load(path, yes);
        if (image.version) {
            CheckLoad(path, image, yes, pass);
        } else {
            CheckUnsupported(path, image, pass);
        }
    }
    return 0;
}
