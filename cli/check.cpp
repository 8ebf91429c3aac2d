// quenmark-cli check: what the game will actually do with each ROM's table.
#include <algorithm>
#include <atomic>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <thread>

#include "cli/commands.h"
#include "cli/rom_input.h"
#include "eggmoves/finding_words.h"
#include "eggmoves/rules.h"
#include "formats/text.h"
#include "rom/rom_findings.h"

using Json = nlohmann::ordered_json;

namespace {

struct Options {
    std::vector<std::string> roms;
    bool json = false;
};

struct Result {
    int status = Success;
    std::string out;  // the lines, for the text form
    Json json;
};

Result CheckOne(const std::string& path) {
    Result result;
    const RomInput input = ReadTableInput(path);
    const Rom& rom = input.rom;
    if (const std::string problem = InputProblem(input, path); !problem.empty()) {
        result.status = Unusable;
        result.out = "quenmark-cli: " + problem;
        return result;
    }
    const std::vector<Finding> findings = RomFindings(rom);
    result.json = {{"file", path}, {"findings", Json::array()}};
    for (const Finding& f : findings) {
        const bool error = SeverityOf(f.rule) == Severity::Error;
        result.status = std::max<int>(result.status, error ? Unusable : FoundSomething);
        const std::string severity = error ? "error" : "warning";
        const EntryNamer name = [&rom](std::uint16_t entry) { return EntryName(rom.names, entry); };
        const std::string species = FindingSubject(f, name).english;
        const std::string message = FindingMessage(f, rom.list.EggMoveTable, name).english;
        result.out += path + (f.row >= 0 ? ":" + std::to_string(f.row) : "") + ": " + severity +
                      ": " + (f.row >= 0 ? species + ": " : "") + message + "\n";
        result.json["findings"].push_back({{"row", f.row >= 0 ? Json(f.row) : Json()},
                                           {"severity", severity},
                                           {"rule", RuleName(f.rule)},
                                           {"species", f.species >= 0 ? Json(f.species) : Json()},
                                           {"speciesName", f.row >= 0 ? Json(species) : Json()},
                                           {"message", message}});
    }
    return result;
}

// Every ROM is read and checked on its own, so all cores share the work; the
// results still come out in the order of the arguments.
std::vector<Result> CheckAll(const std::vector<std::string>& paths) {
    std::vector<Result> results(paths.size());
    std::atomic<std::size_t> next = 0;
    const auto work = [&] {
        for (std::size_t i; (i = next++) < paths.size();) results[i] = CheckOne(paths[i]);
    };
    // One thread a core, and none idle when there are fewer files.
    const std::size_t threads =
        std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, paths.size());
    {
        std::vector<std::jthread> pool(threads);
        for (std::jthread& thread : pool) thread = std::jthread(work);
    }
    return results;
}

int Run(const Options& options) {
    int status = Success;
    Json all = Json::array();
    for (const Result& result : CheckAll(options.roms)) {
        status = std::max(status, result.status);
        if (result.json.is_null()) {
            std::cerr << result.out << '\n';
        } else if (options.json) {
            all.push_back(result.json);
        } else {
            std::cout << result.out;
        }
    }
    if (options.json) std::cout << all.dump(2) << '\n';
    return status;
}

}  // namespace

void AddCheckCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("check", "Tell where the game will not do what a table says");
    command->add_option("ROM", options->roms, "ROM image files, or egg_moves.h source files")
        ->required();
    command->add_flag("--json", options->json, "Print a JSON array, one object per file");
    command->footer(
        "Prints one finding per line, as FILE:ROW: SEVERITY: SPECIES: WHAT, where ROW is the\n"
        "table row (0 to N - 1, as export numbers them) and SPECIES the species it belongs to:\n"
        "  error    an illegal entry before the end mark (the window asks to repair it), moves\n"
        "           before the first species (the game gives them to every species without\n"
        "           egg moves), or a file that ends inside the table;\n"
        "  warning  more than 10 moves for a species (only the first 10 are taught), a species\n"
        "           listed twice (only its first entry is used), the same move twice under one\n"
        "           species, species 0 (the repair filler, which the game reads as a move),\n"
        "           illegal entries past the end mark, a species at the last row or moves that\n"
        "           run on past the end of the table (the game reads on into what follows),\n"
        "           and a ROM whose game reads a table Quenmark leaves alone.\n\n"
        "A FILE.h is read as the decompilations' egg_moves.h, with no ROM: its gEggMoves\n"
        "array is the table, its terminator what follows it, and the findings name the\n"
        "constants (SPECIES_BULBASAUR: ... MOVE_CURSE ...).\n\n"
        "Exit status: 0 with no finding, 1 with warnings only, 2 with an error or a file that\n"
        "cannot be checked.");
    command->callback([options, &status] { status = Run(*options); });
}
