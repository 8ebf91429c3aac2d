// File, Open without the window: identification, the two name tables, the
// choices and the table, with the repair question asked through a callback.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <span>
#include <string>

// Set by the first successful identification and never cleared.
extern bool FileOpen;

// Where saving may write: the ROM of the last completed load. The path is empty
// while the table in memory is not that file's table plus the user's edits.
struct SaveTarget {
    std::string path;
    std::string gameCode;      // checked again before writing, in case the file was replaced
    bool regionWhole = false;  // the file held all of the table when it was read
};
extern SaveTarget LoadedRom;

enum class LoadResult {
    Unsupported,  // not one of the ten releases: nothing changed
    Declined,     // stopped at a declined repair: names and part of the table are new
    Completed,
};

struct LoadCallbacks {
    std::function<void()> choicesReady;    // names and choices are read, the table is next
    std::function<bool()> repairAccepted;  // asked once per illegal entry; true for Yes
};

LoadResult LoadRom(const std::string& path, const LoadCallbacks& callbacks);

// Reads names.size() names of game text from offset: zero bytes before a name are
// skipped, and each name runs to its 0xFF.
void ReadNameTable(std::istream& rom, std::int32_t offset, std::span<std::string> names);

// Reads the 1138 entries, repairing illegal ones on request; false when a repair
// was declined and the reading stopped there.
bool ReadEggMoveTable(std::istream& rom, const std::string& path,
                      const std::function<bool()>& repairAccepted);
