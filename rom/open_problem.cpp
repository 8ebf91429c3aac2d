#include "rom/open_problem.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "rom/rom_file.h"
#include "rom/table_place.h"

namespace fs = std::filesystem;

OpenProblem CheckRomStream(std::istream& file) {
    return RomFileSize(file) < RomHeaderSize ? OpenProblem::TooShort : OpenProblem::None;
}

OpenCheck CheckRomPath(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return {OpenProblem::Missing, {}};
    if (fs::is_directory(status)) return {OpenProblem::Folder, {}};
    if (!fs::is_regular_file(status)) return {OpenProblem::NotRegular, {}};
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) return {OpenProblem::Unreadable, std::strerror(errno ? errno : EACCES)};
    return {CheckRomStream(file), {}};
}

Words OpenProblemWords(const OpenCheck& check, const std::string& path) {
    switch (check.problem) {
        case OpenProblem::None:
            break;
        case OpenProblem::Missing:
            return {"The file does not exist: " + path, "Le fichier n'existe pas : " + path};
        case OpenProblem::Folder:
            return {path + " is a folder, not a file", path + " est un dossier, pas un fichier"};
        case OpenProblem::NotRegular:
            return {path + " is not a regular file", path + " n'est pas un fichier ordinaire"};
        case OpenProblem::Unreadable:
            return {path + " cannot be read (" + check.reason + ")",
                    path + " ne peut pas être lu (" + check.reason + ")"};
        case OpenProblem::TooShort:
            return {"The file is too short to be a Game Boy Advance rom",
                    "Le fichier est trop court pour être une rom Game Boy Advance"};
    }
    return {};
}

Words CutShortWords(const Rom& rom) {
    const std::string end = WordsHex(static_cast<std::uint32_t>(rom.fileSize), 6);
    const std::string start = WordsHex(static_cast<std::uint32_t>(rom.table.EggMoveOffset), 6);
    const std::string stop =
        WordsHex(static_cast<std::uint32_t>(rom.table.EggMoveOffset + 2 * rom.table.entryCount), 6);
    return {"This rom is cut short: it ends at " + end + ", inside the egg move list (" + start +
                " to " + stop + "). Quenmark shows what it holds and will write nothing to it.",
            "Cette rom est tronquée : elle se termine à " + end +
                ", au milieu de la liste des attaques des oeufs (" + start + " à " + stop +
                "). Quenmark montre ce qu'elle contient et n'y écrira rien."};
}
