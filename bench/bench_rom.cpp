#include "bench/bench_rom.h"

#include <map>
#include <string>

#include "tools/synthetic_rom.h"

namespace {

TempDir& Scratch() {
    static TempDir dir;
    return dir;
}

}  // namespace

const std::filesystem::path& BenchRom(std::uint64_t size) {
    static std::map<std::uint64_t, std::filesystem::path> written;
    auto [it, fresh] = written.try_emplace(size);
    if (fresh) {
        SyntheticRom rom = DefaultRom("BPRE");
        rom.species[1] = GameText("Pok\xE9mon");  // one accented name, as in the French games
        rom.size = size;
        it->second = Scratch() / ("rom-" + std::to_string(size) + ".gba");
        WriteRom(it->second, rom);
    }
    return it->second;
}

std::filesystem::path ScratchFile(const char* name) {
    return Scratch() / name;
}
