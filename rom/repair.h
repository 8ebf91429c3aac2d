// The repair of one illegal table entry, straight into the ROM file.
#pragma once

#include <cstdint>
#include <string>

#include "eggmoves/table.h"
#include "eggmoves/words.h"

// The kind of repair an illegal entry gets: a move for a move-kind entry, a
// species for anything else.
Kind RepairKind(std::uint16_t entry);
// The legal value written over an illegal entry of kind (Move or Species).
std::uint16_t RepairFiller(Kind kind);

// Writes filler over the entry at offset in the file at path. The file is never
// created, truncated or extended; a write that fails is not reported, since the
// loader reads the entry again to learn the outcome.
void WriteRepair(const std::string& path, std::int64_t offset, std::uint16_t filler);

// The repair question's second line: "Row 3: 0x0000 is neither a species nor a
// move. Yes writes ?????????? (0x4E20) there, now."
Words RepairQuestionWords(int row, std::uint16_t value, const RomNames& names);
