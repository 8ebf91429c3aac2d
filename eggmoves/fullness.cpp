#include "eggmoves/fullness.h"

namespace {

std::string Name(std::uint16_t entry, const RomNames& names) {
    return WordsName(EntryKind(entry) == Kind::Species ? names.SpeciesNames[EntryNumber(entry)]
                                                       : names.MoveNames[EntryNumber(entry) - 1]);
}

}  // namespace

bool IsTableFull(const EggMoveList& list) {
    return !list.EggMoveTable.empty() && IsLegalEntry(list.EggMoveTable.back());
}

Words FullTableWords(const EggMoveList& list, const RomNames& names) {
    const EggMoveEntries& table = list.EggMoveTable;
    const std::uint16_t last = table.back();
    std::string english = Name(last, names), french = english;
    if (EntryKind(last) == Kind::Move) {
        // The species whose group the last move closes: the nearest one above it.
        for (auto entry = table.rbegin() + 1; entry != table.rend(); ++entry) {
            if (IsLegalEntry(*entry) && EntryKind(*entry) == Kind::Species) {
                const std::string species = Name(*entry, names);
                english = species + ": " + english;
                french = species + " : " + french;
                break;
            }
        }
    }
    return {"The egg move list is full: inserting removes its last entry, " + english + ".",
            "La liste des attaques des oeufs est pleine : insérer supprime sa dernière entrée, " +
                french + "."};
}
