#include "eggmoves/finding_words.h"

#include <algorithm>
#include <cstdio>

namespace {

struct RuleWords {
    const char* name;
    // What follows the subject; {entry} {name} {row} are filled in.
    const char* english;
    const char* french;
};

// In the order of Rule.
const RuleWords RuleTexts[] = {
    // clang-format off
    {"illegal-entry",
     "{entry} is not a legal entry; the window asks to repair it",
     "{entry} n'est pas une entrée légale ; la fenêtre propose de la réparer"},
    {"move-before-species",
     "{name} comes before any species: the game gives the first 10 such moves to every species without egg moves",
     "{name} vient avant toute espèce : le jeu donne les 10 premières de ces attaques à toute espèce sans attaques des oeufs"},
    {"too-many-moves",
     "has more than 10 moves: the game teaches only the first 10, not {name} or any move after it",
     "a plus de 10 attaques : le jeu n'apprend que les 10 premières, ni {name} ni aucune attaque après elle"},
    {"species-again",
     "is listed again (first at row {row}): the game uses only that first entry, so the moves listed here are never taught",
     "revient (d'abord ligne {row}) : le jeu n'utilise que cette première entrée, donc les attaques listées ici ne sont jamais apprises"},
    {"move-again",
     "{name} is listed twice (first at row {row})",
     "{name} est listée deux fois (d'abord ligne {row})"},
    {"filler-species",
     "holds species 0 ({name}, the repair filler), which the game reads as a move",
     "contient l'espèce 0 ({name}, le remplissage de la réparation), que le jeu lit comme une attaque"},
    {"illegal-after-end-mark",
     "{entry} past the end mark is not a legal entry; it is kept as it is",
     "{entry} après la marque de fin n'est pas une entrée légale ; elle est gardée telle quelle"},
    {"table-elsewhere",
     "the game in this ROM reads an egg-move table of another size or place: this copy is not the one it uses, and Quenmark writes nothing to this ROM",
     "le jeu de cette rom lit une table des attaques des oeufs d'une autre taille ou à un autre endroit : cette copie n'est pas celle qu'il utilise, et Quenmark n'écrit rien dans cette rom"},
    {"table-cut",
     "the file ends inside the egg-move table",
     "le fichier se termine dans la table des attaques des oeufs"},
    {"species-at-end",
     "heads the last row: the game reads its moves past the end of the table",
     "est à la dernière ligne : le jeu lit ses attaques après la fin de la table"},
    {"moves-run-on",
     "its moves run on past the end of the table: the game goes on reading them from the bytes after it, up to the first entry above 20000",
     "ses attaques continuent après la fin de la table : le jeu continue de les lire dans les octets qui la suivent, jusqu'à la première entrée au-dessus de 20000"},
    {"unnamed-entry",
     "{entry} has no name in this rom: a species or move this build may add, kept as it is",
     "{entry} n'a pas de nom dans cette rom : une espèce ou une attaque que cette version peut ajouter, gardée telle quelle"},
    // clang-format on
};

std::string Filled(std::string text, const std::string& entry, const std::string& name, int row) {
    const std::pair<std::string, std::string> fills[] = {
        {"{entry}", entry}, {"{name}", name}, {"{row}", std::to_string(row)}};
    for (const auto& [key, value] : fills)
        if (const auto at = text.find(key); at != std::string::npos)
            text.replace(at, key.size(), value);
    return text;
}

}  // namespace

const char* RuleName(Rule rule) {
    return RuleTexts[static_cast<int>(rule)].name;
}

Words FindingSubject(const Finding& finding, const EntryNamer& name) {
    if (finding.row < 0) return {};
    if (finding.rule == Rule::IllegalAfterEndMark)
        return {"(past the end mark)", "(après la marque de fin)"};
    if (finding.species == NoSpecies) return {"(no species)", "(aucune espèce)"};
    const std::string species =
        name(static_cast<std::uint16_t>(SpeciesEntryBase + finding.species));
    return {species, species};
}

Words FindingMessage(const Finding& finding, const EggMoveEntries& table, const EntryNamer& name) {
    const std::uint16_t entry = finding.row >= 0 ? table[finding.row] : 0;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", entry);
    const std::string entryName = IsLegalEntry(entry) ? name(entry) : std::string();
    const RuleWords& words = RuleTexts[static_cast<int>(finding.rule)];
    return {Filled(words.english, hex, entryName, finding.earlierRow),
            Filled(words.french, hex, entryName, finding.earlierRow)};
}

Words FindingLine(const Finding& finding, const EggMoveEntries& table, const EntryNamer& name) {
    Words line = FindingMessage(finding, table, name);
    if (finding.row < 0) return line;
    const Words subject = FindingSubject(finding, name);
    const std::string row = std::to_string(finding.row);
    return {"Row " + row + ": " + subject.english + ": " + line.english,
            "Ligne " + row + " : " + subject.french + " : " + line.french};
}

Words NoFindingWords() {
    return {"No finding: the game reads this table as the list shows it.",
            "Aucun constat : le jeu lit cette table comme la liste la montre."};
}

std::optional<Finding> FirstError(const std::vector<Finding>& findings) {
    const auto error = std::find_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.row >= 0 && SeverityOf(f.rule) == Severity::Error;
    });
    if (error == findings.end()) return std::nullopt;
    return *error;
}

Words MisreadQuestion(const Words& firstError) {
    return {"The game will misread this table: " + firstError.english + ". Save anyway?",
            "Le jeu lira mal cette table : " + firstError.french + ". Sauvegarder quand même ?"};
}
