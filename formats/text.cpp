#include "formats/text.h"

#include <array>
#include <charconv>

namespace {

// What 0x80..0x9F stand for in Windows-1252; the other bytes are Latin-1.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

}  // namespace

std::string Utf8(std::string_view windows1252) {
    std::string out;
    for (const char c : windows1252) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t point = byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : byte;
        if (point < 0x80) {
            out += static_cast<char>(point);
        } else if (point < 0x800) {
            out += static_cast<char>(0xC0 | point >> 6);
            out += static_cast<char>(0x80 | (point & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | point >> 12);
            out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (point & 0x3F));
        }
    }
    return out;
}

std::string Hex(std::uint32_t value, int digits) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string out;
    for (; digits > 0 || value; --digits, value >>= 4) out.insert(out.begin(), Digits[value & 0xF]);
    return "0x" + out;
}

namespace {

// A whole number in hexadecimal after 0x, or decimal; nullopt for anything else.
std::optional<std::uint64_t> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::uint16_t> ParseEntryValue(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value || *value > 0xFFFF) return std::nullopt;
    return static_cast<std::uint16_t>(*value);
}

std::optional<std::int64_t> ParseOffset(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value || *value > 0x7FFFFFFF) return std::nullopt;
    return static_cast<std::int64_t>(*value);
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + '"';
}

std::string SpeciesName(const RomNames& names, int species) {
    return species < 0 ? "(no species)" : Utf8(names.SpeciesNames[species]);
}

std::string EntryName(const RomNames& names, std::uint16_t entry) {
    if (!IsLegalEntry(entry)) return {};
    if (EntryKind(entry) == Kind::Species) return SpeciesName(names, EntryNumber(entry));
    return Utf8(names.MoveNames[entry - 1]);
}
