// quenmark-cli import: a table described by a list, CSV or JSON file, written into
// a ROM in place.
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/rom_input.h"
#include "cli/table_files.h"
#include "cli/text.h"
#include "rom/saver.h"

namespace {

struct Options {
    std::string rom;
    std::string file;
    std::string format;
    bool dryRun = false;
};

int Run(const Options& options) {
    const RomInput input = ReadRomInput(options.rom);
    const Rom& rom = input.rom;
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
    const TableText table = ReadTable(text, format, rom);
    if (!table.problem.empty())
        return Complain(options.file + ":" + std::to_string(table.line),
                        table.problem + "; nothing was written");

    int changes = 0;
    for (int i = 0; i < EggMoveEntryCount; ++i) {
        const std::uint16_t before = rom.list.EggMoveTable[i], after = table.entries[i];
        if (before == after) continue;
        ++changes;
        if (options.dryRun) std::cout << i << ": " << Hex(before) << " -> " << Hex(after) << '\n';
    }
    std::cout << changes << (changes == 1 ? " row changes" : " rows change")
              << (options.dryRun ? "; nothing was written (dry run)" : "") << '\n';
    if (options.dryRun || changes == 0) return Success;
    switch (WriteEggMoveTable(rom, table.entries)) {
        case SaveResult::Saved:
            return Success;
        case SaveResult::NothingToSave:
        case SaveResult::ReadOnly:
        case SaveResult::Failed:
            break;
    }
    return Complain(
        options.rom,
        "could not be written: it is read-only, in use, or no longer the ROM that was read; "
        "nothing was written");
}

}  // namespace

void AddImportCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("import", "Write a table described by a file into a ROM, in place");
    command->add_option("ROM", options->rom, "ROM image file, changed in place")->required();
    command->add_option("FILE", options->file, "The table: a list, CSV or JSON file; - for standard input")
        ->required();
    command->add_option("--format", options->format, "list, csv or json (default: by FILE's name)")
        ->check(CLI::IsMember({"list", "csv", "json"}));
    command->add_flag("--dry-run", options->dryRun,
                      "Tell which rows would change (row: old -> new), write nothing");
    command->footer(
        "FILE is a CSV or JSON file as export writes them (only the value column counts), or a\n"
        "list as the window exports it (Windows-1252): a species name, or four spaces and a\n"
        "move name, as this ROM spells them. A line that reads as its row does now keeps that\n"
        "row, so names that several species share keep working; an empty line keeps a row\n"
        "that is illegal or at or after the end mark. FILE must describe exactly 1138\n"
        "entries, each legal or the same as its row now; anything else is refused as a\n"
        "whole, with its line and reason.\n\n"
        "Only the 2276 bytes of the table are written, in place: the ROM is never created,\n"
        "truncated or extended. Nothing is written to a ROM of no supported release, one that\n"
        "ends inside its table, or one whose game reads another table.\n\n"
        "Exit status: 0 when the table was written (or would be, with --dry-run), 2 when\n"
        "nothing could be written.");
    command->callback([options, &status] { status = Run(*options); });
}
