#include "rom/gametext.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// One text per byte value, Windows-1252 bytes; nullptr where the byte has none.
// 0xFF ends a string in game text and has no text of its own.
constexpr std::array<const char*, 256> GameCharTexts{
    // clang-format off
    /* 00 */ " ", "\xC0", "\xC1", "\xC2", "\xC7", "\xC8", "\xC9", "\xCA", "\xCB", "\xCC", nullptr, "\xCE", "\xCF", "\xD2", "\xD3", "\xD4",
    /* 10 */ "\x8C", "\xD9", "\xDA", "\xDB", "\xD1", "\xDF", "\xE0", "\xE1", nullptr, "\xE7", "\xE8", "\xE9", "\xEA", "\xEB", "\xEC", nullptr,
    /* 20 */ "\xEE", "\xEF", "\xF2", "\xF3", "\xF4", "\x9C", "\xF9", "\xFA", "\xFB", "\xF1", "\xBA", "\xAA", "[er]", "&", "+", nullptr,
    /* 30 */ nullptr, nullptr, nullptr, nullptr, "[Lv]", "=", ";", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /* 40 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /* 50 */ nullptr, "\xBF", "\xA1", "[PK]", "[MN]", "[PO]", "[K\xE9]", "[BL]", "[OC]", "[K]", "\xCD", "%", "(", ")", nullptr, nullptr,
    /* 60 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "\xE2", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "\xED",
    /* 70 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "[Up]", "[Down]", "[Left]", "[Right]", nullptr, nullptr, nullptr,
    /* 80 */ nullptr, nullptr, nullptr, nullptr, "[e]", "<", ">", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /* 90 */ nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    /* A0 */ nullptr, "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "!", "?", ".", "-", "[.]",
    /* B0 */ "[...]", "\"b", "\"", "'b", "'", "[m]", "[f]", "$", ",", "[x]", "/", "A", "B", "C", "D", "E",
    /* C0 */ "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U",
    /* D0 */ "V", "W", "X", "Y", "Z", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k",
    /* E0 */ "l", "m", "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "[>]",
    /* F0 */ ":", "\xC4", "\xD6", "\xDC", "\xE4", "\xF6", "\xFC", nullptr, nullptr, "+", "\\l", "\\p", "\\c", "\\v", "\\n", nullptr,
    // clang-format on
};

// Each text padded to 8 bytes, so that decoding copies a fixed 8 and moves on by size.
struct PaddedText {
    char text[8];
    std::uint8_t size;
};

constexpr std::array<PaddedText, 256> MakePaddedTexts() {
    std::array<PaddedText, 256> padded{};
    for (std::size_t code = 0; code < padded.size(); ++code) {
        const char* text = GameCharTexts[code] ? GameCharTexts[code] : "?";
        while (text[padded[code].size]) {
            padded[code].text[padded[code].size] = text[padded[code].size];
            ++padded[code].size;
        }
    }
    return padded;
}
constexpr std::array<PaddedText, 256> PaddedTexts = MakePaddedTexts();

}  // namespace

std::string DecodeGameChar(std::uint8_t code) {
    return std::string(PaddedTexts[code].text, PaddedTexts[code].size);
}

std::size_t GameTextSize(std::span<const std::uint8_t> bytes) {
    std::size_t size = 0;
    for (const std::uint8_t b : bytes) size += PaddedTexts[b].size;
    return size;
}

void AppendGameText(std::string& text, std::span<const std::uint8_t> bytes) {
    // Decoded a piece at a time into a buffer that holds a piece of the longest texts.
    constexpr std::size_t Piece = 512;
    char buffer[Piece * sizeof PaddedTexts[0].text];
    for (auto rest = bytes; !rest.empty();) {
        const auto piece = rest.first(std::min(Piece, rest.size()));
        char* out = buffer;
        for (const std::uint8_t b : piece) {
            std::memcpy(out, PaddedTexts[b].text, sizeof PaddedTexts[b].text);
            out += PaddedTexts[b].size;
        }
        text.append(buffer, out);
        rest = rest.subspan(piece.size());
    }
}
