#include "rom/gametext.h"

#include <gtest/gtest.h>

#include <sstream>

#include "rom/loader.h"

namespace {

TEST(GameText, TableHasItsCounts) {
    int withText = 0, single = 0;
    for (int b = 0; b < 0xFF; ++b) {
        const std::string t = DecodeGameChar(static_cast<std::uint8_t>(b));
        ASSERT_FALSE(t.empty());
        ASSERT_LE(t.size(), 7u);
        // 0xAC is the one byte whose own text is "?".
        if (t == "?" && b != 0xAC) continue;
        ++withText;
        single += t.size() == 1;
    }
    EXPECT_EQ(withText, 161);
    EXPECT_EQ(single, 134);
}

TEST(GameText, SelectedBytes) {
    const std::pair<std::uint8_t, const char*> cases[] = {
        {0x00, " "},       {0xFF, "?"},      {0xAC, "?"},     {0x0A, "?"},    {0x2E, "+"},
        {0xF9, "+"},       {0x10, "\x8C"},   {0x25, "\x9C"},  {0x1B, "\xE9"}, {0x56, "[K\xE9]"},
        {0x7C, "[Right]"}, {0x7A, "[Down]"}, {0xB0, "[...]"}, {0xB1, "\"b"},  {0xB3, "'b"},
        {0xFA, "\\l"},     {0xFE, "\\n"},    {0xBB, "A"},     {0xD4, "Z"},    {0xD5, "a"},
        {0xEE, "z"},       {0xA1, "0"},      {0xAA, "9"},     {0xEF, "[>]"},  {0x85, "<"},
        {0xF0, ":"},       {0x2C, "[er]"},   {0x53, "[PK]"},  {0xF7, "?"},    {0xF6, "\xFC"},
    };
    for (const auto& [byte, text] : cases) EXPECT_EQ(DecodeGameChar(byte), text) << int(byte);
}

TEST(GameText, NamesEndAtFfSkipLeadingZerosAndKeepInnerOnes) {
    std::array<std::string, 4> names;
    std::istringstream rom(std::string("\xBB\xD6\xD7\x00\xA2\xFF\x00\x00\xBC\xFF\x00\xFF", 12));
    ReadNameTable(rom, 0, names);
    // The file ends before the last name's 0xFF: the missing byte ends it.
    EXPECT_EQ(names, (std::array<std::string, 4>{"Abc 1", "B", "", ""}));
}

}  // namespace
