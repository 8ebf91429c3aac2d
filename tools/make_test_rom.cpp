// make_test_rom CODE PATH [SIZE] [ENTRY=VALUE ...]
// Writes a synthetic ROM of the release CODE; ENTRY=VALUE pairs (hexadecimal
// values) put illegal or special entries into the table.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/synthetic_rom.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_test_rom CODE PATH [SIZE] [ENTRY=HEXVALUE ...]\n");
        return 2;
    }
    SyntheticRom rom = DefaultRom(argv[1]);
    rom.species[1] = GameText("Pok\xE9mon");
    rom.moves[0] = {0xBB, 0xFE, 0xBC};  // a backslash text inside a name
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        if (eq == std::string::npos) {
            rom.size = std::strtoull(arg.c_str(), nullptr, 0);
            continue;
        }
        const int entry = std::atoi(arg.substr(0, eq).c_str());
        rom.table.at(static_cast<std::size_t>(entry)) =
            static_cast<std::uint16_t>(std::strtoul(arg.substr(eq + 1).c_str(), nullptr, 16));
    }
    WriteRom(argv[2], rom);
    return 0;
}
