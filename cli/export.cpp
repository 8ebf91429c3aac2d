// quenmark-cli export: the table of a ROM as the window's list, CSV or JSON.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/commands.h"
#include "cli/rom_input.h"
#include "formats/table_files.h"

namespace {

struct Options {
    std::string rom;
    std::string output;
    std::string format;
    bool partial = false;
};

int Run(const Options& options) {
    const RomInput input = ReadRomInput(options.rom);
    if (!input.problem.empty()) return Complain(options.rom, input.problem);
    if (!input.rom.release.version) return Complain(options.rom, UnsupportedProblem(input.rom));
    if (!options.output.empty() && SameFile(options.output, options.rom))
        return Complain(options.output, "is the ROM itself; name another file");
    if (!input.rom.regionWhole && !options.partial)
        return Complain(options.rom,
                        "ends inside the egg-move table; --partial exports the rows it holds");
    if (IsReadOnly(input.rom))
        std::cerr << "quenmark-cli: " << options.rom
                  << ": note: the game reads another table; this is the copy at the usual place\n";

    std::ostringstream text;
    const bool toFile = !options.output.empty() && options.output != "-";
    WriteTable(text, input.rom,
               !options.format.empty() ? *ParseFormat(options.format)
               : toFile                ? FormatOfPath(options.output)
                                       : TableFormat::List);
    if (!toFile) {
        std::cout << text.str() << std::flush;
        return std::cout ? Success : Unusable;
    }
    // Written beside the file and then moved over it, so that an export that fails
    // leaves an earlier one whole.
    const std::string temporary = options.output + ".quenmark-new";
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << text.str();
    file.close();
    std::error_code error;
    if (file) std::filesystem::rename(temporary, options.output, error);
    if (file && !error) return Success;
    std::filesystem::remove(temporary, error);
    return Complain(options.output, "cannot be written");
}

}  // namespace

void AddExportCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("export", "Write the table of a ROM as a list, CSV, JSON or C source");
    command->add_option("ROM", options->rom, "ROM image file")->required();
    command->add_option("-o,--output", options->output, "Write to FILE instead of standard output")
        ->option_text("FILE");
    command
        ->add_option("--format", options->format,
                     "list, csv, json or c (default: by FILE's name; a list on standard output)")
        ->check(CLI::IsMember({"list", "csv", "json", "c"}));
    command->add_flag("--partial", options->partial,
                      "Export a ROM that ends inside its table: the rows it holds");
    command->footer(
        "list is what the window's export writes: one Windows-1252 line per entry, a species\n"
        "as its name, a move as four spaces and its name, an illegal entry as an empty line.\n"
        "csv is UTF-8 with the header row,value,kind,id,name: row 0 to N - 1, value as 0x4E21,\n"
        "kind one of species, move, end, illegal, id the species or move number, and the name\n"
        "as this ROM spells it. json holds what identify tells and the same rows. c is the\n"
        "decompilations' src/data/pokemon/egg_moves.h, named by their constants, not by the\n"
        "ROM; end marks after the last entry are left out. A FILE ending in .h is c.\n\n"
        "Nothing is ever written to the ROM, and no entry is repaired.\n\n"
        "Exit status: 0 on success, 2 when the ROM cannot be read, is no supported release or\n"
        "(without --partial) ends inside its table, or the output cannot be written.");
    command->callback([options, &status] { status = Run(*options); });
}
