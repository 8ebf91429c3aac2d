#include "rom/repair.h"

#include "rom/update_stream.h"

Kind RepairKind(std::uint16_t entry) {
    return EntryKind(entry) == Kind::Move ? Kind::Move : Kind::Species;
}

std::uint16_t RepairFiller(Kind kind) {
    return kind == Kind::Move ? MoveFillerEntry : SpeciesFillerEntry;
}

void WriteRepair(const std::string& path, std::int64_t offset, std::uint16_t filler) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(filler & 0xFF),
                                    static_cast<unsigned char>(filler >> 8)};
    // The stream is gone before the loader reads the entry again.
    if (auto file = OpenForUpdate(path)) WriteInPlace(*file, offset, bytes, 2);
}
