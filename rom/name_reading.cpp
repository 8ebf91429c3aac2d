#include "rom/name_reading.h"

#include <algorithm>
#include <cstring>

#include "rom/gametext.h"
#include "rom/rom_file.h"

namespace {

// Names are short, so the first read is small; a scan that goes on (a long run of
// zeros, a name without its 0xFF) reads blocks twice as large each time.
constexpr std::size_t FirstBlock = 16 << 10;
constexpr std::size_t LargestBlock = 1 << 20;
// Shorter runs cost little to scan again, and there are at most one per name.
constexpr std::int64_t RememberedRun = 4096;

constexpr std::size_t ZeroChunk = 4096;
constexpr std::uint8_t Zeros[ZeroChunk] = {};

// The index of the first byte that is not zero, or bytes.size(). memcmp against
// zeros finds the chunk at library speed.
std::size_t FirstNonZero(std::span<const std::uint8_t> bytes) {
    for (auto rest = bytes; !rest.empty();) {
        const auto chunk = rest.first(std::min(ZeroChunk, rest.size()));
        if (std::memcmp(chunk.data(), Zeros, chunk.size()) != 0)
            return std::find_if(chunk.begin(), chunk.end(), [](std::uint8_t b) { return b; }) -
                   bytes.begin();
        rest = rest.subspan(chunk.size());
    }
    return bytes.size();
}

}  // namespace

std::span<const std::uint8_t> NameTableReader::BytesFrom(std::int64_t at) {
    // Unsigned, so that a byte before the block is outside it too.
    std::uint64_t into = at - blockAt_;
    if (into >= blockRead_) {
        block_.resize(block_.empty() ? FirstBlock : std::min(2 * block_.size(), LargestBlock));
        blockAt_ = at;
        blockRead_ = ReadRomBlock(rom_, at, block_);
        into = 0;
    }
    return std::span(block_).subspan(into, blockRead_ - into);
}

std::int64_t NameTableReader::SkipZeros(std::int64_t at) {
    std::int64_t from = at;
    if (auto run = zeroRuns_.upper_bound(at); run != zeroRuns_.begin()) {
        --run;
        if (at < run->second) {
            from = run->first;
            at = run->second;
        }
    }
    for (auto bytes = BytesFrom(at); !bytes.empty(); bytes = BytesFrom(at)) {
        const std::size_t zeros = FirstNonZero(bytes);
        at += zeros;
        if (zeros < bytes.size()) break;
    }
    if (at - from >= RememberedRun) zeroRuns_[from] = at;
    return at;
}

void NameTableReader::Read(std::int64_t offset, std::span<std::string> names) {
    for (std::string& name : names) name.clear();
    std::int64_t at = offset;
    for (std::string& name : names) {
        at = SkipZeros(at);
        // Find the 0xFF first, so that the name is allocated once at its size.
        std::int64_t end = at;
        std::size_t size = 0;
        const void* ff = nullptr;
        for (auto bytes = BytesFrom(end); !bytes.empty(); bytes = BytesFrom(end)) {
            ff = std::memchr(bytes.data(), 0xFF, bytes.size());
            const auto text = bytes.first(ff ? static_cast<const std::uint8_t*>(ff) - bytes.data()
                                             : bytes.size());
            size += GameTextSize(text);
            end += text.size();
            if (ff) break;
        }
        name.reserve(size);
        // Bytes run out before the end only if the file was cut meanwhile.
        std::int64_t from = at;
        for (auto bytes = BytesFrom(from); from < end && !bytes.empty(); bytes = BytesFrom(from)) {
            const auto text = bytes.first(std::min<std::uint64_t>(bytes.size(), end - from));
            AppendGameText(name, text);
            from += text.size();
        }
        // The end of the file ends this name, and every later one is empty.
        if (!ff) return;
        at = end + 1;
    }
}
