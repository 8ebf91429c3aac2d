// Text as the command line shows and reads it: the program's Windows-1252 names
// turned into UTF-8, entry values in hexadecimal, CSV fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "eggmoves/table.h"

// Windows-1252 bytes as UTF-8; the five bytes that code page leaves free become U+FFFD.
std::string Utf8(std::string_view windows1252);

// UTF-16 bytes (without their byte order mark) as UTF-8: a lone surrogate, or
// an odd last byte, becomes U+FFFD.
std::string Utf8OfUtf16(std::string_view bytes, bool bigEndian);

// Whether text is well-formed UTF-8.
bool IsUtf8(std::string_view text);
// Whether every character of UTF-8 text has a byte in Windows-1252, the code page
// of the names; false for text that is not UTF-8.
bool FitsWindows1252(std::string_view utf8);

// Text without spaces and tabs at either end.
std::string_view Trimmed(std::string_view text);
// Text without spaces and tabs at its end.
std::string_view TrimmedEnd(std::string_view text);

// "0x4E21".
std::string Hex(std::uint32_t value, int digits = 4);

// An entry value written as Hex writes it ("0x4E21") or in decimal ("20001").
std::optional<std::uint16_t> ParseEntryValue(std::string_view text);

// A file offset written in hexadecimal ("0xF00000") or decimal; nullopt for
// anything else or a negative one.
std::optional<std::int64_t> ParseOffset(std::string_view text);

// The edits (insert, delete or replace a byte) that turn a into b.
std::size_t EditDistance(std::string_view a, std::string_view b);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

// The UTF-8 name of a species, or "(no species)" before the first one.
std::string SpeciesName(const RomNames& names, int species);
// The UTF-8 name of a legal entry, empty for any other.
std::string EntryName(const RomNames& names, std::uint16_t entry);
