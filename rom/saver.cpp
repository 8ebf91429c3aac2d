#include "rom/saver.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>
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
    // A file cut short says so first: its table's words may point past its end.
    if (!rom.regionWhole) return SaveResult::Failed;
    if (IsReadOnly(rom)) return SaveResult::ReadOnly;
    if (!rom.table.pointed) return SaveResult::CannotMove;
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

bool ChangedOnDisk(std::istream& file, const Rom& rom) {
    return ReadOwnBytes(file, rom.table) != rom.onDisk;
}

namespace {

SaveOutcome Refused(SaveCause cause, std::string reason = {}) {
    static constexpr std::pair<SaveCause, SaveResult> Results[] = {
        {SaveCause::NothingLoaded, SaveResult::NothingToSave},
        {SaveCause::ForeignTable, SaveResult::ReadOnly},
        {SaveCause::CannotMove, SaveResult::CannotMove},
        {SaveCause::NoRoom, SaveResult::NoRoom},
        {SaveCause::PlaceTaken, SaveResult::PlaceTaken}};
    SaveResult result = SaveResult::Failed;
    for (const auto& [c, r] : Results)
        if (c == cause) result = r;
    return {result, cause, std::move(reason)};
}

SaveOutcome CannotWrite(int error) {
    return Refused(SaveCause::CannotWrite, std::strerror(error));
}

// Why the file at rom.path cannot be opened for update: gone, or the system's reason.
SaveOutcome Unopened(const std::string& path, int error) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) return Refused(SaveCause::FileGone);
    return CannotWrite(error ? error : EACCES);
}

// What stands in the way of writing rom's table into file as it is now.
SaveCause FileCause(std::iostream& file, const Rom& rom, bool overwrite) {
    // A file replaced by another game, or whose table another tool has moved since,
    // must not get this table; one too short for a header reads as no release.
    const Release now = IdentifyGameVersion(file);
    if (now.version != rom.release.version) return SaveCause::OtherGame;
    const TableLocation& t = rom.table;
    if (!HoldsBytes(file, t.EggMoveOffset, 2 * static_cast<std::size_t>(t.entryCount)))
        return SaveCause::CutShort;
    if (LocateEggMoveTable(file, *now.version) != t) return SaveCause::TableMoved;
    if (!overwrite && ChangedOnDisk(file, rom)) return SaveCause::ChangedOnDisk;
    return SaveCause::None;
}

}  // namespace

SaveCause GrowthCause(SaveResult problem) {
    static constexpr std::pair<SaveResult, SaveCause> Causes[] = {
        {SaveResult::NothingToSave, SaveCause::NothingLoaded},
        {SaveResult::ReadOnly, SaveCause::ForeignTable},
        {SaveResult::CannotMove, SaveCause::CannotMove},
        {SaveResult::NoRoom, SaveCause::NoRoom},
        {SaveResult::PlaceTaken, SaveCause::PlaceTaken},
        {SaveResult::Failed, SaveCause::CutShort}};
    for (const auto& [r, c] : Causes)
        if (r == problem) return c;
    return SaveCause::None;
}

SaveOutcome SaveTable(Rom& rom, const EggMoveEntries& entries, bool overwrite,
                      std::optional<std::int64_t> at) {
    if (!rom.complete || !rom.release.version) return Refused(SaveCause::NothingLoaded);
    // Bytes beyond the end of the file at load time never came from it; a table the
    // game's words place past that end is cut short before it is foreign.
    if (!rom.regionWhole) return Refused(SaveCause::CutShort);
    if (IsReadOnly(rom)) return Refused(SaveCause::ForeignTable);
    const auto count = static_cast<int>(entries.size());
    if (count > MaxEntryCount) return Refused(SaveCause::TooLarge);

    errno = 0;
    auto file = OpenForUpdate(rom.path);
    if (!file || !*file) return Unopened(rom.path, errno);
    if (const SaveCause cause = FileCause(*file, rom, overwrite); cause != SaveCause::None)
        return Refused(cause);
    SaveOutcome outcome;
    errno = 0;
    if (count <= rom.table.entryCount) {
        // A shorter table keeps the file's size: the game stops at the first end mark.
        EggMoveEntries padded = entries;
        padded.resize(static_cast<std::size_t>(rom.table.entryCount), EndMarkEntry);
        const std::vector<unsigned char> bytes = LittleEndian(padded);
        if (!WriteInPlace(*file, rom.table.EggMoveOffset, bytes.data(), bytes.size()))
            return CannotWrite(errno ? errno : EIO);
    } else {
        const GrowthPlan plan = PlanGrowth(*file, rom, count, at);
        if (plan.problem != SaveResult::Grown) return Refused(GrowthCause(plan.problem));
        if (!WriteGrown(*file, rom.table.words, entries, plan.offset))
            return CannotWrite(errno ? errno : EIO);
        rom.table = LocateEggMoveTable(*file, *rom.release.version);
        rom.afterTable = EndMarkEntry;
        outcome.result = SaveResult::Grown;
    }
    rom.onDisk = ReadOwnBytes(*file, rom.table);
    return outcome;
}

SaveResult WriteEggMoveTable(Rom& rom, const EggMoveEntries& entries,
                             std::optional<std::int64_t> at) {
    return SaveTable(rom, entries, true, at).result;
}

SaveResult SaveEggMoveTable(Rom& rom) {
    return WriteEggMoveTable(rom, rom.list.EggMoveTable);
}
