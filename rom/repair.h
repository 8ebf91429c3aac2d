// The repair of one illegal table entry, straight into the ROM file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "eggmoves/table.h"

// The legal value written over an illegal entry of kind (Move or Species).
std::uint16_t RepairFiller(Kind kind);

// Asks through accepted (none counts as No); on Yes writes the filler of kind over the two bytes
// just before position in the file at path. The file is never created, truncated or extended, and a
// write that fails is not reported: the caller reads the entry again to learn the outcome. Returns
// false only when the user declined.
bool RepairEntry(std::int32_t position, const std::string& path, Kind kind,
                 const std::function<bool()>& accepted);
