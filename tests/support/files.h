// Writing over a file in place, as another program would while it is open here.
#pragma once

#include <filesystem>
#include <fstream>

#include "tools/synthetic_rom.h"

inline void Poke(const std::filesystem::path& path, std::int64_t at, const Bytes& bytes) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(at);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}
