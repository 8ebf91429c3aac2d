#include "rom/table_place.h"

#include "eggmoves/table.h"
#include "rom/loader.h"
#include "rom/rom_file.h"

namespace {

bool IsRomPointer(std::uint32_t word) {
    return word >= RomBusAddress && word < RomBusEnd;
}

// The routine at the release's known place, else wherever the search finds it.
TableLocation FindRoutine(std::istream& rom, const GameVersion& version) {
    TableLocation found;
    if (version.RoutineOffset && RoutineAt(rom, version.RoutineOffset)) {
        found.routine = RoutineFind::Known;
        found.routines = {version.RoutineOffset};
        return found;
    }
    found.routines = FindRoutines(rom);
    const std::size_t places = found.routines.size();
    found.routine = places == 0   ? RoutineFind::Missing
                    : places == 1 ? RoutineFind::Moved
                                  : RoutineFind::Several;
    return found;
}

}  // namespace

bool CoversGameData(std::int64_t offset, std::int64_t bytes, const GameWords& w) {
    const auto inside = [offset, bytes](std::int64_t at) {
        return at + 4 > offset && at < offset + bytes;
    };
    return offset < RomHeaderSize || inside(w.tablePointer1) || inside(w.tablePointer2) ||
           inside(w.searchLimit);
}

bool IsMovedBuild(const TableLocation& table) {
    return table.routine == RoutineFind::Moved || table.routine == RoutineFind::Several;
}

bool ReadsAsEggMoveTable(std::istream& rom, std::int64_t offset, int count) {
    const EggMoveEntries entries = ReadEggMoveEntries(rom, offset, count);
    if (entries[0] < SpeciesEntryBase || !IsLegalEntry(entries[0])) return false;
    int before = 0, illegal = 0;
    for (; before < count && entries[before] != EndMarkEntry; ++before)
        illegal += !IsLegalEntry(entries[before]);
    return 4 * illegal <= before;
}

TableLocation LocateEggMoveTable(std::istream& rom, const GameVersion& version) {
    TableLocation location = FindRoutine(rom, version);
    location.EggMoveOffset = version.EggMoveOffset;
    location.entryCount = EggMoveEntryCount;
    if (location.routine == RoutineFind::Missing) {
        // A test image, or a hack that left the stock table alone; anything else
        // at that place is another program's data.
        const bool table = version.EggMoveOffset &&
                           ReadsAsEggMoveTable(rom, version.EggMoveOffset, EggMoveEntryCount);
        location.place = table ? TablePlace::Usual : TablePlace::Missing;
        return location;
    }
    const GameWords w = RoutineWords(location.routines[0]);
    location.words = w;
    location.pointed = true;
    // Only what the game itself could not use is left alone: pointers that
    // disagree, a limit its 16-bit search never reaches, a table off the file or
    // over the header or the very words that point at it.
    location.place = TablePlace::Foreign;
    const std::uint32_t first = ReadRomWord(rom, w.tablePointer1);
    const std::uint32_t second = ReadRomWord(rom, w.tablePointer2);
    const std::uint32_t limit = ReadRomWord(rom, w.searchLimit);
    if (first != second || !IsRomPointer(first) || limit >= MaxEntryCount) {
        // Without a usual place there is nothing to show.
        if (!version.EggMoveOffset) location.place = TablePlace::Missing;
        return location;
    }
    const auto offset = static_cast<std::int32_t>(first - RomBusAddress);
    const int count = static_cast<int>(limit) + 1;
    if (CoversGameData(offset, 2 * count, w) || !HoldsBytes(rom, offset, 2 * count)) {
        if (!version.EggMoveOffset) location.place = TablePlace::Missing;
        return location;
    }
    location.EggMoveOffset = offset;
    location.entryCount = count;
    const bool same = offset == version.EggMoveOffset && count == EggMoveEntryCount;
    if (location.routine != RoutineFind::Several)
        location.place = same ? TablePlace::Usual : TablePlace::Moved;
    return location;
}
