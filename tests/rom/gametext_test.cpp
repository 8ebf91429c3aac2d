#include "rom/gametext.h"

#include <gtest/gtest.h>

#include <sstream>

#include "eggmoves/table.h"
#include "rom/loader.h"

namespace {

TEST(GameText, TableHasItsCounts) {
    int withText = 0, single = 0, longer = 0;
    for (int b = 0; b < 0xFF; ++b) {
        const std::string t = DecodeGameChar(static_cast<std::uint8_t>(b));
        ASSERT_FALSE(t.empty());
        ASSERT_LE(t.size(), 7u);
        // 0xAC is the one byte whose own text is "?".
        if (t == "?" && b != 0xAC) continue;
        ++withText;
        (t.size() == 1 ? single : longer)++;
    }
    EXPECT_EQ(withText, 161);
    EXPECT_EQ(single, 134);
    EXPECT_EQ(longer, 27);
}

TEST(GameText, SelectedBytes) {
    const struct {
        std::uint8_t byte;
        const char* text;
    } cases[] = {
        {0x00, " "},       {0xFF, "?"},      {0xAC, "?"},     {0x0A, "?"},    {0x2E, "+"},
        {0xF9, "+"},       {0x10, "\x8C"},   {0x25, "\x9C"},  {0x1B, "\xE9"}, {0x56, "[K\xE9]"},
        {0x7C, "[Right]"}, {0x7A, "[Down]"}, {0xB0, "[...]"}, {0xB1, "\"b"},  {0xB3, "'b"},
        {0xFA, "\\l"},     {0xFE, "\\n"},    {0xBB, "A"},     {0xD4, "Z"},    {0xD5, "a"},
        {0xEE, "z"},       {0xA1, "0"},      {0xAA, "9"},     {0xEF, "[>]"},  {0x85, "<"},
        {0xF0, ":"},       {0x2C, "[er]"},   {0x53, "[PK]"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeGameChar(c.byte), c.text) << int(c.byte);
}

TEST(GameText, BytesWithoutTextAreExactlyTheListedRanges) {
    const std::pair<int, int> none[] = {{0x0A, 0x0A}, {0x18, 0x18}, {0x1F, 0x1F}, {0x2F, 0x33},
                                        {0x37, 0x50}, {0x5E, 0x67}, {0x69, 0x6E}, {0x70, 0x78},
                                        {0x7D, 0x83}, {0x87, 0xA0}, {0xF7, 0xF8}};
    int listed = 0;
    for (auto [from, to] : none) {
        for (int b = from; b <= to; ++b, ++listed)
            EXPECT_EQ(DecodeGameChar(static_cast<std::uint8_t>(b)), "?") << b;
    }
    EXPECT_EQ(listed, 94);
}

TEST(GameText, NameEndsAtFfAndKeepsInnerZero) {
    std::array<std::string, 2> names;
    std::istringstream rom(std::string("\xBB\xD6\xD7\x00\xA2\xFF\x00\x00\xBC\xFF", 10));
    ReadNameTable(rom, 0, names);
    EXPECT_EQ(names[0], "Abc 1");
    EXPECT_EQ(names[1], "B");
}

}  // namespace
