#include "formats/table_changes.h"

#include "formats/reading.h"
#include "formats/text.h"

std::vector<RowChange> Changes(const Rom& rom, const EggMoveEntries& entries) {
    std::vector<RowChange> changes;
    int species = -1;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const std::uint16_t before = Current(rom, i);
        if (EntryKind(before) == Kind::Species) species = EntryNumber(before);
        if (before != entries[i])
            changes.push_back({i, SpeciesName(rom.names, species), before, entries[i],
                               Described(rom.names, before).english,
                               Described(rom.names, entries[i]).english});
    }
    return changes;
}

std::string ChangeLine(const RowChange& change) {
    return std::to_string(change.row) + ": " + change.species + ": " + change.beforeName + " -> " +
           change.afterName + " (" + Hex(change.before) + " -> " + Hex(change.after) + ")";
}

nlohmann::ordered_json ChangeJson(const RowChange& change) {
    return {{"row", change.row},
            {"species", change.species},
            {"old", change.beforeName},
            {"new", change.afterName},
            {"oldValue", Hex(change.before)},
            {"newValue", Hex(change.after)}};
}

ImportSummary SummaryOf(const Rom& rom, const EggMoveEntries& entries) {
    ImportSummary summary;
    for (const RowChange& change : Changes(rom, entries))
        summary.details.push_back(ChangeLine(change));
    const std::size_t n = summary.details.size();
    summary.changes = n > 0 || entries.size() != rom.list.EggMoveTable.size();
    if (!summary.changes)
        summary.message = {"Nothing changed: the file describes the table as it is.",
                           "Rien n'a changé : le fichier décrit la table telle qu'elle est."};
    else if (n == 1)
        summary.message = {"1 row changed.", "1 ligne modifiée."};
    else
        summary.message = {std::to_string(n) + " rows changed.",
                           std::to_string(n) + " lignes modifiées."};
    return summary;
}
