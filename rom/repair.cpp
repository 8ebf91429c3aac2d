#include "rom/repair.h"

#include "rom/update_stream.h"

std::uint16_t RepairFiller(Kind kind) {
    return kind == Kind::Move ? MoveFillerEntry : SpeciesFillerEntry;
}

bool RepairEntry(std::int32_t position, const std::string& path, Kind kind,
                 const std::function<bool()>& accepted) {
    if (!accepted || !accepted()) return false;
    const std::uint16_t filler = RepairFiller(kind);
    const unsigned char bytes[2] = {static_cast<unsigned char>(filler & 0xFF),
                                    static_cast<unsigned char>(filler >> 8)};
    // The stream closes when it goes out of scope, before the loader reads again.
    if (auto file = OpenForUpdate(path)) WriteInPlace(*file, position - 2, bytes, 2);
    return true;
}
