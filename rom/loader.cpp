#include "rom/loader.h"

#include "rom/name_reading.h"
#include "rom/repair.h"
#include "rom/rom_file.h"
#include "rom/update_stream.h"

bool IsReadOnly(const Rom& rom) {
    return rom.table.place == TablePlace::Foreign;
}

bool HasNoTable(const Rom& rom) {
    return rom.release.version && rom.table.place == TablePlace::Missing;
}

void ReadNameTable(std::istream& rom, std::int32_t offset, std::span<std::string> names) {
    NameTableReader(rom).Read(offset, names);
}

EggMoveEntries ReadEggMoveEntries(std::istream& rom, std::int64_t offset, int count) {
    const Bytes bytes = ReadRomBytes(rom, offset, 2 * static_cast<std::size_t>(count));
    EggMoveEntries entries(static_cast<std::size_t>(count));
    auto byte = bytes.begin();
    for (std::uint16_t& entry : entries) {
        entry = static_cast<std::uint16_t>(byte[0] | byte[1] << 8);
        byte += 2;
    }
    return entries;
}

Bytes ReadOwnBytes(std::istream& rom, const TableLocation& table) {
    return ReadRomBytes(rom, table.EggMoveOffset,
                        2 * static_cast<std::size_t>(table.entryCount) + 2);
}

namespace {

// Identification, the table's place and the names: the part of a load before the
// table, once a table was found.
void ReadHead(Rom& rom, std::istream& file, const std::string& path, const Release& release,
              const TableLocation& table) {
    rom.path = path;
    rom.release = release;
    rom.complete = false;
    rom.table = table;
    const auto update = OpenForUpdate(path);
    rom.writable = update && *update;
    rom.namesAt = FindNameTables(file, *release.version);
    if (rom.namesAt.found == NamesFound::Missing) {
        rom.names = NumberedNames();
    } else {
        // One reader for both tables: it remembers the zeros it skipped.
        NameTableReader names(file);
        names.Read(rom.namesAt.species, rom.names.SpeciesNames);
        names.Read(rom.namesAt.moves, rom.names.MoveNames);
    }
    rom.names.numberUnnamed = IsMovedBuild(rom.table);
}

void ReadTail(Rom& rom, std::istream& file) {
    const TableLocation& t = rom.table;
    rom.regionWhole = HoldsBytes(file, t.EggMoveOffset, 2 * static_cast<std::size_t>(t.entryCount));
    rom.afterTable = ReadEggMoveEntries(file, t.EggMoveOffset + 2 * t.entryCount, 1)[0];
    // After the repairs: they are this program's own writes.
    rom.onDisk = ReadOwnBytes(file, t);
    rom.fileSize = RomFileSize(file);
    rom.complete = true;
}

EggMoveEntries ReadTableEntries(const Rom& rom, std::istream& file) {
    return ReadEggMoveEntries(file, rom.table.EggMoveOffset, rom.table.entryCount);
}

// Stores the entries read at the table's place, repairing illegal ones on request;
// false when a repair was declined and the reading stopped there.
bool ReadEggMoveTable(Rom& rom, std::istream& file,
                      const std::function<bool(int, std::uint16_t)>& repairAccepted) {
    EggMoveList& list = rom.list;
    const std::int32_t offset = rom.table.EggMoveOffset;
    const EggMoveEntries entries = ReadTableEntries(rom, file);
    SizeList(list, entries.size());
    bool endMarkSeen = false;
    for (int i = 0; std::uint16_t entry : entries) {
        // From the end mark on, entries are kept exactly as the file holds them, so
        // that a save writes back the file's own bytes there.
        endMarkSeen = endMarkSeen || entry == EndMarkEntry;
        if (!endMarkSeen && !IsLegalEntry(entry) && !IsMovedBuild(rom.table)) {
            if (!repairAccepted || !repairAccepted(i, entry)) return false;
            const std::uint16_t filler = RepairFiller(RepairKind(entry));
            const std::int64_t at = offset + 2 * i;
            if (!IsReadOnly(rom)) {
                WriteRepair(rom.path, at, filler);
                // Read the entry again from the file: its new bytes are what count.
                const Bytes again = ReadRomBytes(file, at, 2);
                entry = static_cast<std::uint16_t>(again[0] | again[1] << 8);
            }
            // A repair that did not reach the file (read-only, say) still counts in
            // memory, so the next successful save carries out the user's answer.
            if (!IsLegalEntry(entry)) entry = filler;
        }
        StoreEntry(list, i++, entry, rom.names);
    }
    return true;
}

}  // namespace

LoadResult LoadRom(Rom& rom, std::istream& file, const std::string& path,
                   const LoadCallbacks& callbacks) {
    const Release release = IdentifyGameVersion(file);
    if (!release.version) return LoadResult::Unsupported;
    // A refused file leaves rom as it was: the window keeps the ROM it had open.
    const TableLocation table = LocateEggMoveTable(file, *release.version);
    if (table.place == TablePlace::Missing) return LoadResult::NoTable;
    ReadHead(rom, file, path, release, table);
    if (callbacks.choicesReady) callbacks.choicesReady();
    if (IsReadOnly(rom) && callbacks.foreignTable) callbacks.foreignTable();
    if (!ReadEggMoveTable(rom, file, callbacks.repairAccepted)) return LoadResult::Declined;
    ReadTail(rom, file);
    return LoadResult::Completed;
}

LoadResult LoadRom(Rom& rom, const std::string& path, const LoadCallbacks& callbacks) {
    std::ifstream file = OpenRomFile(path);
    return LoadRom(rom, file, path, callbacks);
}

Rom ReadRom(std::istream& file, const std::string& path) {
    Rom rom;
    rom.path = path;
    rom.release = IdentifyGameVersion(file);
    if (!rom.release.version) return rom;
    rom.table = LocateEggMoveTable(file, *rom.release.version);
    if (HasNoTable(rom)) return rom;
    ReadHead(rom, file, path, rom.release, rom.table);
    rom.list = MakeList(ReadTableEntries(rom, file), rom.names);
    ReadTail(rom, file);
    return rom;
}

Rom ReadRom(const std::string& path) {
    std::ifstream file = OpenRomFile(path);
    return ReadRom(file, path);
}
