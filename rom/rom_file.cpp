#include "rom/rom_file.h"

std::ifstream RomFile;

void OpenRomFile(const std::string& path) {
    if (RomFile.is_open()) RomFile.close();
    RomFile.clear();
    RomFile.open(path, std::ios::in | std::ios::binary);
}

void SeekRom(std::istream& rom, std::int64_t offset) {
    rom.clear();
    rom.seekg(offset);
}

std::uint8_t ReadRomByte(std::istream& rom) {
    const auto c = rom.get();
    if (c == std::istream::traits_type::eof()) {
        // Keep the stream usable for the next seek; the missing byte reads as 0xFF.
        rom.clear();
        return 0xFF;
    }
    return static_cast<std::uint8_t>(c);
}
