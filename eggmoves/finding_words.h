// What the check's findings say to the user, in English and French: the command
// line, the window and the page all speak of a finding in these words.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "eggmoves/rules.h"
#include "eggmoves/words.h"

// The UTF-8 name of a legal entry, as the front end spells the ROM's names.
using EntryNamer = std::function<std::string(std::uint16_t entry)>;

// The rule as the command line's JSON names it: "illegal-entry", "moves-run-on"...
const char* RuleName(Rule rule);

// Whose moves the finding is about: the species' name, "(no species)" before
// the first one, "(past the end mark)"; empty for a finding on the whole table.
Words FindingSubject(const Finding& finding, const EntryNamer& name);
// What the game does there, to follow the subject: "has more than 10 moves: ...".
Words FindingMessage(const Finding& finding, const EggMoveEntries& table, const EntryNamer& name);
// One line for a list of findings: "Row 12: SUBJECT: MESSAGE", or the message
// alone for a finding on the whole table.
Words FindingLine(const Finding& finding, const EggMoveEntries& table, const EntryNamer& name);
// The line shown in place of the findings when there are none.
Words NoFindingWords();

// The first error of a row among findings: a table the game will misread. A
// finding on the whole table (another table read, a file cut short) is none:
// such a table is never written.
std::optional<Finding> FirstError(const std::vector<Finding>& findings);
// The question before saving a table the game will misread, around its first
// error's line.
Words MisreadQuestion(const Words& firstError);
