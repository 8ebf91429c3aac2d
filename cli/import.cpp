// quenmark-cli import: a table described by a list, CSV or JSON file, written into
// a ROM in place.
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/growth_text.h"
#include "cli/rom_input.h"
#include "formats/table_files.h"
#include "formats/text.h"
#include "rom/saver.h"

namespace {

struct Options {
    std::string rom;
    std::string file;
    std::string format;
    bool dryRun = false;
    bool grow = false;
};

int Run(const Options& options) {
    RomInput input = ReadRomInput(options.rom);
    Rom& rom = input.rom;
    if (!input.problem.empty()) return Complain(options.rom, input.problem);
    if (!rom.release.version) return Complain(options.rom, UnsupportedProblem(rom));
    if (!rom.regionWhole)
        return Complain(options.rom, "ends inside the egg-move table; nothing is written to it");
    if (IsReadOnly(rom))
        return Complain(options.rom,
                        "the game in this ROM reads an egg-move table of another size or place; "
                        "nothing is written to it");
    if (SameFile(options.file, options.rom)) return Complain(options.file, "is the ROM itself");
    std::string text, problem;
    if (!ReadTextFile(options.file, text, problem)) return Complain(options.file, problem);

    const TableFormat format =
        options.format.empty() ? FormatOfPath(options.file) : *ParseFormat(options.format);
    const TableText table = ReadTable(text, format, rom, options.grow ? MaxEntryCount : 0);
    if (!table.problem.empty())
        return Complain(
            options.file + ":" + std::to_string(table.line),
            table.problem +
                (!options.grow && table.rows > static_cast<int>(rom.list.EggMoveTable.size())
                     ? " (--grow lets the table grow to the file's rows)"
                     : "") +
                "; nothing was written");

    const EggMoveEntries& now = rom.list.EggMoveTable;
    const bool grows = table.entries.size() > now.size();
    int changes = 0;
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        const std::uint16_t before = i < now.size() ? now[i] : EndMarkEntry;
        const std::uint16_t after = table.entries[i];
        if (before == after) continue;
        ++changes;
        if (options.dryRun) std::cout << i << ": " << Hex(before) << " -> " << Hex(after) << '\n';
    }
    std::cout << changes << (changes == 1 ? " row changes" : " rows change")
              << (grows
                      ? "; the table grows to " + std::to_string(table.entries.size()) + " entries"
                      : "")
              << (options.dryRun ? "; nothing was written (dry run)" : "") << '\n';
    if (options.dryRun || (changes == 0 && !grows)) return Success;
    const SaveResult result = WriteEggMoveTable(rom, table.entries);
    if (result == SaveResult::Grown)
        std::cout << "the table now holds " << TablePlaceText(rom.table) << '\n';
    if (result == SaveResult::Saved || result == SaveResult::Grown) return Success;
    return Complain(options.rom, GrowthRefusal(result));
}

}  // namespace

void AddImportCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("import", "Write a table described by a file into a ROM, in place");
    command->add_option("ROM", options->rom, "ROM image file, changed in place")->required();
    command
        ->add_option("FILE", options->file,
                     "The table: a list, CSV or JSON file; - for standard input")
        ->required();
    command->add_option("--format", options->format, "list, csv or json (default: by FILE's name)")
        ->check(CLI::IsMember({"list", "csv", "json"}));
    command->add_flag("--dry-run", options->dryRun,
                      "Tell which rows would change (row: old -> new), write nothing");
    command->add_flag("--grow", options->grow,
                      "Let a FILE with more rows than the table grow it, as grow does");
    command->footer(
        "FILE is a CSV or JSON file as export writes them (only the value column counts), or a\n"
        "list as the window exports it (Windows-1252): a species name, or four spaces and a\n"
        "move name, as this ROM spells them. A line that reads as its row does now keeps that\n"
        "row, so names that several species share keep working; an empty line keeps a row\n"
        "that is illegal or at or after the end mark. FILE must describe exactly as many\n"
        "entries as the table holds (identify tells how many), each legal or the same as\n"
        "its row now; anything else is refused as a whole, with its line and reason. With\n"
        "--grow, a FILE with more rows moves the table into free space as grow does, sized\n"
        "to the file's rows; an empty line there is an end mark.\n\n"
        "Only the table's bytes are written, in place (or, when it grows, the new table and\n"
        "the game's pointers to it): the ROM is never created, truncated or extended.\n"
        "Nothing is written to a ROM of no supported release, one that ends inside its\n"
        "table, or one whose game reads another table.\n\n"
        "Exit status: 0 when the table was written (or would be, with --dry-run), 2 when\n"
        "nothing could be written.");
    command->callback([options, &status] { status = Run(*options); });
}
