#include "rom/table_place.h"

#include "eggmoves/table.h"
#include "rom/rom_file.h"

namespace {

bool IsRomPointer(std::uint32_t word) {
    return word >= RomBusAddress && word < RomBusEnd;
}

}  // namespace

bool CoversGameData(std::int64_t offset, std::int64_t bytes, const GameWords& w) {
    const auto inside = [offset, bytes](std::int64_t at) {
        return at + 4 > offset && at < offset + bytes;
    };
    return offset < RomHeaderSize || inside(w.tablePointer1) || inside(w.tablePointer2) ||
           inside(w.searchLimit);
}

TableLocation LocateEggMoveTable(std::istream& rom, const GameVersion& version) {
    const TableLocation usual{TablePlace::Usual, version.EggMoveOffset, EggMoveEntryCount, false};
    const GameWords& w = version.words;
    if (w.tablePointer1 == 0) return usual;  // not known for this release
    const std::uint32_t first = ReadRomWord(rom, w.tablePointer1);
    const std::uint32_t second = ReadRomWord(rom, w.tablePointer2);
    // A file without the game's code there (a test image, say) has nothing to tell.
    if (!IsRomPointer(first) && !IsRomPointer(second)) return usual;

    // Only what the game itself could not use is left alone: pointers that
    // disagree, a limit its 16-bit search never reaches, a table off the file or
    // over the header or the very words that point at it.
    const TableLocation foreign{TablePlace::Foreign, version.EggMoveOffset, EggMoveEntryCount,
                                true};
    const std::uint32_t limit = ReadRomWord(rom, w.searchLimit);
    if (first != second || !IsRomPointer(first) || limit >= MaxEntryCount) return foreign;
    const auto offset = static_cast<std::int32_t>(first - RomBusAddress);
    const int count = static_cast<int>(limit) + 1;
    if (CoversGameData(offset, 2 * count, w) || !HoldsBytes(rom, offset, 2 * count)) return foreign;
    const bool same = offset == version.EggMoveOffset && count == EggMoveEntryCount;
    return {same ? TablePlace::Usual : TablePlace::Moved, offset, count, true};
}
