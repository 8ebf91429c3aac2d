#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <string_view>

namespace {

const GameVersion* VersionOfCode(std::span<const std::uint8_t> header) {
    const std::string_view code(reinterpret_cast<const char*>(header.data()) + GameCodeOffset, 4);
    for (const GameVersion& v : GameVersionTable)
        if (v.code == code) return &v;
    return nullptr;
}

// Hands out the input front to back; past its end there is nothing.
class Cursor {
  public:
    explicit Cursor(std::span<const std::uint8_t> input) : rest_(input) {}

    std::span<const std::uint8_t> Take(std::size_t count) {
        const auto taken = rest_.first(std::min(count, rest_.size()));
        rest_ = rest_.subspan(taken.size());
        return taken;
    }
    std::size_t Length16() {
        const auto b = Take(2);
        return (b.size() > 0 ? b[0] : 0) | (b.size() > 1 ? b[1] << 8 : 0);
    }

  private:
    std::span<const std::uint8_t> rest_;
};

}  // namespace

FuzzRom DecodeFuzzInput(std::span<const std::uint8_t> input) {
    FuzzRom rom;
    if (input.size() >= HeaderSize) rom.version = VersionOfCode(input);
    if (!rom.version) {
        rom.regions.push_back({0, ByteString(input.begin(), input.end())});
        rom.size = input.size();
        return rom;
    }

    Cursor in(input);
    const auto header = in.Take(HeaderSize);
    const std::size_t speciesLength = in.Length16();
    const std::size_t moveLength = in.Length16();
    const GameVersion& v = *rom.version;
    const auto slice = [&in](std::int32_t offset, std::size_t length) {
        const auto bytes = in.Take(length);
        return Region{static_cast<std::uint64_t>(offset), ByteString(bytes.begin(), bytes.end())};
    };
    rom.regions.push_back({0, ByteString(header.begin(), header.end())});
    // Cut at the next offset, keeping the regions disjoint; the rest of such a
    // slice is skipped, not shifted into the next one.
    rom.regions.push_back(
        slice(v.speciesNameOffset,
              std::min<std::size_t>(speciesLength, v.moveNameOffset - v.speciesNameOffset)));
    in.Take(speciesLength - rom.regions.back().bytes.size());
    rom.regions.push_back(slice(
        v.moveNameOffset, std::min<std::size_t>(moveLength, v.eggMoveOffset - v.moveNameOffset)));
    in.Take(moveLength - rom.regions.back().bytes.size());
    rom.regions.push_back(slice(v.eggMoveOffset, input.size()));

    for (const Region& r : rom.regions)
        if (!r.bytes.empty()) rom.size = r.end();
    return rom;
}

ByteString EncodeFuzzInput(const ByteString& header, const ByteString& speciesNames,
                           const ByteString& moveNames, const ByteString& table) {
    ByteString out = header;
    for (const std::size_t length : {speciesNames.size(), moveNames.size()}) {
        out.push_back(static_cast<std::uint8_t>(length & 0xFF));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
    }
    for (const ByteString* part : {&speciesNames, &moveNames, &table})
        out.insert(out.end(), part->begin(), part->end());
    return out;
}
