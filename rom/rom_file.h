// Reading a ROM: the file opened for binary reading, and the rule that a byte
// that cannot be read counts as 0xFF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <functional>
#include <istream>
#include <span>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Opens path for binary reading. A failure, or a path that is not a regular file,
// gives a stream that reads nothing, so every byte then counts as 0xFF.
std::ifstream OpenRomFile(const std::string& path);

// count bytes from offset; those past the end of the file, or unreadable, are 0xFF.
Bytes ReadRomBytes(std::istream& rom, std::int64_t offset, std::size_t count);

// Reads into bytes as many as the file holds from offset, up to bytes.size(), and
// returns how many: fewer only at the end of the file or where it cannot be read.
std::size_t ReadRomBlock(std::istream& rom, std::int64_t offset, std::span<std::uint8_t> bytes);

// Looks for lead in the first end bytes of the file, a block at a time, so that
// the memory used does not grow with the file: calls found with each offset
// where lead starts and view bytes from there are in the file (view >= lead's
// size), lowest first, until found returns true.
void SearchRom(std::istream& rom, std::int64_t end, std::span<const std::uint8_t> lead,
               std::size_t view,
               const std::function<bool(std::int64_t, const std::uint8_t*)>& found);

// The 32-bit little-endian word at offset, by the same rule.
std::uint32_t ReadRomWord(std::istream& rom, std::int64_t offset);

// The file's size in bytes; -1 when it cannot be told.
std::int64_t RomFileSize(std::istream& rom);

// Whether the file holds every byte of [offset, offset + count), offset >= 0.
bool HoldsBytes(std::istream& rom, std::int64_t offset, std::size_t count);
