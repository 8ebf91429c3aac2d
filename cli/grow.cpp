// quenmark-cli grow: the table moved into free space with room for more entries.
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/growth_text.h"
#include "cli/rom_input.h"
#include "formats/text.h"
#include "rom/open_problem.h"
#include "rom/rom_file.h"
#include "rom/saver.h"

namespace {

struct Options {
    std::string rom;
    int to = 0;
    int by = 0;
    std::string at;
    bool dryRun = false;
    std::string output;
};

int Run(const Options& options) {
    RomInput input = ReadRomInput(options.rom);
    Rom& rom = input.rom;
    if (!input.problem.empty()) return Complain(options.rom, input.problem);
    if (!rom.release.version) return Complain(options.rom, UnsupportedProblem(rom));
    if (!options.output.empty() && SameFile(options.output, options.rom))
        return Complain(options.output, "is the ROM itself; name another file");
    const int now = rom.table.entryCount;
    const long long wanted = options.to ? options.to : static_cast<long long>(now) + options.by;
    if (wanted <= now || wanted > MaxEntryCount)
        return Complain(options.rom, "the table holds " + std::to_string(now) +
                                         " entries; it can grow to more, up to " +
                                         std::to_string(MaxEntryCount));
    std::optional<std::int64_t> at;
    if (!options.at.empty()) {
        const auto value = ParseOffset(options.at);
        if (!value) return Complain(options.rom, "--at takes an offset such as 0xF00000");
        at = *value;
    }
    const int count = static_cast<int>(wanted);
    std::ifstream file = OpenRomFile(options.rom);
    const GrowthPlan plan = PlanGrowth(file, rom, count, at);
    if (plan.problem != SaveResult::Grown) {
        const SaveCause cause = GrowthCause(plan.problem);
        return Complain(options.rom, cause == SaveCause::CutShort ? CutShortWords(rom).english
                                                                  : Refusal(cause, options.rom));
    }
    const std::string where = " from " + std::to_string(now) + " to " + std::to_string(count) +
                              " entries at " + Hex(static_cast<std::uint32_t>(plan.offset), 6);
    if (options.dryRun) {
        std::cout << "the table would grow" << where << "; nothing was written (dry run)\n";
        return Success;
    }
    // The file's own entries, as it holds them, then end marks.
    EggMoveEntries entries = rom.list.EggMoveTable;
    entries.resize(static_cast<std::size_t>(count), EndMarkEntry);
    const SaveOutcome outcome = options.output.empty()
                                    ? SaveTable(rom, entries, true, plan.offset)
                                    : SaveCopy(rom, entries, options.output, true, plan.offset);
    if (outcome.Written()) {
        std::cout << "the table now holds " << TablePlaceText(rom.table) << '\n';
        return Success;
    }
    std::cout << "the table would grow" << where << "; nothing was written\n";
    const std::string& named = outcome.cause == SaveCause::CannotWrite && !options.output.empty()
                                   ? options.output
                                   : options.rom;
    return Complain(named, Refusal(outcome.cause, named, outcome.reason));
}

}  // namespace

void AddGrowCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("grow", "Move the table into free space, with room for more entries");
    command->add_option("ROM", options->rom, "ROM image file, changed in place")->required();
    auto* to =
        command->add_option("--to", options->to, "The number of entries the table holds after")
            ->option_text("N");
    auto* by =
        command->add_option("--by", options->by, "The number of entries to add")->option_text("K");
    to->excludes(by);
    command->add_option("--at", options->at, "Put the table at this file offset (4-aligned)")
        ->option_text("OFFSET");
    command->add_flag("--dry-run", options->dryRun, "Tell where the table would go, write nothing");
    command
        ->add_option("-o,--output", options->output,
                     "Write the result to this file instead, and leave ROM as it is")
        ->option_text("OUT");
    command->callback([options, &status, to, by] {
        if (to->count() + by->count() != 1)
            throw CLI::ValidationError("grow", "give --to N or --by K");
        status = Run(*options);
    });
    command->footer(
        "The game reads its egg-move table where two pointers in its own code say, and\n"
        "searches as many entries as a limit word there says. grow writes the table, then\n"
        "the new entries (each an end mark, 0xFFFF), then one more 0xFFFF as the game's\n"
        "terminator, into free space: bytes that are all 0xFF, outside the header, the\n"
        "current table and the game's words, within the first 32 MiB the game can reach.\n"
        "By default it goes to the highest 4-aligned place with 16 free bytes below it, so\n"
        "that the same ROM always grows the same way; --at names the place instead. Then it\n"
        "points both pointers at it and sets the limit. The old copy stays as it was, and\n"
        "the file's size never changes.\n\n"
        "The table is written and flushed before the pointers, so that a failure at any\n"
        "point leaves the game reading the old table or the new one; running grow again\n"
        "then completes the job. With -o OUT, the ROM is copied as it is into a temporary\n"
        "file beside OUT, the table grows in the copy, and the copy then takes OUT's name;\n"
        "the ROM itself is not touched and cannot be OUT.\n\n"
        "Nothing is written to a ROM whose release's pointers are not known (the French\n"
        "ones) or not in the file, one whose game reads a table Quenmark leaves alone,\n"
        "or one with no room. identify tells the room left.\n\n"
        "Exit status: 0 when the table grew (or would, with --dry-run), 2 when nothing\n"
        "could be written.");
}
