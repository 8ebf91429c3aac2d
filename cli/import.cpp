// quenmark-cli import: a table described by a list, CSV or JSON file, written into
// a ROM in place.
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/growth_text.h"
#include "cli/rom_input.h"
#include "formats/table_files.h"
#include "formats/text.h"
#include "rom/open_problem.h"
#include "rom/saver.h"

namespace {

struct Options {
    std::string rom;
    std::string file;
    std::string format;
    bool dryRun = false;
    bool grow = false;
    bool json = false;
    std::string output;
};

int Run(const Options& options) {
    RomInput input = ReadRomInput(options.rom);
    Rom& rom = input.rom;
    if (!input.problem.empty()) return Complain(options.rom, input.problem);
    if (!rom.release.version) return Complain(options.rom, UnsupportedProblem(rom));
    if (!rom.regionWhole) return Complain(options.rom, CutShortWords(rom).english);
    if (IsReadOnly(rom))
        return Complain(options.rom, Refusal(SaveCause::ForeignTable, options.rom));
    if (SameFile(options.file, options.rom)) return Complain(options.file, "is the ROM itself");
    if (!options.output.empty() && SameFile(options.output, options.rom))
        return Complain(options.output, "is the ROM itself; name another file");
    std::string text, problem;
    if (!ReadTextFile(options.file, text, problem)) return Complain(options.file, problem);

    const TableFormat format = !options.format.empty() ? *ParseFormat(options.format)
                               : options.file == "-"   ? SniffFormat(text)
                                                       : FormatOfPath(options.file);
    const TableText table = ReadTable(text, format, rom, options.grow ? MaxEntryCount : 0);
    if (!table.Taken())
        return Complain(options.file + ":" + std::to_string(table.line),
                        table.problem.english +
                            (table.rows ? " (--grow lets the table grow to the file's rows)" : "") +
                            "; nothing was written");

    const std::vector<RowChange> changes = Changes(rom, table.entries);
    const int count = static_cast<int>(changes.size());
    const bool grows = table.entries.size() > rom.list.EggMoveTable.size();
    // A copy is written even unchanged: it is what an in-place run on a copy leaves.
    const bool write = !options.dryRun && (count > 0 || grows || !options.output.empty());
    // Written before anything is told, so that only what was done is told as done.
    SaveOutcome outcome;
    if (write)
        outcome = options.output.empty() ? SaveTable(rom, table.entries, true)
                                         : SaveCopy(rom, table.entries, options.output, true);
    const bool failed = !outcome.Written();
    if (options.json) {
        nlohmann::ordered_json out = {{"changes", nlohmann::ordered_json::array()},
                                      {"entries", table.entries.size()},
                                      {"grows", grows},
                                      {"written", write && !failed}};
        for (const RowChange& change : changes) out["changes"].push_back(ChangeJson(change));
        std::cout << out.dump(2) << '\n';
    } else {
        for (const RowChange& change : changes) std::cout << ChangeLine(change) << '\n';
        const bool would = options.dryRun || failed;
        std::cout << count << (count == 1 ? " row " : " rows ")
                  << (would        ? "would change"
                      : count == 1 ? "changes"
                                   : "change")
                  << (grows ? std::string("; the table ") + (would ? "would grow" : "grows") +
                                  " to " + std::to_string(table.entries.size()) + " entries"
                            : "")
                  << (options.dryRun ? "; nothing was written (dry run)"
                      : failed       ? "; nothing was written"
                                     : "")
                  << '\n';
        if (outcome.result == SaveResult::Grown)
            std::cout << "the table now holds " << TablePlaceText(rom.table) << '\n';
    }
    if (!failed) return Success;
    // Only the copy's own file can fail to be written; every other cause is the ROM's.
    const std::string& named = outcome.cause == SaveCause::CannotWrite && !options.output.empty()
                                   ? options.output
                                   : options.rom;
    return Complain(named, Refusal(outcome.cause, named, outcome.reason));
}

}  // namespace

void AddImportCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("import", "Write a table described by a file into a ROM, in place");
    command->add_option("ROM", options->rom, "ROM image file, changed in place")->required();
    command
        ->add_option("FILE", options->file,
                     "The table: a list, CSV, JSON or egg_moves.h file; - for standard input")
        ->required();
    command
        ->add_option("--format", options->format, "list, csv, json or c (default: by FILE's name)")
        ->check(CLI::IsMember({"list", "csv", "json", "c"}));
    command->add_flag("--dry-run", options->dryRun, "Tell which rows would change, write nothing");
    command->add_flag("--json", options->json, "Tell the changes as JSON");
    command
        ->add_option("-o,--output", options->output,
                     "Write the result to this file instead, and leave ROM as it is")
        ->option_text("OUT");
    command->add_flag("--grow", options->grow,
                      "Let a FILE with more rows than the table grow it, as grow does");
    command->footer(
        "FILE's format comes from its name (.csv, .json, .h in any case; anything else is a\n"
        "list) or, for standard input, from its start: JSON with {, C when it holds the\n"
        "gEggMoves array, CSV with a header naming row and value. CSV and JSON rows go by their "
        "row column, in any order, so a sorted or\n"
        "filtered spreadsheet is safe; every row from 0 to N - 1 must be there once. A row\n"
        "takes the entry that its value, id (with kind) or name cell says where that cell\n"
        "differs from the row now; cells that differ must agree; empty cells say nothing;\n"
        "0xFFFF, or end in the kind cell, is the end mark. Spaces at the ends of cells are\n"
        "ignored. A list is the table in order, as the window exports it (Windows-1252, or\n"
        "UTF-8): a line that is its row's line keeps the row's entry, wherever lines were\n"
        "inserted or deleted; any other is a species name, or four spaces (or a tab) and a\n"
        "move name, in any case when only one name matches. Fewer lines than the table\n"
        "leave the end mark in the rows after them. A .h is the decompilations' egg_moves.h:\n"
        "its gEggMoves array, of egg_moves(SPECIES, MOVE_A, ...), constants and numbers,\n"
        "is the table in order, as a list is, without its terminator. Each change is told as\n"
        "ROW: SPECIES: OLD -> NEW (0xOLD -> 0xNEW). Anything wrong is refused as a whole,\n"
        "with its line and reason. With --grow, a FILE with more rows\n"
        "moves the table into free space as grow does, sized to the file's rows.\n\n"
        "Only the table's bytes are written, in place (or, when it grows, the new table and\n"
        "the game's pointers to it; a shorter table is followed by end marks up to the\n"
        "table's size): the ROM is never created, truncated or extended. With -o OUT, the\n"
        "ROM is copied as it is into a temporary file beside OUT, the table is written\n"
        "into the copy, and the copy then takes OUT's name; the ROM itself is not touched\n"
        "and cannot be OUT. Nothing is written to a ROM of no supported release, one that\n"
        "ends inside its table, or one whose game reads another table. The changes are\n"
        "told after the write: when it fails, as rows that would change, with the cause.\n\n"
        "Exit status: 0 when the table was written (or would be, with --dry-run), 2 when\n"
        "nothing could be written.");
    command->callback([options, &status] { status = Run(*options); });
}
