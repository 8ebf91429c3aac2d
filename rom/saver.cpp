#include "rom/saver.h"

#include <vector>

#include "rom/update_stream.h"

SaveResult WriteEggMoveTable(const Rom& rom, const EggMoveEntries& entries) {
    if (!rom.complete || !rom.release.version) return SaveResult::NothingToSave;
    if (IsReadOnly(rom)) return SaveResult::ReadOnly;
    // Bytes beyond the end of the file at load time never came from it.
    if (!rom.regionWhole) return SaveResult::Failed;

    std::vector<unsigned char> bytes;
    for (const std::uint16_t entry : entries)
        bytes.insert(bytes.end(), {static_cast<unsigned char>(entry & 0xFF),
                                   static_cast<unsigned char>(entry >> 8)});
    auto file = OpenForUpdate(rom.path);
    if (!file) return SaveResult::Failed;
    // A file replaced by another game, or whose table another tool has moved since,
    // must not get this table; one that did not open reads as no release at all.
    const Release now = IdentifyGameVersion(*file);
    if (now.version != rom.release.version ||
        LocateEggMoveTable(*file, *now.version) != rom.table ||
        !WriteInPlace(*file, rom.table.EggMoveOffset, bytes.data(), bytes.size())) {
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

SaveResult SaveEggMoveTable(const Rom& rom) {
    return WriteEggMoveTable(rom, rom.list.EggMoveTable);
}
