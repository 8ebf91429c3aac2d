// quenmark-cli: the egg-move table of Generation III ROMs from the command line.
#include <iostream>

#include "cli/commands.h"
#include "cli/rom_input.h"

int main(int argc, char** argv) {
    CLI::App app(
        "Reads, checks, compares and writes the egg-move table of Generation III\n"
        "Pokemon ROM images (Ruby, Sapphire, Emerald, Fire Red, Leaf Green; English\n"
        "and French; Ruby and Sapphire also German), and grows it into free space: the\n"
        "companion of the Quenmark window.",
        "quenmark-cli");
    app.set_version_flag("--version", "quenmark-cli " QUENMARK_VERSION);
    app.require_subcommand(1);
    app.footer(
        "Run quenmark-cli COMMAND --help for what each command does.\n\n"
        "Data goes to standard output, messages to standard error. Exit status: 0 success,\n"
        "1 something found (see each command), 2 bad usage or an input that cannot be used.");
    int status = Success;
    AddIdentifyCommand(app, status);
    AddExportCommand(app, status);
    AddCheckCommand(app, status);
    AddDiffCommand(app, status);
    AddImportCommand(app, status);
    AddGrowCommand(app, status);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& done) {
        return app.exit(done);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return Unusable;
    } catch (const std::exception& error) {
        std::cerr << "quenmark-cli: " << error.what() << '\n';
        return Unusable;
    }
    return status;
}
