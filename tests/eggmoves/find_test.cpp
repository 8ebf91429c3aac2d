#include "eggmoves/find.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Lines as the list holds them: Windows-1252.
// clang-format off
const std::vector<std::string> Lines = {
    "Bulbasaur",         // 0
    "  Draosn\xE8ul",    // 1 è
    "  \xC9PINE",        // 2 É
    "  \x8C" "uf",       // 3 Œ
    "  Stra\xDF" "e",    // 4 ß
    "  \x8Alava \x9Fo",  // 5 Š Ÿ
    "  2\xD7" "3 \x80",  // 6 × €
    "  \x81 gap",        // 7 a byte 1252 leaves free
    "Bulbasaur",         // 8
};
// clang-format on

TEST(Find, IgnoresCaseAndAccentsForEveryLetter) {
    struct Case {
        const char* wanted;
        int from;
        int row;
    };
    const Case cases[] = {
        {"neul", -1, 1},             // the line's accent aside
        {"DRAOSNEUL", -1, 1},        // case aside
        {"draosnÈul", -1, 1},        // the typed accent aside
        {"drao\u0301snéul", -1, 1},  // a stray combining accent goes
        {"épine", -1, 2},
        {"oeuf", -1, 3},
        {"Œ", -1, 3},
        {"strasse", -1, 4},
        {"slava yo", -1, 5},
        {"ŠLAVA Ÿ", -1, 5},
        {"2×3 €", -1, 6},
        {"2x3", -1, -1},              // × is no letter
        {"\xEF\xBF\xBD gap", -1, 7},  // U+FFFD
        {"bulba", -1, 0},
        {"bulba", 0, 8},  // after the row selected
        {"bulba", 8, 0},  // wrapping round
        {"neul", 1, 1},   // the only match, from itself
        {"zzzz", -1, -1},
        {"", -1, -1},
        {"\xC3", -1, 7},  // a cut sequence is the unknown character
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindRow(Lines, c.wanted, c.from), c.row) << c.wanted << " from " << c.from;
}

TEST(Find, FoldsBothSidesAlike) {
    struct Case {
        std::string windows1252;
        std::string utf8;
        std::string folded;
    };
    const Case cases[] = {
        {"\xC0\xC6\xC7\xD0\xD1\xD8\xDD\xDE", "ÀÆÇÐÑØÝÞ", "aaecdnoyth"},
        {"\xE0\xE6\xE7\xF0\xF1\xF8\xFD\xFE\xFF", "àæçðñøýþÿ", "aaecdnoythy"},
        {"\x8E\x9E\x83\x9C", "Žžƒœ", "zzfoe"},
        {"\xF7\xD7", "÷×", "÷×"},
        {"AZaz09", "AZaz09", "azaz09"},
        {"\x99", "™", "™"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FoldWindows1252(c.windows1252), c.folded) << c.utf8;
        EXPECT_EQ(FoldUtf8(c.utf8), c.folded) << c.utf8;
    }
    // Characters that are no letter keep their UTF-8, of each length; combining
    // accents (U+0300 to U+036F) go; a broken sequence is one unknown character a byte.
    const std::pair<std::string, std::string> typed[] = {
        {"\xC2\x80 \xC2\xA0", "\xC2\x80 \xC2\xA0"},
        {"\xE0\xA0\x80 \xF0\x90\x80\x80", "\xE0\xA0\x80 \xF0\x90\x80\x80"},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"a\xCC\x80\xCD\xAF_\xCD\xB0\xCB\xBF", "a_\xCD\xB0\xCB\xBF"},
        {"a\xE2\x82_", "a\xEF\xBF\xBD\xEF\xBF\xBD_"},
        {"\x80", "\xEF\xBF\xBD"},
    };
    for (const auto& [utf8, folded] : typed) EXPECT_EQ(FoldUtf8(utf8), folded) << utf8;
    EXPECT_EQ(FoldWindows1252("\x8A\x9A\xA0\xBF"), "ss\xC2\xA0\xC2\xBF");
}

}  // namespace
