// What the command line says of a table that cannot grow, and where one went.
#pragma once

#include <string>

#include "rom/saver.h"

// Why a table could not be written or grown, in words; empty for Saved and Grown.
std::string GrowthRefusal(SaveResult result);

// "1200 entries at 0xE3CF64".
std::string TablePlaceText(const TableLocation& table);
