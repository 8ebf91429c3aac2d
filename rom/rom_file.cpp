#include "rom/rom_file.h"

#include <filesystem>

std::ifstream RomFile;

void OpenRomFile(const std::string& path) {
    if (RomFile.is_open()) RomFile.close();
    RomFile.clear();
    // Only a regular file can be a ROM; opening a named pipe would block the
    // window until something wrote to it.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
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
