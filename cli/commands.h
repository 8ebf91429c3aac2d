// The commands of quenmark-cli, one file each. Each adds its subcommand to the
// program; when the subcommand runs, it leaves its exit status in status.
#pragma once

#include <CLI/CLI.hpp>

void AddIdentifyCommand(CLI::App& app, int& status);
void AddExportCommand(CLI::App& app, int& status);
void AddCheckCommand(CLI::App& app, int& status);
void AddDiffCommand(CLI::App& app, int& status);
void AddImportCommand(CLI::App& app, int& status);
void AddGrowCommand(CLI::App& app, int& status);
