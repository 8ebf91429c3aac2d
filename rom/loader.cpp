#include "rom/loader.h"

#include "eggmoves/table.h"
#include "rom/gametext.h"
#include "rom/repair.h"
#include "rom/rom_file.h"
#include "rom/versions.h"

bool FileOpen = false;
SaveTarget LoadedRom;

void ReadNameTable(std::istream& rom, std::int32_t offset, std::span<std::string> names) {
    SeekRom(rom, offset);
    std::size_t n = 0;
    bool started = false;
    while (n < names.size()) {
        const std::uint8_t b = ReadRomByte(rom);
        if (b == 0xFF) {
            ++n;
            started = false;
        } else if (b != 0x00 || started) {
            names[n] += DecodeGameChar(b);
            started = true;
        }
    }
}

namespace {

std::uint16_t ReadEntry(std::istream& rom) {
    const std::uint8_t low = ReadRomByte(rom);
    const std::uint8_t high = ReadRomByte(rom);
    return static_cast<std::uint16_t>(low | high << 8);
}

void StoreEntry(int i, std::uint16_t entry) {
    EggMoveTable[i] = entry;
    EggMoveListLines[i] = EntryLine(entry);
    CountEntry(entry);
}

}  // namespace

bool ReadEggMoveTable(std::istream& rom, const std::string& path,
                      const std::function<bool()>& repairAccepted) {
    SpeciesCount = 0;
    MoveCount = 0;
    SeekRom(rom, EggMoveOffset);
    bool endMarkSeen = false;
    for (int i = 0; i < EggMoveEntryCount; ++i) {
        const std::int32_t at = EggMoveOffset + 2 * i;
        std::uint16_t entry = ReadEntry(rom);
        // From the end mark on, entries are kept exactly as the file holds them, so
        // that a save writes back the file's own bytes there.
        endMarkSeen = endMarkSeen || entry == EndMarkEntry;
        if (!endMarkSeen) {
            const bool legal = IsLegalEntry(entry);
            const Kind kind = EntryKind(entry) == Kind::Move ? Kind::Move : Kind::Species;
            if (!legal && !RepairEntry(at + 2, path, kind, repairAccepted)) return false;
            // Read the entry again from the file: after a repair, its new bytes count.
            SeekRom(rom, at);
            entry = ReadEntry(rom);
            // A repair that did not reach the file (read-only, say) still counts in
            // memory, so the next successful save carries out the user's answer.
            if (!legal && !IsLegalEntry(entry)) entry = RepairFiller(kind);
        }
        StoreEntry(i, entry);
    }
    return true;
}

namespace {

bool HoldsWholeTable(std::istream& rom) {
    SeekRom(rom, EggMoveOffset + EggMoveTableSize - 1);
    const bool whole = rom.get() != std::istream::traits_type::eof();
    rom.clear();
    return whole;
}

}  // namespace

LoadResult LoadRom(const std::string& path, const LoadCallbacks& callbacks) {
    OpenRomFile(path);
    if (!IdentifyGameVersion(RomFile)) return LoadResult::Unsupported;
    FileOpen = true;
    // From here until the load completes, the table is no file's table.
    LoadedRom = {};

    for (std::string& name : SpeciesNames) name.clear();
    for (std::string& name : MoveNames) name.clear();
    ReadNameTable(RomFile, SpeciesNameOffset, SpeciesNames);
    ReadNameTable(RomFile, MoveNameOffset, MoveNames);
    BuildEntryChoices();
    if (callbacks.choicesReady) callbacks.choicesReady();

    if (!ReadEggMoveTable(RomFile, path, callbacks.repairAccepted)) return LoadResult::Declined;
    LoadedRom = {path, ReadGameCode(RomFile), HoldsWholeTable(RomFile)};
    return LoadResult::Completed;
}
