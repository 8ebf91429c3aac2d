#include "tools/synthetic_rom.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <stdexcept>

#include "eggmoves/table.h"
#include "rom/gametext.h"
#include "rom/table_place.h"

namespace {

const GameVersion& VersionOf(std::string_view code, std::uint8_t revision) {
    static const GameVersion unknown{"????", 0, 0x1000, 0x3000, 0x6000, {}, "", ""};
    const GameVersion* v = FindGameVersion(code, revision);
    return v ? *v : unknown;
}

// Names in fixed slots like real images: the name, 0xFF, zero padding; a longer
// name simply runs on. lead zero bytes come first.
Bytes NameTable(const std::vector<Bytes>& names, std::size_t slot, std::size_t lead) {
    Bytes out(lead, 0);
    for (const Bytes& name : names) {
        const std::size_t start = out.size();
        out.insert(out.end(), name.begin(), name.end());
        out.push_back(0xFF);
        out.resize(std::max(out.size(), start + slot), 0);
    }
    return out;
}

}  // namespace

Bytes GameText(std::string_view text) {
    static const std::map<char, std::uint8_t> codes = [] {
        std::map<char, std::uint8_t> m;
        for (int b = 0xFE; b >= 0; --b) {
            const std::string t = DecodeGameChar(static_cast<std::uint8_t>(b));
            if (t.size() == 1 && !(t == "?" && b != 0xAC)) m[t[0]] = static_cast<std::uint8_t>(b);
        }
        return m;
    }();
    Bytes out;
    for (char c : text) out.push_back(codes.at(c));
    return out;
}

std::string DefaultSpeciesName(int species) {
    // As in the real games, a run of unused species shares one name.
    return species >= 252 && species <= 276 ? "?" : "SPECIES" + std::to_string(species);
}
std::string DefaultMoveName(int move) {
    return "MOVE" + std::to_string(move);
}

SyntheticRom DefaultRom(std::string_view code, std::uint8_t revision) {
    SyntheticRom rom;
    rom.code = code;
    rom.revision = revision;
    for (int s = 0; s < SpeciesNameCount; ++s)
        rom.species.push_back(GameText(DefaultSpeciesName(s)));
    for (int m = 1; m <= MoveNameCount; ++m) rom.moves.push_back(GameText(DefaultMoveName(m)));
    for (int group = 0; group < 165; ++group) {
        rom.table.push_back(static_cast<std::uint16_t>(SpeciesEntryBase + 1 + group));
        for (int m = 0; m < (group < 148 ? 6 : 5); ++m)
            rom.table.push_back(
                static_cast<std::uint16_t>(1 + (group * 7 + m * 31) % MoveNameCount));
    }
    if (code.size() == 4 && code[3] == 'D') {
        // Only German names spell with the umlauts, so only these images carry them.
        rom.species[2] = GameText("K\xC4UZCHEN");
        rom.species[4] = GameText("M\xD6WCHEN");
        rom.moves[7] = GameText("R\xDCSSELHIEB");  // move 8, the first of species 2
    }
    return rom;
}

std::vector<std::uint32_t> GameWordsFor(std::uint64_t offset) {
    const auto pointer = static_cast<std::uint32_t>(RomBusAddress + offset);
    return {pointer, pointer, EggMoveEntryCount - 1};
}

std::uint64_t TableOffset(std::string_view code, std::uint8_t revision) {
    return static_cast<std::uint64_t>(VersionOf(code, revision).EggMoveOffset);
}

std::vector<Piece> RomPieces(const SyntheticRom& rom) {
    const GameVersion& v = VersionOf(rom.code, rom.revision);
    Bytes header(RevisionOffset + 1, 0);
    std::copy_n(rom.code.begin(), std::min<std::size_t>(4, rom.code.size()),
                &header[GameCodeOffset]);
    header[RevisionOffset] = rom.revision;
    Bytes table;
    for (std::uint16_t e : rom.table)
        table.insert(table.end(), {std::uint8_t(e & 0xFF), std::uint8_t(e >> 8)});
    table.insert(table.end(), {0xFF, 0xFF});
    // The move offset points into the padding of move 0's slot.
    std::vector<Piece> pieces = {
        {0, header},
        {std::uint64_t(v.SpeciesNameOffset), NameTable(rom.species, rom.padded ? 11 : 0, 0)},
        {std::uint64_t(v.MoveNameOffset), NameTable(rom.moves, rom.padded ? 13 : 0, 2)},
        {std::uint64_t(rom.tableAt >= 0 ? rom.tableAt : v.EggMoveOffset), table}};
    const std::int32_t places[] = {v.words.tablePointer1, v.words.tablePointer2,
                                   v.words.searchLimit};
    for (std::size_t i = 0; i < rom.words.size() && i < 3 && places[i]; ++i) {
        const std::uint32_t w = rom.words[i];
        pieces.push_back({std::uint64_t(places[i]),
                          {std::uint8_t(w), std::uint8_t(w >> 8), std::uint8_t(w >> 16),
                           std::uint8_t(w >> 24)}});
    }
    return pieces;
}

std::uint64_t RomSize(const SyntheticRom& rom) {
    std::uint64_t end = 0;
    for (const Piece& p : RomPieces(rom)) end = std::max(end, p.end());
    return rom.size ? rom.size : end;
}

void WriteRom(const std::filesystem::path& path, const SyntheticRom& rom) {
    const std::uint64_t size = RomSize(rom);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (rom.padFrom && rom.padFrom < size) {
        out.seekp(static_cast<std::streamoff>(rom.padFrom));
        const std::string padding(size - rom.padFrom, '\xFF');
        out.write(padding.data(), static_cast<std::streamsize>(padding.size()));
    }
    for (const Piece& p : RomPieces(rom)) {
        out.seekp(static_cast<std::streamoff>(p.offset));
        out.write(reinterpret_cast<const char*>(p.bytes.data()),
                  static_cast<std::streamsize>(p.bytes.size()));
    }
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
    std::filesystem::resize_file(path, size);
}

Bytes ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    Bytes bytes(in ? static_cast<std::size_t>(in.tellg()) : 0);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quenmark-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
