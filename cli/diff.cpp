// quenmark-cli diff: two tables compared species by species.
#include <iostream>
#include <map>
#include <memory>

#include "cli/commands.h"
#include "cli/rom_input.h"
#include "cli/text.h"

namespace {

struct Options {
    std::string a, b;
    bool order = false;
};

// The moves of each species, in table order, as the list shows them: each
// species entry heads the moves after it, up to the end mark. Moves before the
// first species belong to -1.
std::map<int, std::vector<std::uint16_t>> Groups(const EggMoveEntries& table) {
    std::map<int, std::vector<std::uint16_t>> groups;
    int species = -1;
    for (const std::uint16_t entry : table) {
        if (entry == EndMarkEntry) break;
        if (!IsLegalEntry(entry)) continue;
        if (EntryKind(entry) == Kind::Species) {
            species = EntryNumber(entry);
            groups[species];
        } else {
            groups[species].push_back(entry);
        }
    }
    return groups;
}

// The moves of from that are not in what, each as often as it is missing.
std::vector<std::uint16_t> Missing(const std::vector<std::uint16_t>& from,
                                   std::vector<std::uint16_t> what) {
    std::vector<std::uint16_t> missing;
    for (const std::uint16_t move : from) {
        const auto it = std::find(what.begin(), what.end(), move);
        if (it == what.end()) {
            missing.push_back(move);
        } else {
            what.erase(it);
        }
    }
    return missing;
}

std::string Names(const RomNames& names, const std::vector<std::uint16_t>& moves) {
    std::string text;
    for (const std::uint16_t move : moves)
        text += (text.empty() ? "" : ", ") + EntryName(names, move);
    return text;
}

int Run(const Options& options) {
    const std::string paths[2] = {options.a, options.b};
    RomInput inputs[2];
    for (int i = 0; i < 2; ++i) {
        inputs[i] = ReadRomInput(paths[i]);
        if (!inputs[i].problem.empty()) return Complain(paths[i], inputs[i].problem);
        if (!inputs[i].rom.release.version)
            return Complain(paths[i], UnsupportedProblem(inputs[i].rom));
    }
    const Rom &a = inputs[0].rom, &b = inputs[1].rom;
    auto groupsA = Groups(a.list.EggMoveTable), groupsB = Groups(b.list.EggMoveTable);
    std::map<int, bool> species;
    for (const auto& [s, moves] : groupsA) species[s];
    for (const auto& [s, moves] : groupsB) species[s];
    int differences = 0;
    for (const auto& [s, unused] : species) {
        const bool inA = groupsA.contains(s), inB = groupsB.contains(s);
        std::string name = SpeciesName(a.names, s);
        if (s >= 0 && SpeciesName(b.names, s) != name) name += " / " + SpeciesName(b.names, s);
        const std::string head = (s >= 0 ? "species " + std::to_string(s) + " " : "") + name + ": ";
        const auto& movesA = groupsA[s];
        const auto& movesB = groupsB[s];
        std::string change;
        if (!inB) change = "removed, with " + std::to_string(movesA.size()) + " moves";
        if (!inA)
            change = "added, with " + std::to_string(movesB.size()) +
                     " moves: " + Names(b.names, movesB);
        if (inA && inB) {
            const auto added = Missing(movesB, movesA), removed = Missing(movesA, movesB);
            if (!added.empty()) change = "moves added: " + Names(b.names, added);
            if (!removed.empty())
                change +=
                    (change.empty() ? "" : "; ") + ("moves removed: " + Names(a.names, removed));
            if (change.empty() && options.order && movesA != movesB)
                change = "order: " + Names(a.names, movesA) + " -> " + Names(b.names, movesB);
        }
        if (change.empty()) continue;
        ++differences;
        std::cout << head << change << '\n';
    }
    return differences ? FoundSomething : Success;
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("diff", "Compare the tables of two ROMs species by species");
    command->add_option("A", options->a, "The ROM compared from")->required();
    command->add_option("B", options->b, "The ROM compared to")->required();
    command->add_flag("--order", options->order,
                      "Also tell when a species has the same moves in another order");
    command->footer(
        "Species are matched by number, not by name, so that releases in two languages\n"
        "compare. Prints one line per species that differs: removed, added, or the moves\n"
        "added and removed; moves before the first species count as one more group. Only\n"
        "the entries before the end mark count, and illegal entries are left out.\n\n"
        "Exit status: 0 when the tables are the same, 1 when they differ, 2 when a ROM\n"
        "cannot be read or is no supported release.");
    command->callback([options, &status] { status = Run(*options); });
}
