// A text for the user in both languages of the window and the page, as UTF-8.
// The core says what happened in Words; each front end shows the language in
// force, and the command line speaks English.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct Words {
    std::string english;
    std::string french;

    // language: 0 English, 1 French, as the front ends number them.
    const std::string& In(int language) const { return language == 1 ? french : english; }
};

// A name of the game (Windows-1252, as the tables hold them) in UTF-8, for Words.
std::string WordsName(std::string_view windows1252);

// "0x4E20": value in upper-case hexadecimal, at least digits digits.
std::string WordsHex(std::uint32_t value, int digits = 4);
