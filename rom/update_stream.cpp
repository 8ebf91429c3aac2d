#include "rom/update_stream.h"

#include <fstream>

#include "rom/rom_file.h"

std::unique_ptr<std::iostream> OpenFileForUpdate(const std::string& path) {
    return std::make_unique<std::fstream>(path, std::ios::in | std::ios::out | std::ios::binary);
}

UpdateStreamOpener OpenForUpdate = OpenFileForUpdate;

bool WriteInPlace(std::iostream& file, std::int64_t offset, const unsigned char* bytes,
                  std::size_t count) {
    if (!file || !HoldsBytes(file, offset, count)) return false;
    file.seekp(offset);
    file.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
    file.flush();
    return !file.fail();
}
