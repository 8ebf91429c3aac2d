#include "tests/support/program_state.h"

#include <fstream>

#include "eggmoves/table.h"
#include "rom/loader.h"
#include "rom/rom_file.h"
#include "rom/update_stream.h"
#include "rom/versions.h"

void ResetProgramState() {
    if (RomFile.is_open()) RomFile.close();
    RomFile.clear();
    FileOpen = false;
    LoadedRom = {};
    SpeciesNameOffset = MoveNameOffset = EggMoveOffset = 0;
    EggMoveTable.fill(0);
    for (auto& s : EggMoveListLines) s.clear();
    for (auto& s : SpeciesNames) s.clear();
    for (auto& s : MoveNames) s.clear();
    for (auto& s : EntryChoices) s.clear();
    SpeciesCount = MoveCount = 0;
    OpenForUpdate = OpenFileForUpdate;
}

std::unique_ptr<std::fstream> RefusingOpener(const std::string&) {
    auto stream = std::make_unique<std::fstream>();
    stream->setstate(std::ios::failbit);
    return stream;
}

std::unique_ptr<std::fstream> ReadOnlyOpener(const std::string& path) {
    return std::make_unique<std::fstream>(path, std::ios::in | std::ios::binary);
}

ScopedOpener::ScopedOpener(std::unique_ptr<std::fstream> (*opener)(const std::string&))
    : saved_(OpenForUpdate) {
    OpenForUpdate = opener;
}

ScopedOpener::~ScopedOpener() {
    OpenForUpdate = saved_;
}
