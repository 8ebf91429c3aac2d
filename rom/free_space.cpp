#include "rom/free_space.h"

#include <algorithm>

#include "rom/rom_file.h"

namespace {

constexpr std::int64_t Margin = 16;
constexpr std::int64_t Block = 1 << 20;
// The game reaches 32 MiB of ROM: a table past that could not be pointed at.
constexpr std::int64_t GameReach = RomBusEnd - RomBusAddress;

std::int64_t AlignUp(std::int64_t at) {
    return (at + 3) / 4 * 4;
}

std::int64_t FileSize(std::istream& file) {
    return std::max<std::int64_t>(RomFileSize(file), 0);
}

}  // namespace

std::int64_t TableBytes(int count) {
    return 2 * static_cast<std::int64_t>(count) + 2;
}

namespace {

// What may never be taken, whatever its bytes hold, lowest first.
std::vector<FreeRun> KeptSpans(const Rom& rom) {
    const std::int64_t tableAt = rom.table.EggMoveOffset;
    std::vector<FreeRun> kept = {{0, RomHeaderSize},
                                 {tableAt, tableAt + TableBytes(rom.table.entryCount)}};
    // The whole routine found, which holds the words.
    for (const std::int64_t routine : rom.table.routines)
        kept.push_back({routine, routine + RoutineSize});
    std::sort(kept.begin(), kept.end(),
              [](const FreeRun& a, const FreeRun& b) { return a.begin < b.begin; });
    return kept;
}

// The runs of 0xFF bytes in the file within the game's reach, of at least
// shortest bytes, before the kept spans are taken out.
std::vector<FreeRun> FfRuns(std::istream& file, std::int64_t shortest) {
    const std::int64_t end = std::min(FileSize(file), GameReach);
    std::vector<FreeRun> runs;
    std::int64_t start = -1;  // the start of the run being read, or -1
    const auto close = [&](std::int64_t at) {
        if (start >= 0 && at - start >= shortest) runs.push_back({start, at});
        start = -1;
    };
    for (std::int64_t at = 0; at < end; at += Block) {
        const Bytes bytes =
            ReadRomBytes(file, at, static_cast<std::size_t>(std::min(Block, end - at)));
        for (auto i = bytes.begin(); i != bytes.end();) {
            const bool ff = *i == 0xFF;
            const auto next =
                std::find_if(i, bytes.end(), [ff](std::uint8_t b) { return (b == 0xFF) != ff; });
            if (ff && start < 0) start = at + (i - bytes.begin());
            if (!ff) close(at + (i - bytes.begin()));
            i = next;
        }
    }
    close(end);
    return runs;
}

std::vector<FreeRun> FreeRuns(std::istream& file, const Rom& rom, std::int64_t shortest) {
    const std::vector<FreeRun> kept = KeptSpans(rom);
    std::vector<FreeRun> runs;
    for (FreeRun run : FfRuns(file, shortest)) {
        for (const FreeRun& k : kept) {
            if (k.begin >= run.end) continue;
            if (k.begin - run.begin >= shortest) runs.push_back({run.begin, k.begin});
            run.begin = std::max(run.begin, k.end);
        }
        if (run.end - run.begin >= shortest) runs.push_back(run);
    }
    return runs;
}

}  // namespace

std::vector<FreeRun> FindFreeRuns(std::istream& file, const Rom& rom) {
    return FreeRuns(file, rom, Margin + TableBytes(1));
}

bool PlaceIsFree(std::istream& file, const Rom& rom, std::int64_t at, int count) {
    const std::int64_t bytes = TableBytes(count);
    if (at % 4 != 0 || at < 0) return false;
    const std::vector<FreeRun> kept = KeptSpans(rom);
    if (std::any_of(kept.begin(), kept.end(),
                    [&](const FreeRun& k) { return k.end > at && k.begin < at + bytes; }))
        return false;
    if (at + bytes > std::min(FileSize(file), GameReach)) return false;
    const Bytes span = ReadRomBytes(file, at, static_cast<std::size_t>(bytes));
    return std::all_of(span.begin(), span.end(), [](std::uint8_t b) { return b == 0xFF; });
}

std::optional<std::int64_t> HighestPlace(const std::vector<FreeRun>& runs, int count) {
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        const std::int64_t at = (run->end - TableBytes(count)) / 4 * 4;
        if (at >= run->begin + Margin) return at;
    }
    return std::nullopt;
}

int LargestTable(const std::vector<FreeRun>& runs) {
    std::int64_t largest = 0;
    for (const FreeRun& r : runs)
        largest = std::max(largest, (r.end - AlignUp(r.begin + Margin) - 2) / 2);
    return static_cast<int>(std::min<std::int64_t>(largest, MaxEntryCount));
}
