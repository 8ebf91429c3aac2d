// Reading the name tables of one file: names run to their 0xFF after skipping
// zero bytes, however far that is, so the cost must not grow with the file.
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <span>
#include <string>
#include <vector>

// Reads name tables from one file in blocks, and remembers the long runs of zeros
// it has skipped, so that a second table read over the same bytes (the move names
// start inside a file of zeros' first species "name") does not scan them again.
// The file must not change while the reader lives.
class NameTableReader {
  public:
    explicit NameTableReader(std::istream& rom) : rom_(rom) {}

    // Reads names.size() names from offset into names, replacing what they held:
    // zero bytes before a name are skipped, and each name runs to its 0xFF. Bytes
    // past the end of the file count as 0xFF, so from there every name is empty.
    void Read(std::int64_t offset, std::span<std::string> names);

  private:
    // The bytes from at to the end of the block read there; empty at the end of the file.
    std::span<const std::uint8_t> BytesFrom(std::int64_t at);
    // The first byte at or after at that is not zero (the end of the file if none).
    std::int64_t SkipZeros(std::int64_t at);

    std::istream& rom_;
    std::vector<std::uint8_t> block_;
    std::int64_t blockAt_ = 0;
    std::size_t blockRead_ = 0;                      // bytes of block_ that the file held
    std::map<std::int64_t, std::int64_t> zeroRuns_;  // first byte -> end, all zero
};
