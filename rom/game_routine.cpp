#include "rom/game_routine.h"

#include <algorithm>
#include <string_view>

#include "rom/rom_file.h"

namespace {

// The routine as measured, 24 bytes a line; ?? differs between builds.
constexpr std::string_view RoutineText =
    "F0 B5 47 46 80 B4 88 46 00 26 00 24 0B 21 ?? ?? ?? ?? 00 04 03 0C 00 22 "
    "03 4D 29 88 03 4F D8 19 81 42 05 D1 01 24 14 E0 ?? ?? ?? ?? 20 4E 00 00 "
    "50 1C 00 04 02 0C 19 48 19 4D 82 42 09 D8 50 00 40 19 01 88 17 4F D8 19 "
    "81 42 F1 D1 50 1C 00 04 04 0C 00 22 60 00 40 19 00 88 12 49 88 42 16 D8 "
    "2F 1C 0B 1C 51 00 41 44 A0 18 40 00 C0 19 00 88 08 80 70 1C 00 04 06 0C "
    "50 1C 00 04 02 0C 09 2A 05 D8 A0 18 40 00 40 19 00 88 98 42 EA D9 30 06 "
    "00 0E 08 BC 98 46 F0 BC 02 BC 08 47 ?? ?? ?? ?? ?? ?? ?? ?? 20 4E 00 00 ";

constexpr int HexDigit(char c) {
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

constexpr RoutinePattern ParsePattern(std::string_view text) {
    RoutinePattern pattern{};
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::string_view byte = text.substr(3 * i, 2);
        pattern[i] = byte == "??"
                         ? -1
                         : static_cast<std::int16_t>(HexDigit(byte[0]) * 16 + HexDigit(byte[1]));
    }
    return pattern;
}

// The fixed bytes the routine starts with, searched for first: the rest is
// compared only where they occur.
constexpr std::size_t LeadSize = 14;

}  // namespace

const RoutinePattern EggMoveRoutine = ParsePattern(RoutineText);

GameWords RoutineWords(std::int64_t routine) {
    return {static_cast<std::int32_t>(routine + TablePointer1At),
            static_cast<std::int32_t>(routine + TablePointer2At),
            static_cast<std::int32_t>(routine + SearchLimitAt)};
}

bool MatchesRoutine(const std::uint8_t* bytes) {
    for (std::size_t i = 0; i < EggMoveRoutine.size(); ++i)
        if (EggMoveRoutine[i] >= 0 && bytes[i] != EggMoveRoutine[i]) return false;
    return true;
}

bool RoutineAt(std::istream& rom, std::int64_t offset) {
    if (offset < 0 || !HoldsBytes(rom, offset, RoutineSize)) return false;
    return MatchesRoutine(ReadRomBytes(rom, offset, RoutineSize).data());
}

std::vector<std::int64_t> FindRoutines(std::istream& rom) {
    static const std::array<std::uint8_t, LeadSize> lead = [] {
        std::array<std::uint8_t, LeadSize> bytes{};
        std::copy_n(EggMoveRoutine.begin(), LeadSize, bytes.begin());
        return bytes;
    }();
    std::vector<std::int64_t> found;
    SearchRom(rom, RoutineSearchEnd, lead, RoutineSize,
              [&found](std::int64_t offset, const std::uint8_t* bytes) {
                  if (offset % 2 == 0 && MatchesRoutine(bytes)) found.push_back(offset);
                  return found.size() > MostRoutinesNamed;
              });
    return found;
}
