// The game's egg-move routine, found by its code: the same 0xA8 bytes in every
// release and in builds whose code moved, but for a call and the three words
// that say where the table is and how far the game searches it.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <vector>

// Where one routine keeps, in its literal pool, the two pointers to the table and
// the last index its species search looks at (file offsets).
struct GameWords {
    std::int32_t tablePointer1 = 0;
    std::int32_t tablePointer2 = 0;
    std::int32_t searchLimit = 0;
    bool operator==(const GameWords&) const = default;
};

inline constexpr std::int64_t RoutineSize = 0xA8;
inline constexpr std::int64_t TablePointer1At = 0x28;
inline constexpr std::int64_t TablePointer2At = 0xA0;
inline constexpr std::int64_t SearchLimitAt = 0x9C;
// The search covers what the game can reach: 32 MiB of ROM.
inline constexpr std::int64_t RoutineSearchEnd = 32 << 20;
// More places than this are not told apart: each one already makes the file read-only.
inline constexpr std::size_t MostRoutinesNamed = 4;

// -1 marks a byte that differs between builds: the species getter's call and the words.
using RoutinePattern = std::array<std::int16_t, RoutineSize>;
extern const RoutinePattern EggMoveRoutine;

// The words of a routine that starts at routine.
GameWords RoutineWords(std::int64_t routine);

// Whether bytes (at least RoutineSize of them) start with the routine.
bool MatchesRoutine(const std::uint8_t* bytes);
// Whether the file holds the routine at offset.
bool RoutineAt(std::istream& rom, std::int64_t offset);
// The 2-aligned offsets within the first RoutineSearchEnd bytes where the file
// holds the routine, lowest first, at most MostRoutinesNamed + 1 of them.
std::vector<std::int64_t> FindRoutines(std::istream& rom);
