#include "eggmoves/words.h"

namespace {

// What 0x80..0x9F stand for in Windows-1252; the other bytes are Latin-1.
constexpr char16_t High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

}  // namespace

std::string WordsName(std::string_view windows1252) {
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

std::string WordsHex(std::uint32_t value, int digits) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string out;
    for (; digits > 0 || value; --digits, value >>= 4) out.insert(out.begin(), Digits[value & 0xF]);
    return "0x" + out;
}
