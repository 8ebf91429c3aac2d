#include "rom/saver.h"

#include <array>

#include "rom/update_stream.h"

SaveResult WriteEggMoveTable(const Rom& rom, const EggMoveEntries& entries) {
    if (!rom.complete || !rom.release.version) return SaveResult::NothingToSave;
    if (IsReadOnly(rom)) return SaveResult::ReadOnly;
    // Bytes beyond the end of the file at load time never came from it.
    if (!rom.regionWhole) return SaveResult::Failed;

    std::array<unsigned char, EggMoveTableSize> bytes;
    for (int i = 0; i < EggMoveEntryCount; ++i) {
        bytes[2 * i] = static_cast<unsigned char>(entries[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>(entries[i] >> 8);
    }
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
