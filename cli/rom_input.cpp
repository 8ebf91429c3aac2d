#include "cli/rom_input.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "formats/c_source.h"
#include "formats/table_files.h"
#include "formats/text.h"
#include "rom/open_problem.h"
#include "rom/place_words.h"

namespace fs = std::filesystem;

namespace {

// Why path is no regular file that can be opened; empty when it is one.
std::string FileProblem(const std::string& path, std::ifstream& file) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return "no such file";
    if (fs::is_directory(status)) return "is a folder, not a file";
    if (!fs::is_regular_file(status)) return "is not a regular file";
    errno = 0;
    file.open(path, std::ios::binary);
    if (!file) return std::string("cannot be read (") + std::strerror(errno ? errno : EACCES) + ")";
    return {};
}

}  // namespace

RomInput ReadRomInput(const std::string& path) {
    RomInput input;
    input.path = path;
    const OpenCheck check = CheckRomPath(path);
    if (check.problem == OpenProblem::None) {
        input.rom = ReadRom(path);
    } else {
        input.problem = OpenProblemWords(check, path).english;
    }
    if (HasNoTable(input.rom)) input.problem = NoTableWords().english;
    input.notRom = check.problem == OpenProblem::TooShort || HasNoTable(input.rom);
    return input;
}

RomInput ReadTableInput(const std::string& path) {
    if (FormatOfPath(path) != TableFormat::C) return ReadRomInput(path);
    RomInput input;
    std::string text;
    if (!ReadTextFile(path, text, input.problem)) {
        input.problem = path + ": " + input.problem;
        return input;
    }
    const SourceRows rows = ParseSource(text);
    if (!rows.Taken()) {
        input.problem = path + ":" + std::to_string(rows.line) + ": " + rows.problem.english;
        return input;
    }
    input.rom = SourceRom(path, rows.values);
    input.source = true;
    return input;
}

std::string InputProblem(const RomInput& input, const std::string& path) {
    if (!input.problem.empty())
        return input.problem.starts_with(path + ":") ? input.problem : path + ": " + input.problem;
    if (!input.source && !input.rom.release.version)
        return path + ": " + UnsupportedProblem(input.rom);
    return {};
}

std::string UnsupportedProblem(const Rom& rom) {
    std::string code;
    for (const char c : rom.release.code)
        code += c >= 0x20 && c < 0x7F ? std::string(1, c)
                                      : "\\x" + Hex(static_cast<unsigned char>(c), 2).substr(2);
    return "not a supported release (game code \"" + code + "\")";
}

int Complain(const std::string& path, const std::string& why) {
    // The core's words name the file themselves, first or last.
    const bool named = why.starts_with(path + " ") || why.ends_with(": " + path);
    std::cerr << "quenmark-cli: " << (named ? "" : path + ": ") << why << '\n';
    return Unusable;
}

bool ReadTextFile(const std::string& path, std::string& text, std::string& problem) {
    std::ostringstream all;
    if (path == "-") {
        all << std::cin.rdbuf();
        text = all.str();
        return true;
    }
    // No table file comes near this size; a bigger one is a mistake, not a table.
    constexpr std::uintmax_t Largest = 16 << 20;
    std::ifstream file;
    problem = FileProblem(path, file);
    std::error_code error;
    if (problem.empty() && fs::file_size(path, error) > Largest)
        problem = "is too large to be a table";
    if (!problem.empty()) return false;
    all << file.rdbuf();
    text = all.str();
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}
