// How the two writers (repair and save) open the ROM: an existing file, for update
// in binary mode, never created or truncated. Tests replace the opener to make a
// write fail on demand, since root writes through a read-only file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

using UpdateStreamOpener = std::unique_ptr<std::fstream> (*)(const std::string& path);

// The real opener: in|out|binary mode, which fails on a missing file or a folder.
std::unique_ptr<std::fstream> OpenFileForUpdate(const std::string& path);

// What the writers call; OpenFileForUpdate unless a test has put another in.
extern UpdateStreamOpener OpenForUpdate;

// Writes bytes at offset only if the file already holds them all, so it is never
// extended; closes the file and reports whether every byte reached it.
bool WriteInPlace(std::fstream& file, std::int64_t offset, const unsigned char* bytes,
                  std::size_t count);
