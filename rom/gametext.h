// The game's own character set, decoded one byte at a time into Windows-1252.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// The text of one byte of game text; "?" for a byte without a text and for 0xFF.
// Never empty.
std::string DecodeGameChar(std::uint8_t code);

// The same for a run of bytes, none of them 0xFF: its decoded length, and the text
// appended to text. Names can be as long as the file, so they are decoded in bulk.
std::size_t GameTextSize(std::span<const std::uint8_t> bytes);
void AppendGameText(std::string& text, std::span<const std::uint8_t> bytes);
