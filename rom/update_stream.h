// How the two writers (repair and save) open the ROM: an existing file, for update
// in binary mode, never created or truncated. Tests replace the opener to make a
// write fail on demand, since root writes through a read-only file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>

using UpdateStreamOpener = std::unique_ptr<std::iostream> (*)(const std::string& path);

// The real opener: a std::fstream in in|out|binary mode, which fails on a missing file.
std::unique_ptr<std::iostream> OpenFileForUpdate(const std::string& path);

// What the writers call; OpenFileForUpdate unless a test has put another in.
extern UpdateStreamOpener OpenForUpdate;

// Writes bytes at offset only if the stream already holds them all, so the file
// is never extended; flushes and reports whether every byte went out.
bool WriteInPlace(std::iostream& file, std::int64_t offset, const unsigned char* bytes,
                  std::size_t count);
