#include "rom/repair.h"

#include "rom/update_stream.h"

Kind RepairKind(std::uint16_t entry) {
    return EntryKind(entry) == Kind::Move ? Kind::Move : Kind::Species;
}

std::uint16_t RepairFiller(Kind kind) {
    return kind == Kind::Move ? MoveFillerEntry : SpeciesFillerEntry;
}

void WriteRepair(const std::string& path, std::int64_t offset, std::uint16_t filler) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(filler & 0xFF),
                                    static_cast<unsigned char>(filler >> 8)};
    // The stream is gone before the loader reads the entry again.
    if (auto file = OpenForUpdate(path)) WriteInPlace(*file, offset, bytes, 2);
}

Words RepairQuestionWords(int row, std::uint16_t value, const RomNames& names) {
    const std::uint16_t filler = RepairFiller(RepairKind(value));
    const std::string line =
        WordsName(filler == MoveFillerEntry ? names.MoveNames[0] : names.SpeciesNames[0]) + " (" +
        WordsHex(filler) + ")";
    const std::string at = std::to_string(row), entry = WordsHex(value);
    return {"Row " + at + ": " + entry + " is neither a species nor a move. Yes writes " + line +
                " there, now.",
            "Ligne " + at + " : " + entry + " n'est ni une espèce ni une attaque. Oui y écrit " +
                line + ", maintenant."};
}
