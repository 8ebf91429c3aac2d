// The loader's read-only stream over the ROM and the byte-reading rule.
#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>

// Opened by each load and left open, idle, until the next load or exit.
// Nothing is ever written through it.
extern std::ifstream RomFile;

// Closes RomFile and opens path for binary reading. A failure, or a path that is
// not a regular file, is not an error: every byte read afterwards counts as 0xFF.
void OpenRomFile(const std::string& path);

// Positions the stream for reading, clearing any earlier failed read first.
void SeekRom(std::istream& rom, std::int64_t offset);
// The next byte, or 0xFF when it cannot be read (past the end, or no file).
std::uint8_t ReadRomByte(std::istream& rom);
