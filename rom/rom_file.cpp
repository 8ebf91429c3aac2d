#include "rom/rom_file.h"

#include <algorithm>
#include <cstring>
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

void SearchRom(std::istream& rom, std::int64_t end, std::span<const std::uint8_t> lead,
               std::size_t view,
               const std::function<bool(std::int64_t, const std::uint8_t*)>& found) {
    constexpr std::int64_t Block = 1 << 20;
    // Each block reads a view less one byte past its end, so that none is cut.
    std::vector<std::uint8_t> bytes(Block + view - 1);
    for (std::int64_t at = 0; at < end; at += Block) {
        const auto wanted = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(bytes.size()), end - at));
        const std::size_t got = ReadRomBlock(rom, at, std::span(bytes).first(wanted));
        if (got < view) break;
        const std::uint8_t* const begin = bytes.data();
        const std::uint8_t* const last = begin + got - view;  // the last start in view
        for (const std::uint8_t* p = begin; p <= last; ++p) {
            // memmem: the C library's search, many times faster than a loop here.
            const void* hit = memmem(p, static_cast<std::size_t>(last - p) + lead.size(),
                                     lead.data(), lead.size());
            if (!hit) break;
            p = static_cast<const std::uint8_t*>(hit);
            if (found(at + (p - begin), p)) return;
        }
        if (got < wanted) break;
    }
}
