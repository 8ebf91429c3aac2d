#include "tools/synthetic_rom.h"

#include <fstream>
#include <map>
#include <random>
#include <stdexcept>

#include "eggmoves/table.h"
#include "rom/gametext.h"
#include "rom/versions.h"

namespace {

const GameVersion& VersionOf(std::string_view code) {
    for (const GameVersion& v : GameVersionTable)
        if (v.code == code) return v;
    static const GameVersion unknown{"????", 0x1000, 0x3000, 0x6000};
    return unknown;
}

constexpr std::uint64_t SpeciesSlot = 11;
constexpr std::uint64_t MoveSlot = 13;

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
    for (char c : text) {
        const auto it = codes.find(c);
        if (it == codes.end()) throw std::invalid_argument("no game code for a character");
        out.push_back(it->second);
    }
    return out;
}

std::string DefaultSpeciesName(int species) {
    return "SPECIES" + std::to_string(species);
}
std::string DefaultMoveName(int move) {
    return "MOVE" + std::to_string(move);
}

std::vector<std::uint16_t> DefaultTable() {
    std::vector<std::uint16_t> table;
    for (int group = 0; group < 165; ++group) {
        table.push_back(static_cast<std::uint16_t>(SpeciesEntryBase + 1 + group));
        const int moves = group < 148 ? 6 : 5;
        for (int m = 0; m < moves; ++m)
            table.push_back(static_cast<std::uint16_t>(1 + (group * 7 + m * 31) % MoveNameCount));
    }
    return table;
}

SyntheticRom DefaultRom(std::string_view code) {
    SyntheticRom rom;
    rom.code = std::string(code);
    for (int s = 0; s < SpeciesNameCount; ++s)
        rom.species.push_back(GameText(DefaultSpeciesName(s)));
    for (int m = 1; m <= MoveNameCount; ++m) rom.moves.push_back(GameText(DefaultMoveName(m)));
    rom.table = DefaultTable();
    return rom;
}

std::uint64_t TableOffset(std::string_view code) {
    return static_cast<std::uint64_t>(VersionOf(code).eggMoveOffset);
}

std::vector<Piece> RomPieces(const SyntheticRom& rom) {
    const GameVersion& v = VersionOf(rom.code);
    std::vector<Piece> pieces;
    Bytes header(GameCodeOffset + 4, 0);
    for (std::size_t i = 0; i < 4 && i < rom.code.size(); ++i)
        header[GameCodeOffset + i] = static_cast<std::uint8_t>(rom.code[i]);
    pieces.push_back({0, header});

    // Names in fixed slots like real images: the name, 0xFF, zero padding. A
    // longer name simply runs on.
    auto names = [](const std::vector<Bytes>& list, std::uint64_t slot, std::uint64_t lead) {
        Bytes out(lead, 0);
        for (const Bytes& name : list) {
            const std::size_t start = out.size();
            out.insert(out.end(), name.begin(), name.end());
            out.push_back(0xFF);
            while (out.size() - start < slot) out.push_back(0);
        }
        return out;
    };
    pieces.push_back(
        {static_cast<std::uint64_t>(v.speciesNameOffset), names(rom.species, SpeciesSlot, 0)});
    // The move offset points into the padding of move 0's slot.
    pieces.push_back({static_cast<std::uint64_t>(v.moveNameOffset), names(rom.moves, MoveSlot, 2)});

    Bytes table;
    for (std::uint16_t e : rom.table) {
        table.push_back(static_cast<std::uint8_t>(e & 0xFF));
        table.push_back(static_cast<std::uint8_t>(e >> 8));
    }
    if (rom.terminator) table.insert(table.end(), {0xFF, 0xFF});
    pieces.push_back({static_cast<std::uint64_t>(v.eggMoveOffset), table});
    return pieces;
}

namespace {

std::uint64_t NaturalSize(const std::vector<Piece>& pieces) {
    std::uint64_t end = 0;
    for (const Piece& p : pieces) end = std::max(end, p.end());
    return end;
}

}  // namespace

void WriteRom(const std::filesystem::path& path, const SyntheticRom& rom) {
    const auto pieces = RomPieces(rom);
    WritePieces(path, pieces, rom.size ? rom.size : NaturalSize(pieces));
}

bool WritePieces(const std::filesystem::path& path, const std::vector<Piece>& pieces,
                 std::uint64_t size) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const Piece& p : pieces) {
            if (p.offset >= size) continue;
            out.seekp(static_cast<std::streamoff>(p.offset));
            const auto n = std::min<std::uint64_t>(p.bytes.size(), size - p.offset);
            out.write(reinterpret_cast<const char*>(p.bytes.data()),
                      static_cast<std::streamsize>(n));
        }
        if (!out) return false;
    }
    std::error_code error;
    std::filesystem::resize_file(path, size, error);
    return !error;
}

Bytes BuildRomBytes(const SyntheticRom& rom) {
    const auto pieces = RomPieces(rom);
    Bytes out(rom.size ? rom.size : NaturalSize(pieces), 0);
    for (const Piece& p : pieces)
        for (std::size_t i = 0; i < p.bytes.size() && p.offset + i < out.size(); ++i)
            out[p.offset + i] = p.bytes[i];
    return out;
}

Bytes ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

TempDir::TempDir() {
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    do {
        path_ = base / ("quenmark-test-" + std::to_string(rd()));
    } while (!std::filesystem::create_directory(path_));
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
