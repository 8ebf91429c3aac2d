#include "rom/place_words.h"

#include <algorithm>

namespace {

std::string Offset(std::int64_t offset) {
    return WordsHex(static_cast<std::uint32_t>(offset), 6);
}

}  // namespace

Words NoTableWords() {
    return {
        "No egg-move table found: this ROM's code was changed (for example a hack built from "
        "the decompilations or a hack base that keeps egg moves per species), and Quenmark "
        "cannot tell where the game reads its egg moves. Nothing was changed.",
        "Aucune table d'attaques des œufs trouvée : le code de cette rom a été modifié (par "
        "exemple un hack construit à partir des décompilations, ou une base qui range les "
        "attaques des œufs par espèce), et Quenmark ne peut pas savoir où le jeu les lit. "
        "Rien n'a été modifié."};
}

Words TableSourceWords(const TableLocation& table) {
    if (table.routines.empty())
        return {"at the release's usual place (the game's routine was not found)",
                "à la place habituelle de la version (la routine du jeu n'a pas été trouvée)"};
    const std::string at = Offset(table.routines.front());
    return {"read through the game's routine at " + at, "lue par la routine du jeu à " + at};
}

Words NamesSourceWords(const NamePlace& names) {
    switch (names.found) {
        case NamesFound::Known:
            return {"names at the release's usual place",
                    "noms à la place habituelle de la version"};
        case NamesFound::Moved:
            return {"names found at " + Offset(names.species),
                    "noms trouvés à " + Offset(names.species)};
        case NamesFound::Missing:
            break;
    }
    return {"names not found (shown as numbers)", "noms introuvables (montrés par leur numéro)"};
}

Words SeveralRoutinesWords(const TableLocation& table) {
    std::string places;
    const std::size_t named = std::min(table.routines.size(), MostRoutinesNamed);
    for (std::size_t i = 0; i < named; ++i) places += (i ? ", " : "") + Offset(table.routines[i]);
    const bool more = table.routines.size() > named;
    return {"The game's egg-move routine was found at several places (" + places +
                (more ? " and more" : "") +
                "), none of them the release's own: Quenmark cannot tell which one the game uses. "
                "It shows the table the first one reads, and will write nothing to this rom.",
            "La routine des attaques des œufs du jeu a été trouvée à plusieurs endroits (" +
                places + (more ? " et d'autres" : "") +
                "), dont aucun n'est celui de la version : Quenmark ne peut pas savoir lequel le "
                "jeu utilise. Il montre la table que lit le premier, et n'écrira rien dans cette "
                "rom."};
}

Words NoNamesWords() {
    return {
        "The species and move names were not found in this rom: entries show as their "
        "numbers (#123). Editing still works.",
        "Les noms des espèces et des attaques sont introuvables dans cette rom : les entrées "
        "sont montrées par leur numéro (#123). La modification reste possible."};
}

std::vector<Words> LoadWarnings(const Rom& rom) {
    std::vector<Words> warnings;
    if (HasNoTable(rom)) return warnings;  // refused: its own sentence says it all
    if (rom.table.routine == RoutineFind::Several)
        warnings.push_back(SeveralRoutinesWords(rom.table));
    if (rom.namesAt.found == NamesFound::Missing) warnings.push_back(NoNamesWords());
    return warnings;
}
