#include "tools/synthetic_rom.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <stdexcept>

#include "eggmoves/table.h"
#include "rom/game_routine.h"
#include "rom/gametext.h"
#include "rom/name_place.h"
#include "rom/table_place.h"

namespace {

// The row's places; a release found only by search gets the places of a code no
// row has, away from the header.
GameVersion VersionOf(std::string_view code, std::uint8_t revision) {
    GameVersion v{"????", 0, 0x1000, 0x3000, 0x6000, 0, "", ""};
    if (const GameVersion* row = FindGameVersion(code, revision); row && row->EggMoveOffset)
        v = *row;
    return v;
}

// Names in fixed slots like real images: the name, 0xFF, zero padding; a longer
// name runs into the next slot's padding, and the next name starts after it.
Bytes NameTable(const std::vector<Bytes>& names, std::size_t slot) {
    Bytes out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        out.resize(std::max(out.size(), i * slot), 0);
        out.insert(out.end(), names[i].begin(), names[i].end());
        out.push_back(0xFF);
    }
    out.resize(std::max(out.size(), names.size() * slot), 0);
    return out;
}

Bytes WordBytes(std::uint32_t w) {
    return {std::uint8_t(w), std::uint8_t(w >> 8), std::uint8_t(w >> 16), std::uint8_t(w >> 24)};
}

// The routine's 0xA8 bytes with words in it (the species getter's call left zero).
Bytes RoutineBytes(const std::vector<std::uint32_t>& words) {
    Bytes bytes;
    for (const std::int16_t b : EggMoveRoutine)
        bytes.push_back(static_cast<std::uint8_t>(std::max<std::int16_t>(b, 0)));
    const std::int64_t places[] = {TablePointer1At, TablePointer2At, SearchLimitAt};
    for (std::size_t i = 0; i < words.size() && i < 3; ++i)
        std::ranges::copy(WordBytes(words[i]), bytes.begin() + places[i]);
    return bytes;
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
    // As in the real games, species 0 and a run of unused species have "?" names.
    if (species == 0) return "??????????";
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
    const GameVersion v = VersionOf(rom.code, rom.revision);
    Bytes header(RevisionOffset + 1, 0);
    std::copy_n(rom.code.begin(), std::min<std::size_t>(4, rom.code.size()),
                &header[GameCodeOffset]);
    header[RevisionOffset] = rom.revision;
    Bytes table;
    for (std::uint16_t e : rom.table)
        table.insert(table.end(), {std::uint8_t(e & 0xFF), std::uint8_t(e >> 8)});
    table.insert(table.end(), {0xFF, 0xFF});
    const std::uint64_t tableAt = rom.tableAt >= 0 ? rom.tableAt : v.EggMoveOffset;
    const std::uint64_t namesAt = rom.namesAt >= 0 ? rom.namesAt : v.SpeciesNameOffset;
    // Move 0's slot, "-", comes first, as in the games.
    std::vector<Bytes> moves = {{0xAE}};
    moves.insert(moves.end(), rom.moves.begin(), rom.moves.end());
    std::vector<Piece> pieces = {{0, header}};
    if (rom.fillOldNames)
        pieces.push_back({std::uint64_t(v.SpeciesNameOffset),
                          Bytes(std::size_t(MoveNamesAfterSpecies + 355 * MoveSlot), 0xFF)});
    pieces.push_back({namesAt, NameTable(rom.species, SpeciesSlot)});
    pieces.push_back({namesAt + MoveNamesAfterSpecies, NameTable(moves, MoveSlot)});
    pieces.push_back({tableAt, table});
    const Bytes routine = RoutineBytes(rom.words.empty() ? GameWordsFor(tableAt) : rom.words);
    for (std::int64_t at : rom.routines) {
        if (at == SyntheticRom::KnownRoutine) at = v.RoutineOffset ? v.RoutineOffset : -1;
        if (at >= 0) pieces.push_back({std::uint64_t(at), routine});
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

Rom ReadImage(const SyntheticRom& rom) {
    const TempDir dir;
    WriteRom(dir / "rom.gba", rom);
    return ReadRom((dir / "rom.gba").string());
}
