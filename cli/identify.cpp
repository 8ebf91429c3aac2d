// quenmark-cli identify: the release of each ROM and what its table holds.
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/growth_text.h"
#include "cli/rom_input.h"
#include "formats/table_files.h"
#include "formats/text.h"
#include "rom/open_problem.h"
#include "rom/place_words.h"
#include "rom/rom_file.h"
#include "rom/saver.h"

namespace {

struct Options {
    std::vector<std::string> roms;
    bool json = false;
};

// The entries grow could still add; nullopt when the table cannot grow at all.
std::optional<int> Room(const Rom& rom) {
    if (GrowthProblem(rom) != SaveResult::Saved) return std::nullopt;
    std::ifstream file = OpenRomFile(rom.path);
    return RoomToGrow(file, rom, rom.table.entryCount);
}

int IllegalBeforeEndMark(const EggMoveEntries& table) {
    int illegal = 0;
    for (const std::uint16_t entry : table) {
        if (entry == EndMarkEntry) break;
        illegal += !IsLegalEntry(entry);
    }
    return illegal;
}

nlohmann::ordered_json Offset(bool known, std::int64_t offset) {
    return known ? nlohmann::ordered_json(offset) : nlohmann::ordered_json();
}

nlohmann::ordered_json Record(const RomInput& input) {
    const Rom& rom = input.rom;
    if (!rom.release.version) {
        nlohmann::ordered_json record = {{"file", input.path}, {"supported", false}};
        record["code"] = nullptr;
        if (input.problem.empty()) record["code"] = Utf8(rom.release.code);
        if (!input.problem.empty()) record["problem"] = input.problem;
        return record;
    }
    nlohmann::ordered_json record = {{"file", rom.path}, {"supported", true}};
    record.update(Identity(rom));
    record["routine"] = Offset(!rom.table.routines.empty(),
                               rom.table.routines.empty() ? 0 : rom.table.routines.front());
    if (HasNoTable(rom)) {
        record["problem"] = input.problem;
        return record;
    }
    record["names"] = Offset(rom.namesAt.found != NamesFound::Missing, rom.namesAt.species);
    static constexpr const char* Found[] = {"usual", "found", "none"};
    record["namesFound"] = Found[static_cast<int>(rom.namesAt.found)];
    record["endMarks"] = CountEndMarks(rom.list.EggMoveTable);
    const std::optional<int> room = Room(rom);
    record["room"] = room ? nlohmann::ordered_json(*room) : nullptr;
    record["species"] = rom.list.SpeciesCount;
    record["moves"] = rom.list.MoveCount;
    record["illegal"] = IllegalBeforeEndMark(rom.list.EggMoveTable);
    return record;
}

std::string Line(const RomInput& input) {
    const Rom& rom = input.rom;
    if (!rom.release.version)
        return input.path + ": " +
               (input.problem.empty() ? UnsupportedProblem(rom)
                                      : "not a supported release (" + input.problem + ")");
    const GameVersion& v = *rom.release.version;
    const std::string version = VersionName(rom.release);
    std::string line =
        rom.path + ": " + rom.release.code + " " + std::string(v.game) + " (" +
        std::string(v.language) + ") " +
        (version.empty() ? "version unknown (byte " + std::to_string(rom.release.revision) + ")"
                         : version) +
        ", ";
    if (HasNoTable(rom)) return line + input.problem;
    line += "table of " + TablePlaceText(rom.table) + ", " + TableSourceWords(rom.table).english;
    if (rom.table.place == TablePlace::Moved) line += " (moved or resized)";
    if (rom.table.place == TablePlace::Foreign)
        line += " (read-only: the game reads another table)";
    line += rom.regionWhole ? ", whole" : ", cut short";
    if (const std::optional<int> room = Room(rom))
        line += ", room for " + std::to_string(*room) + " more";
    return line + ", " + std::to_string(rom.list.SpeciesCount) + " species, " +
           std::to_string(rom.list.MoveCount) + " moves, " +
           std::to_string(IllegalBeforeEndMark(rom.list.EggMoveTable)) + " illegal, " +
           std::to_string(CountEndMarks(rom.list.EggMoveTable)) + " free, " +
           NamesSourceWords(rom.namesAt).english;
}

int Run(const Options& options) {
    int status = Success;
    nlohmann::ordered_json records = nlohmann::ordered_json::array();
    for (const std::string& path : options.roms) {
        const RomInput input = ReadRomInput(path);
        if (!input.problem.empty() && !input.notRom) {
            Complain(path, input.problem);
            status = Unusable;
            continue;
        }
        const Rom& rom = input.rom;
        if (!rom.release.version || input.notRom) status = std::max<int>(status, FoundSomething);
        if (options.json) {
            records.push_back(Record(input));
        } else {
            std::cout << Line(input) << '\n';
            if (rom.release.version && !input.notRom && !rom.regionWhole)
                std::cerr << "quenmark-cli: " << path << ": " << CutShortWords(rom).english << '\n';
            for (const Words& warning : LoadWarnings(rom))
                std::cerr << "quenmark-cli: " << path << ": " << warning.english << '\n';
        }
    }
    if (options.json) std::cout << records.dump(2) << '\n';
    return status;
}

}  // namespace

void AddIdentifyCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("identify", "Tell the release of each ROM and what its table holds");
    command->add_option("ROM", options->roms, "ROM image files")->required();
    command->add_flag("--json", options->json, "Print a JSON array, one object per file");
    command->footer(
        "Prints one line per file: the game code, game, language and version, how many\n"
        "entries the egg-move table holds and where it is read, how it was found (through\n"
        "the game's routine, or at the release's usual place), whether it was moved or\n"
        "resized, or the game reads a table that Quenmark leaves alone and writes\n"
        "nothing to, whether the file holds the whole table, how many entries grow could\n"
        "still add, the counts of species and move entries, of illegal entries before\n"
        "the end mark and of end marks (free), and where the names were found. A file\n"
        "of no supported release, too short for a header, or with no egg-move table says\n"
        "so; a release cut inside its table, a routine found at several places or names\n"
        "not found are told on standard error.\n\n"
        "Exit status: 0 when every file is a supported release with its table, 1 when one\n"
        "is not, 2 when a file cannot be read.");
    command->callback([options, &status] { status = Run(*options); });
}
