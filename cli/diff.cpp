// quenmark-cli diff: two tables compared species by species.
#include <iostream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/rom_input.h"
#include "formats/text.h"

namespace {

using Moves = std::vector<std::uint16_t>;

struct Options {
    std::string a, b;
    bool order = false;
    bool json = false;
};

// The moves of each species, in table order, as the list shows them: each
// species entry heads the moves after it, up to the end mark. Moves before the
// first species belong to -1.
std::map<int, Moves> Groups(const EggMoveEntries& table) {
    std::map<int, Moves> groups;
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
Moves Missing(const Moves& from, Moves what) {
    Moves missing;
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

// How one species differs: "removed" (inA: its moves), "added" (inB: its moves),
// "moves" (inA: the moves only A has, inB: those only B has), or "order" (inA,
// inB: the same moves in each one's order).
struct Difference {
    int species;
    std::string change;
    Moves inA, inB;
};

std::vector<Difference> Compare(const Rom& a, const Rom& b, bool order) {
    const auto groupsA = Groups(a.list.EggMoveTable), groupsB = Groups(b.list.EggMoveTable);
    std::map<int, std::pair<const Moves*, const Moves*>> species;
    for (const auto& [s, moves] : groupsA) species[s].first = &moves;
    for (const auto& [s, moves] : groupsB) species[s].second = &moves;
    std::vector<Difference> differences;
    for (const auto& [s, moves] : species) {
        const auto [inA, inB] = moves;
        if (!inB) {
            differences.push_back({s, "removed", *inA, {}});
        } else if (!inA) {
            differences.push_back({s, "added", {}, *inB});
        } else if (Difference d{s, "moves", Missing(*inA, *inB), Missing(*inB, *inA)};
                   !d.inA.empty() || !d.inB.empty()) {
            differences.push_back(d);
        } else if (order && *inA != *inB) {
            differences.push_back({s, "order", *inA, *inB});
        }
    }
    return differences;
}

std::string Names(const RomNames& names, const Moves& moves) {
    std::string text;
    for (const std::uint16_t move : moves)
        text += (text.empty() ? "" : ", ") + EntryName(names, move);
    return text;
}

nlohmann::ordered_json MovesJson(const RomNames& names, const Moves& moves) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const std::uint16_t move : moves)
        list.push_back({{"id", move}, {"name", EntryName(names, move)}});
    return list;
}

int Run(const Options& options) {
    const std::string paths[2] = {options.a, options.b};
    RomInput inputs[2];
    for (int i = 0; i < 2; ++i) {
        inputs[i] = ReadTableInput(paths[i]);
        if (const std::string problem = InputProblem(inputs[i], paths[i]); !problem.empty()) {
            std::cerr << "quenmark-cli: " << problem << '\n';
            return Unusable;
        }
    }
    const RomNames &a = inputs[0].rom.names, &b = inputs[1].rom.names;
    const std::vector<Difference> differences =
        Compare(inputs[0].rom, inputs[1].rom, options.order);
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    for (const Difference& d : differences) {
        // Names from the ROM that has the species, both when two languages differ.
        std::string name = SpeciesName(d.change == "added" ? b : a, d.species);
        if (d.species >= 0 && d.change != "added" && d.change != "removed" &&
            SpeciesName(b, d.species) != name)
            name += " / " + SpeciesName(b, d.species);
        if (options.json) {
            all.push_back(
                {{"species", d.species >= 0 ? nlohmann::ordered_json(d.species) : nullptr},
                 {"name", name},
                 {"change", d.change},
                 {"movesA", MovesJson(a, d.inA)},
                 {"movesB", MovesJson(b, d.inB)}});
            continue;
        }
        std::cout << (d.species >= 0 ? "species " + std::to_string(d.species) + " " : "") << name
                  << ": ";
        if (d.change == "removed") std::cout << "removed, with " << d.inA.size() << " moves";
        if (d.change == "added")
            std::cout << "added, with " << d.inB.size() << " moves: " << Names(b, d.inB);
        if (d.change == "order")
            std::cout << "order: " << Names(a, d.inA) << " -> " << Names(b, d.inB);
        if (d.change == "moves" && !d.inB.empty()) std::cout << "moves added: " << Names(b, d.inB);
        if (d.change == "moves" && !d.inA.empty())
            std::cout << (d.inB.empty() ? "" : "; ") << "moves removed: " << Names(a, d.inA);
        std::cout << '\n';
    }
    if (options.json) std::cout << all.dump(2) << '\n';
    return differences.empty() ? Success : FoundSomething;
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("diff", "Compare the tables of two ROMs species by species");
    command->add_option("A", options->a, "The ROM (or egg_moves.h) compared from")->required();
    command->add_option("B", options->b, "The ROM (or egg_moves.h) compared to")->required();
    command->add_flag("--order", options->order,
                      "Also tell when a species has the same moves in another order");
    command->add_flag("--json", options->json,
                      "Print a JSON array, one object per species that differs");
    command->footer(
        "Species are matched by number, not by name, so that releases in two languages\n"
        "compare. Prints one line per species that differs: removed, added, or the moves\n"
        "added and removed; moves before the first species count as one more group. Only\n"
        "the entries before the end mark count, and illegal entries are left out. Either\n"
        "side may be a FILE.h, the decompilations' egg_moves.h, named by its constants.\n\n"
        "Exit status: 0 when the tables are the same, 1 when they differ, 2 when a ROM\n"
        "cannot be read or is no supported release.");
    command->callback([options, &status] { status = Run(*options); });
}
