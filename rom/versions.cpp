#include "rom/versions.h"

#include "rom/rom_file.h"

std::int32_t SpeciesNameOffset = 0;
std::int32_t MoveNameOffset = 0;
std::int32_t EggMoveOffset = 0;

std::string ReadGameCode(std::istream& rom) {
    SeekRom(rom, GameCodeOffset);
    std::string code;
    for (int i = 0; i < 4; ++i) code += static_cast<char>(ReadRomByte(rom));
    return code;
}

bool IdentifyGameVersion(std::istream& rom) {
    const std::string code = ReadGameCode(rom);
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
