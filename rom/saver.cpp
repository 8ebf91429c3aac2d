#include "rom/saver.h"

#include <vector>

#include "rom/free_space.h"
#include "rom/rom_file.h"
#include "rom/update_stream.h"

namespace {

std::vector<unsigned char> LittleEndian(const EggMoveEntries& entries) {
    std::vector<unsigned char> bytes;
    bytes.reserve(2 * entries.size());
    for (const std::uint16_t entry : entries)
        bytes.insert(bytes.end(), {static_cast<unsigned char>(entry & 0xFF),
                                   static_cast<unsigned char>(entry >> 8)});
    return bytes;
}

void PutWord(Bytes& bytes, std::size_t at, std::uint32_t word) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(word >> 8 * i);
}

// The new table, then its terminator, written and flushed first; then the three
// words in one write of the span that holds them. A failure at any point leaves
// the game reading the old table or the new one, whose first entries are the same.
bool WriteGrown(std::iostream& file, const GameWords& w, const EggMoveEntries& entries,
                std::int64_t offset) {
    std::vector<unsigned char> bytes = LittleEndian(entries);
    bytes.insert(bytes.end(), {0xFF, 0xFF});
    if (!WriteInPlace(file, offset, bytes.data(), bytes.size())) return false;
    const std::int32_t low = std::min({w.tablePointer1, w.tablePointer2, w.searchLimit});
    const std::int32_t high = std::max({w.tablePointer1, w.tablePointer2, w.searchLimit}) + 4;
    Bytes span = ReadRomBytes(file, low, static_cast<std::size_t>(high - low));
    const auto pointer = static_cast<std::uint32_t>(RomBusAddress + offset);
    PutWord(span, w.tablePointer1 - low, pointer);
    PutWord(span, w.tablePointer2 - low, pointer);
    PutWord(span, w.searchLimit - low, static_cast<std::uint32_t>(entries.size() - 1));
    return WriteInPlace(file, low, span.data(), span.size());
}

}  // namespace

SaveResult GrowthProblem(const Rom& rom) {
    if (!rom.complete || !rom.release.version) return SaveResult::NothingToSave;
    if (IsReadOnly(rom)) return SaveResult::ReadOnly;
    if (!rom.table.pointed) return SaveResult::CannotMove;
    if (!rom.regionWhole) return SaveResult::Failed;
    return SaveResult::Saved;
}

GrowthPlan PlanGrowth(std::istream& file, const Rom& rom, int count,
                      std::optional<std::int64_t> at) {
    if (const SaveResult problem = GrowthProblem(rom); problem != SaveResult::Saved)
        return {problem};
    if (count <= rom.table.entryCount || count > MaxEntryCount) return {SaveResult::Failed};
    if (at) {
        if (!PlaceIsFree(file, rom, *at, count)) return {SaveResult::PlaceTaken};
        return {SaveResult::Grown, *at};
    }
    const std::optional<std::int64_t> place = HighestPlace(FindFreeRuns(file, rom), count);
    if (!place) return {SaveResult::NoRoom};
    return {SaveResult::Grown, *place};
}

int RoomToGrow(std::istream& file, const Rom& rom, int count) {
    if (GrowthProblem(rom) != SaveResult::Saved) return 0;
    return std::max(0, LargestTable(FindFreeRuns(file, rom)) - count);
}

SaveResult WriteEggMoveTable(Rom& rom, const EggMoveEntries& entries,
                             std::optional<std::int64_t> at) {
    if (!rom.complete || !rom.release.version) return SaveResult::NothingToSave;
    if (IsReadOnly(rom)) return SaveResult::ReadOnly;
    // Bytes beyond the end of the file at load time never came from it.
    if (!rom.regionWhole) return SaveResult::Failed;
    const auto count = static_cast<int>(entries.size());
    if (count < rom.table.entryCount) return SaveResult::Failed;

    auto file = OpenForUpdate(rom.path);
    if (!file) return SaveResult::Failed;
    // A file replaced by another game, or whose table another tool has moved since,
    // must not get this table; one that did not open reads as no release at all.
    const Release now = IdentifyGameVersion(*file);
    if (now.version != rom.release.version || LocateEggMoveTable(*file, *now.version) != rom.table)
        return SaveResult::Failed;
    if (count == rom.table.entryCount) {
        const std::vector<unsigned char> bytes = LittleEndian(entries);
        return WriteInPlace(*file, rom.table.EggMoveOffset, bytes.data(), bytes.size())
                   ? SaveResult::Saved
                   : SaveResult::Failed;
    }
    const GrowthPlan plan = PlanGrowth(*file, rom, count, at);
    if (plan.problem != SaveResult::Grown) return plan.problem;
    if (!WriteGrown(*file, now.version->words, entries, plan.offset)) return SaveResult::Failed;
    rom.table = LocateEggMoveTable(*file, *now.version);
    rom.afterTable = EndMarkEntry;
    return SaveResult::Grown;
}

SaveResult SaveEggMoveTable(Rom& rom) {
    return WriteEggMoveTable(rom, rom.list.EggMoveTable);
}
