#include "rom/update_stream.h"

#include <cstdint>

std::unique_ptr<std::fstream> OpenFileForUpdate(const std::string& path) {
    return std::make_unique<std::fstream>(path, std::ios::in | std::ios::out | std::ios::binary);
}

UpdateStreamOpener OpenForUpdate = OpenFileForUpdate;

bool WriteInPlace(std::fstream& file, std::int64_t offset, const unsigned char* bytes,
                  std::size_t count) {
    if (!file || offset < 0) return false;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (!file || size < offset + static_cast<std::streamoff>(count)) return false;
    file.seekp(offset);
    file.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
    file.close();
    return !file.fail();
}
