#include "rom/saver.h"

#include <array>

#include "eggmoves/table.h"
#include "rom/loader.h"
#include "rom/update_stream.h"
#include "rom/versions.h"

SaveResult SaveEggMoveTable() {
    if (LoadedRom.path.empty()) return SaveResult::NothingToSave;
    // Bytes beyond the end of the file at load time never came from it.
    if (!LoadedRom.regionWhole) return SaveResult::Failed;

    std::array<unsigned char, EggMoveTableSize> bytes;
    for (int i = 0; i < EggMoveEntryCount; ++i) {
        bytes[2 * i] = static_cast<unsigned char>(EggMoveTable[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>(EggMoveTable[i] >> 8);
    }
    auto file = OpenForUpdate(LoadedRom.path);
    // A file replaced by another game since the load must not get this table.
    if (!file || ReadGameCode(*file) != LoadedRom.gameCode ||
        !WriteInPlace(*file, EggMoveOffset, bytes.data(), bytes.size())) {
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}
