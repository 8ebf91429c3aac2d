// How the writers (repair, save, import) open the ROM: an existing file, for
// update in binary mode, never created or truncated. Tests and the fuzzer put in
// another opener: to make a write fail on demand, since root writes through a
// read-only file, or to keep the whole ROM in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

using UpdateStreamOpener = std::unique_ptr<std::iostream> (*)(const std::string& path);

// The real opener: in|out|binary mode, which fails on a missing file or a folder.
std::unique_ptr<std::iostream> OpenFileForUpdate(const std::string& path);

// What the writers call; OpenFileForUpdate unless another has been put in.
extern UpdateStreamOpener OpenForUpdate;

// Writes bytes at offset only if the file already holds them all, so it is never
// extended; flushes, and reports whether every byte reached the file.
bool WriteInPlace(std::iostream& file, std::int64_t offset, const unsigned char* bytes,
                  std::size_t count);
