// One ROM read into values: identification, where the game reads its table, the
// two name tables and the table. The window's File, Open asks its questions
// through callbacks; the command line reads without asking or writing.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <span>
#include <string>

#include "eggmoves/table.h"
#include "rom/name_place.h"
#include "rom/rom_file.h"
#include "rom/table_place.h"
#include "rom/versions.h"

struct Rom {
    std::string path;
    Release release;
    TableLocation table;
    bool regionWhole = false;  // the file held all of the table when it was read
    // The word after the table, where the game goes on reading the last species'
    // moves; never shown, and written only when the table grows.
    std::uint16_t afterTable = EndMarkEntry;
    // The list is this file's table, plus edits: only then may it be written back.
    bool complete = false;
    // What this program last read or wrote at the bytes a save replaces (the table
    // with its terminator): a save checks the file still holds them.
    Bytes onDisk;
    std::int64_t fileSize = 0;
    bool writable = false;  // the file opened for update when it was read
    NamePlace namesAt;      // where the names were read; Missing: they are numbers
    RomNames names;
    EggMoveList list;
};

// The game reads another table than the one at this place: nothing may be written.
bool IsReadOnly(const Rom& rom);

// A supported release in which no egg-move table was found (NoTableWords): it is
// refused, and nothing of its table or names is read.
bool HasNoTable(const Rom& rom);

enum class LoadResult {
    Unsupported,  // not a supported release: nothing changed
    Declined,     // stopped at a declined repair: names and part of the table are new
    Completed,
    NoTable,  // no egg-move table found (NoTableWords): nothing read or changed, rom as it was
};

struct LoadCallbacks {
    std::function<void()> choicesReady;  // names are read, the table is next
    std::function<void()> foreignTable;  // told once, before the table, when read-only
    // Asked once per illegal entry, with its row and value (RepairQuestionWords
    // names them); true for Yes.
    std::function<bool(int row, std::uint16_t value)> repairAccepted;
};

// File, Open without the window, into rom. Each illegal entry before the end mark
// is repaired in the file on Yes (in memory only when read-only); No stops there.
// A build whose code moved is never asked: its entries are kept as they are.
LoadResult LoadRom(Rom& rom, std::istream& file, const std::string& path,
                   const LoadCallbacks& callbacks);
LoadResult LoadRom(Rom& rom, const std::string& path, const LoadCallbacks& callbacks);

// Reads a whole ROM without a question or a write: illegal entries stay as they
// are. release.version is nullptr when the file is not a supported release, and
// the list is empty when HasNoTable.
Rom ReadRom(std::istream& file, const std::string& path);
Rom ReadRom(const std::string& path);

// Reads names.size() names of game text from offset: zero bytes before a name are
// skipped, and each name runs to its 0xFF.
void ReadNameTable(std::istream& rom, std::int32_t offset, std::span<std::string> names);

// The bytes a save of the table at table replaces: its entries and the word after.
Bytes ReadOwnBytes(std::istream& rom, const TableLocation& table);

// count entries as the file holds them at offset (0xFF past its end).
EggMoveEntries ReadEggMoveEntries(std::istream& rom, std::int64_t offset, int count);
