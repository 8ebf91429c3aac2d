// What the command line says of a table that was not written, and where one went.
#pragma once

#include <string>

#include "rom/saver.h"

// The one cause in English, naming the ROM at path.
std::string Refusal(SaveCause cause, const std::string& path, const std::string& reason = {});

// "1200 entries at 0xE3CF64".
std::string TablePlaceText(const TableLocation& table);
