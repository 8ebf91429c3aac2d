// The game's own character set, decoded one byte at a time into Windows-1252.
#pragma once

#include <cstdint>
#include <string>

// The text of one byte of game text; "?" for a byte without a text and for 0xFF.
// Never empty.
std::string DecodeGameChar(std::uint8_t code);
