#include "rom/versions.h"

#include <string>

#include "rom/rom_file.h"

std::int32_t SpeciesNameOffset = 0;
std::int32_t MoveNameOffset = 0;
std::int32_t EggMoveOffset = 0;

bool IdentifyGameVersion(std::istream& rom) {
    SeekRom(rom, GameCodeOffset);
    std::string code;
    for (int i = 0; i < 4; ++i) code += static_cast<char>(ReadRomByte(rom));
    for (const GameVersion& version : GameVersionTable) {
        if (version.code == code) {
            SpeciesNameOffset = version.speciesNameOffset;
            MoveNameOffset = version.moveNameOffset;
            EggMoveOffset = version.eggMoveOffset;
            return true;
        }
    }
    return false;
}
