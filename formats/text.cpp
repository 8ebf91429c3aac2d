#include "formats/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "eggmoves/words.h"

namespace {

// What 0x80..0x9F stand for in Windows-1252; the other bytes are Latin-1.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

// The character that starts at text[i], i moved past it (never past the end);
// nullopt when the bytes there are no well-formed UTF-8 (overlong forms and
// surrogates included).
std::optional<char32_t> NextPoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80) return lead;
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
    if (more == 0 || lead > 0xF4 || i + more > text.size()) return std::nullopt;
    char32_t point = lead & (0x3F >> more);
    for (int k = 0; k < more; ++k, ++i) {
        if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
        point = point << 6 | (byte(i) & 0x3F);
    }
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (point < least[more] || point > 0x10FFFF || (point >= 0xD800 && point < 0xE000))
        return std::nullopt;
    return point;
}

}  // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i != text.size();)
        if (!NextPoint(text, i)) return false;
    return true;
}

bool FitsWindows1252(std::string_view utf8) {
    for (std::size_t i = 0; i != utf8.size();) {
        const auto point = NextPoint(utf8, i);
        if (!point) return false;
        const bool latin1 = *point < 0x80 || (*point >= 0xA0 && *point <= 0xFF);
        if (!latin1 &&
            (*point == 0xFFFD || std::find(High.begin(), High.end(), *point) == High.end()))
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    text = TrimmedEnd(text);
    return text.substr(std::min(text.find_first_not_of(" \t"), text.size()));
}

std::string_view TrimmedEnd(std::string_view text) {
    return text.substr(0, text.find_last_not_of(" \t") + 1);
}

namespace {

void AppendUtf8(std::string& out, char32_t point) {
    const auto put = [&](unsigned value) { out += static_cast<char>(value); };
    if (point < 0x80) {
        put(point);
    } else if (point < 0x800) {
        put(0xC0 | point >> 6);
        put(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        put(0xE0 | point >> 12);
        put(0x80 | (point >> 6 & 0x3F));
        put(0x80 | (point & 0x3F));
    } else {
        put(0xF0 | point >> 18);
        put(0x80 | (point >> 12 & 0x3F));
        put(0x80 | (point >> 6 & 0x3F));
        put(0x80 | (point & 0x3F));
    }
}

}  // namespace

std::string Utf8OfUtf16(std::string_view bytes, bool bigEndian) {
    std::vector<char16_t> units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(
            static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
    }
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        const bool high = unit >= 0xD800 && unit < 0xDC00;
        const bool low = unit >= 0xDC00 && unit < 0xE000;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10 | (units[++i] - 0xDC00)));
            continue;
        }
        AppendUtf8(out, high || low ? 0xFFFD : unit);
    }
    if (bytes.size() % 2 != 0) AppendUtf8(out, 0xFFFD);
    return out;
}

// The core words names in UTF-8 already: one conversion for both.
std::string Utf8(std::string_view windows1252) {
    return WordsName(windows1252);
}

std::string Hex(std::uint32_t value, int digits) {
    return WordsHex(value, digits);
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

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row.back();
}
