// make_fuzz_seeds DIR: writes the seed corpus of load_fuzzer into DIR, in its
// input format (fuzz_input.h): a clean synthetic image of each release, then a
// few with illegal entries, early end marks and files cut short.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "eggmoves/table.h"
#include "fuzz/fuzz_input.h"
#include "tools/synthetic_rom.h"

namespace {

struct Cut {  // bytes kept of each slice
    std::size_t speciesNames = SIZE_MAX;
    std::size_t moveNames = SIZE_MAX;
    std::size_t table = SIZE_MAX;
};

ByteString Seed(const SyntheticRom& rom, Cut cut = {}) {
    const std::vector<Piece> pieces = RomPieces(rom);  // header, species, moves, table
    const auto keep = [](const Bytes& b, std::size_t n) {
        return ByteString(b.begin(),
                          b.begin() + static_cast<std::ptrdiff_t>(std::min(n, b.size())));
    };
    return EncodeFuzzInput(pieces[0].bytes, keep(pieces[1].bytes, cut.speciesNames),
                           keep(pieces[2].bytes, cut.moveNames), keep(pieces[3].bytes, cut.table));
}

SyntheticRom WithEntries(std::string_view code,
                         std::initializer_list<std::pair<int, std::uint16_t>> entries) {
    SyntheticRom rom = DefaultRom(code);
    for (const auto& [i, value] : entries) rom.table[static_cast<std::size_t>(i)] = value;
    return rom;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    int written = 0;
    const auto write = [&](const std::string& name, const ByteString& seed) {
        std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(seed.data()),
                  static_cast<std::streamsize>(seed.size()));
        written += static_cast<bool>(out);
    };

    for (const GameVersion& v : GameVersionTable) {
        SyntheticRom rom = DefaultRom(v.code);
        rom.species[1] = GameText("Pok\xE9mon");
        write("clean-" + std::string(v.code), Seed(rom));
    }
    // Each illegal value class once, each answered by a repair.
    write("illegal-BPRE",
          Seed(WithEntries("BPRE",
                           {{5, 0x0163}, {10, 0x0000}, {20, 0x4FBC}, {30, 0x1234}, {40, 0x4E1F}})));
    // Illegal entries after an early end mark raise no question.
    write("end-mark-BPEE",
          Seed(WithEntries("BPEE", {{300, EndMarkEntry}, {301, 0x0000}, {302, 0x9999}})));
    write("end-mark-first-AXPF", Seed(WithEntries("AXPF", {{0, EndMarkEntry}})));
    write("end-mark-last-AXVE", Seed(WithEntries("AXVE", {{1137, EndMarkEntry}, {12, 0x0200}})));
    // A file that ends inside an illegal entry, one that ends inside the move
    // names, one without the game's own terminator, and one that is just a header.
    write("cut-table-AXVF", Seed(WithEntries("AXVF", {{700, 0x0033}}), {.table = 2 * 700 + 1}));
    write("cut-names-BPGF", Seed(DefaultRom("BPGF"), {.moveNames = 2000, .table = 0}));
    SyntheticRom bare = DefaultRom("BPRF");
    bare.terminator = false;
    write("no-terminator-BPRF", Seed(bare));
    write("header-only-BPEF",
          Seed(DefaultRom("BPEF"), {.speciesNames = 0, .moveNames = 0, .table = 0}));
    write("unsupported-bpre", Seed(DefaultRom("bpre")));

    std::printf("%d seeds in %s\n", written, dir.c_str());
    return written > 0 ? 0 : 1;
}
