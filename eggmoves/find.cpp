#include "eggmoves/find.h"

#include <cstdint>

namespace {

// The code points of Windows-1252's bytes 0x80 to 0x9F; 0 where it has none.
constexpr char32_t HighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// U+00C0 to U+00FF folded; an empty one stays as it is (× and ÷).
constexpr const char* Latin1Letters[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendFolded(std::string& out, char32_t c) {
    if (c >= U'A' && c <= U'Z') {
        out += static_cast<char>(c - U'A' + 'a');
    } else if (c >= 0xC0 && c <= 0xFF && *Latin1Letters[c - 0xC0] != '\0') {
        out += Latin1Letters[c - 0xC0];
    } else if (c == 0x160 || c == 0x161) {
        out += 's';
    } else if (c == 0x17D || c == 0x17E) {
        out += 'z';
    } else if (c == 0x178) {
        out += 'y';
    } else if (c == 0x152 || c == 0x153) {
        out += "oe";
    } else if (c == 0x192) {
        out += 'f';
    } else if (c < 0x300 || c > 0x36F) {  // combining accents go
        AppendUtf8(out, c);
    }
}

// The number of bytes a UTF-8 sequence starting with lead holds, 0 for a byte
// that starts none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

}  // namespace

std::string FoldWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        const char32_t c = b >= 0x80 && b < 0xA0 ? HighControls[b - 0x80] : b;
        AppendFolded(out, c == 0 ? 0xFFFD : c);
    }
    return out;
}

std::string FoldUtf8(std::string_view text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = SequenceLength(lead);
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool whole = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            whole = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // A broken sequence stands for itself as one unknown character.
        AppendFolded(out, whole ? c : 0xFFFD);
        i += whole ? static_cast<std::size_t>(length) : 1;
    }
    return out;
}

int FindRow(const std::vector<std::string>& lines, std::string_view wanted, int from) {
    const std::string folded = FoldUtf8(wanted);
    const auto n = static_cast<int>(lines.size());
    if (folded.empty()) return -1;
    for (int step = 1; step <= n; ++step) {
        const int row = ((from + step) % n + n) % n;
        if (FoldWindows1252(lines[static_cast<std::size_t>(row)]).find(folded) != std::string::npos)
            return row;
    }
    return -1;
}
