// A ROM named on the command line, and the one-line complaints about files that
// cannot be used.
#pragma once

#include <string>

#include "rom/loader.h"

// The exit statuses every command shares.
enum ExitStatus { Success = 0, FoundSomething = 1, Unusable = 2 };

struct RomInput {
    std::string path;     // as named on the command line
    Rom rom;              // release.version is nullptr for a file of no supported release
    std::string problem;  // why the file cannot be used; empty when it can
    // Not a ROM at all: too short for a header, or a release with no egg-move table.
    bool notRom = false;
    bool source = false;  // the table of a decompilation's source, with no release
};

RomInput ReadRomInput(const std::string& path);

// What check and diff compare: a ROM, or, for a name ending in .h, the table of
// a decompilation's egg_moves.h alone, named by its constants. Its problem is
// "PATH: WHY", or "PATH:LINE: WHY" where the file was refused.
RomInput ReadTableInput(const std::string& path);
// The problem of a table input as "PATH: WHY" ("PATH:LINE: WHY"), also for a ROM
// of no supported release; empty when it can be used.
std::string InputProblem(const RomInput& input, const std::string& path);

// Why a ROM that was read is no supported release: "not a supported release (...)".
std::string UnsupportedProblem(const Rom& rom);

// "quenmark-cli: PATH: WHY" on standard error ("quenmark-cli: WHY" when WHY
// starts with PATH or ends with ": PATH"); gives Unusable.
int Complain(const std::string& path, const std::string& why);

// The whole of a text file (standard input for "-"), or the reason it cannot be read.
bool ReadTextFile(const std::string& path, std::string& text, std::string& problem);

// Whether two paths name the same file.
bool SameFile(const std::string& a, const std::string& b);
