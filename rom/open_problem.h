// Why a file cannot be opened as a ROM at all, and the warning for a release
// whose file ends inside its table: the same words in every front end.
#pragma once

#include <istream>
#include <string>

#include "eggmoves/words.h"
#include "rom/loader.h"

enum class OpenProblem {
    None,        // a regular, readable file of at least a header
    Missing,     // nothing by that name
    Folder,      // a folder by that name
    NotRegular,  // a device, a pipe or a socket
    Unreadable,  // the system refused to open it; reason says why
    TooShort,    // shorter than a header: no game code to read
};

struct OpenCheck {
    OpenProblem problem = OpenProblem::None;
    std::string reason;  // the system's text, for Unreadable
};

// What stands in the way of reading path as a ROM.
OpenCheck CheckRomPath(const std::string& path);
// The same for a file already open (the page's image): TooShort or None.
OpenProblem CheckRomStream(std::istream& file);

// "The file does not exist: PATH", "PATH is a folder, not a file", "The file is
// too short to be a Game Boy Advance rom"...; path as the front end shows it.
Words OpenProblemWords(const OpenCheck& check, const std::string& path);

// For a loaded supported release whose file ends inside its table (regionWhole
// false): "This rom is cut short: it ends at 0xEND, inside the egg move list
// (0xSTART to 0xSTOP). ...", which stands in for the read-only warning.
Words CutShortWords(const Rom& rom);
