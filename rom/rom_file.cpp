#include "rom/rom_file.h"

#include <filesystem>

std::ifstream OpenRomFile(const std::string& path) {
    std::ifstream rom;
    // Only a regular file can be a ROM; opening a named pipe would block until
    // something wrote to it.
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) rom.open(path, std::ios::binary);
    return rom;
}

Bytes ReadRomBytes(std::istream& rom, std::int64_t offset, std::size_t count) {
    // A short read leaves the rest 0xFF.
    Bytes bytes(count, 0xFF);
    ReadRomBlock(rom, offset, bytes);
    return bytes;
}

std::size_t ReadRomBlock(std::istream& rom, std::int64_t offset, std::span<std::uint8_t> bytes) {
    rom.clear();
    if (offset < 0 || !rom.seekg(offset)) {
        rom.clear();
        return 0;
    }
    rom.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const auto read = static_cast<std::size_t>(rom.gcount());
    // The stream stays usable for the next seek.
    rom.clear();
    return read;
}

std::uint32_t ReadRomWord(std::istream& rom, std::int64_t offset) {
    const Bytes b = ReadRomBytes(rom, offset, 4);
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::int64_t RomFileSize(std::istream& rom) {
    rom.clear();
    rom.seekg(0, std::ios::end);
    const std::streamoff size = rom.tellg();
    rom.clear();
    return size;
}

bool HoldsBytes(std::istream& rom, std::int64_t offset, std::size_t count) {
    return RomFileSize(rom) - offset >= static_cast<std::int64_t>(count);
}
