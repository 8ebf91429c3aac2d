#include "rom/table_place.h"

#include "eggmoves/table.h"
#include "rom/rom_file.h"

namespace {

bool IsRomPointer(std::uint32_t word) {
    return word >= RomBusAddress && word < RomBusEnd;
}

// A table moved into the header or over the very words that point at it is no
// table the game could use.
bool CanHoldTable(std::int32_t offset, const GameWords& w) {
    const auto inside = [offset](std::int32_t at) {
        return at + 4 > offset && at < offset + EggMoveTableSize;
    };
    return offset >= RomHeaderSize && !inside(w.tablePointer1) && !inside(w.tablePointer2) &&
           !inside(w.searchLimit);
}

}  // namespace

TableLocation LocateEggMoveTable(std::istream& rom, const GameVersion& version) {
    const TableLocation usual{TablePlace::Usual, version.EggMoveOffset};
    const GameWords& w = version.words;
    if (w.tablePointer1 == 0) return usual;  // not known for this release
    const std::uint32_t first = ReadRomWord(rom, w.tablePointer1);
    const std::uint32_t second = ReadRomWord(rom, w.tablePointer2);
    // A file without the game's code there (a test image, say) has nothing to tell.
    if (!IsRomPointer(first) && !IsRomPointer(second)) return usual;

    const TableLocation foreign{TablePlace::Foreign, version.EggMoveOffset};
    if (first != second || !IsRomPointer(first) ||
        ReadRomWord(rom, w.searchLimit) != GameSearchLimit)
        return foreign;
    const auto offset = static_cast<std::int32_t>(first - RomBusAddress);
    if (offset == version.EggMoveOffset) return usual;
    if (!CanHoldTable(offset, w) || !HoldsBytes(rom, offset, EggMoveTableSize)) return foreign;
    return {TablePlace::Moved, offset};
}
