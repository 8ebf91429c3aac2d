// Finding a row of the list by a piece of its text, as the user types it: case
// and accents aside, for every letter the lines can hold.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Windows-1252 text in the form Find compares: letters in lower case without
// their accents ("Œ" becomes "oe", "ß" "ss"), anything else as UTF-8.
std::string FoldWindows1252(std::string_view text);

// UTF-8 text, as typed, in the same form; combining accents are dropped.
std::string FoldUtf8(std::string_view text);

// The first row after from, wrapping round to from itself, whose Windows-1252
// line holds wanted (UTF-8) with case and accents aside; -1 when none does or
// wanted is empty. A from of -1 starts at row 0.
int FindRow(const std::vector<std::string>& lines, std::string_view wanted, int from);
