#include "tools/synthetic_rom.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <stdexcept>

#include "eggmoves/table.h"
#include "rom/gametext.h"
#include "rom/table_place.h"
#include "rom/versions.h"

namespace {

const GameVersion& VersionOf(std::string_view code, std::uint8_t revision) {
    if (const GameVersion* v = FindGameVersion(code, revision)) return *v;
    static const GameVersion unknown{"????", 0, 0x1000, 0x3000, 0x6000, {}, "", ""};
    return unknown;
}

void PutWord(Bytes& out, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(word >> shift));
}

// Names in fixed slots like real images: the name, 0xFF, zero padding; a longer
// name simply runs on. lead zero bytes come first.
Bytes NameTable(const std::vector<Bytes>& names, std::size_t slot, std::size_t lead) {
    Bytes out(lead, 0);
    for (const Bytes& name : names) {
        const std::size_t start = out.size();
        out.insert(out.end(), name.begin(), name.end());
        out.push_back(0xFF);
        while (out.size() - start < slot) out.push_back(0);
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
    rom.code = std::string(code);
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
    return rom;
}

std::vector<std::uint32_t> GameWordsFor(std::uint64_t offset) {
    const auto pointer = static_cast<std::uint32_t>(RomBusAddress + offset);
    return {pointer, pointer, GameSearchLimit};
}

std::uint64_t TableOffset(std::string_view code, std::uint8_t revision) {
    return static_cast<std::uint64_t>(VersionOf(code, revision).EggMoveOffset);
}

std::vector<Piece> RomPieces(const SyntheticRom& rom) {
    const GameVersion& v = VersionOf(rom.code, rom.revision);
    std::vector<Piece> pieces;
    Bytes header(RevisionOffset + 1, 0);
    std::copy_n(rom.code.begin(), std::min<std::size_t>(4, rom.code.size()),
                header.begin() + GameCodeOffset);
    header[RevisionOffset] = rom.revision;
    pieces.push_back({0, header});
    const GameWords& w = v.words;
    const std::int32_t wordPlaces[] = {w.tablePointer1, w.tablePointer2, w.searchLimit};
    for (std::size_t i = 0; i < rom.words.size() && i < 3 && wordPlaces[i]; ++i) {
        Bytes word;
        PutWord(word, rom.words[i]);
        pieces.push_back({static_cast<std::uint64_t>(wordPlaces[i]), word});
    }
    pieces.push_back({static_cast<std::uint64_t>(v.SpeciesNameOffset),
                      NameTable(rom.species, rom.padded ? 11 : 0, 0)});
    // The move offset points into the padding of move 0's slot.
    pieces.push_back({static_cast<std::uint64_t>(v.MoveNameOffset),
                      NameTable(rom.moves, rom.padded ? 13 : 0, 2)});
    Bytes table;
    for (std::uint16_t e : rom.table) {
        table.push_back(static_cast<std::uint8_t>(e & 0xFF));
        table.push_back(static_cast<std::uint8_t>(e >> 8));
    }
    if (rom.terminator) table.insert(table.end(), {0xFF, 0xFF});
    const auto at = rom.tableAt >= 0 ? rom.tableAt : v.EggMoveOffset;
    pieces.push_back({static_cast<std::uint64_t>(at), table});
    std::sort(pieces.begin(), pieces.end(),
              [](const Piece& a, const Piece& b) { return a.offset < b.offset; });
    return pieces;
}

std::uint64_t RomSize(const SyntheticRom& rom) {
    if (rom.size) return rom.size;
    std::uint64_t end = 0;
    for (const Piece& p : RomPieces(rom)) end = std::max(end, p.end());
    return end;
}

void WriteRom(const std::filesystem::path& path, const SyntheticRom& rom) {
    const std::uint64_t size = RomSize(rom);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const Piece& p : RomPieces(rom)) {
            if (p.offset >= size) continue;
            out.seekp(static_cast<std::streamoff>(p.offset));
            out.write(reinterpret_cast<const char*>(p.bytes.data()),
                      static_cast<std::streamsize>(
                          std::min<std::uint64_t>(p.bytes.size(), size - p.offset)));
        }
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }
    std::filesystem::resize_file(path, size);
}

Bytes ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    Bytes bytes(in ? static_cast<std::size_t>(in.tellg()) : 0);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
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
