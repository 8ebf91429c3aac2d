// The decompilations' egg_moves.h, written, and the names a table read from it
// alone goes by.
#include <string>

#include "formats/c_source.h"
#include "formats/decomp_constants.h"
#include "formats/text.h"

namespace {

constexpr std::string_view Header =
    "#define EGG_MOVES_SPECIES_OFFSET 20000\n"
    "#define EGG_MOVES_TERMINATOR 0xFFFF\n"
    "#define egg_moves(species, moves...) (SPECIES_##species + EGG_MOVES_SPECIES_OFFSET), moves\n"
    "\n"
    "const u16 gEggMoves[] = {\n";
constexpr std::string_view ItemIndent = "    ";
constexpr std::string_view BlockIndent = "              ";

bool IsMove(std::uint16_t entry) {
    return IsLegalEntry(entry) && EntryKind(entry) == Kind::Move;
}

std::string SpeciesOf(std::uint16_t entry) {
    return std::string(SpeciesConstants[entry - SpeciesEntryBase]);
}

// An entry as an array item of its own: a species without moves as the block's
// own expansion, a move by its constant, anything else as its value.
std::string Item(std::uint16_t entry) {
    if (IsMove(entry)) return "MOVE_" + std::string(MoveConstants[entry]);
    if (IsLegalEntry(entry)) return "(SPECIES_" + SpeciesOf(entry) + " + EGG_MOVES_SPECIES_OFFSET)";
    return Hex(entry);
}

}  // namespace

void WriteSource(std::ostream& out, const EggMoveEntries& entries) {
    std::size_t used = entries.size();
    while (used > 0 && entries[used - 1] == EndMarkEntry) --used;
    out << Header;
    // A run of single items stands apart from the block after it, as blocks do.
    bool items = false;
    for (std::size_t i = 0; i < used; ++i) {
        const std::uint16_t entry = entries[i];
        const bool heads =
            IsLegalEntry(entry) && !IsMove(entry) && i + 1 < used && IsMove(entries[i + 1]);
        if (!heads) {
            out << ItemIndent << Item(entry) << ",\n";
            items = true;
            continue;
        }
        if (items) out << '\n';
        items = false;
        out << ItemIndent << "egg_moves(" << SpeciesOf(entry);
        for (; i + 1 < used && IsMove(entries[i + 1]); ++i)
            out << ",\n" << BlockIndent << "MOVE_" << MoveConstants[entries[i + 1]];
        out << "),\n\n";
    }
    if (items) out << '\n';
    out << ItemIndent << "EGG_MOVES_TERMINATOR\n};\n";
}

RomNames ConstantNames() {
    RomNames names;
    for (int s = 0; s < SpeciesNameCount; ++s)
        names.SpeciesNames[s] = "SPECIES_" + std::string(SpeciesConstants[s]);
    for (int m = 1; m <= MoveNameCount; ++m)
        names.MoveNames[m - 1] = "MOVE_" + std::string(MoveConstants[m]);
    return names;
}

Rom SourceRom(const std::string& path, const EggMoveEntries& entries) {
    Rom rom;
    rom.path = path;
    rom.names = ConstantNames();
    rom.list = MakeList(entries, rom.names);
    rom.table.entryCount = static_cast<int>(entries.size());
    rom.regionWhole = true;
    return rom;
}
