#include "eggmoves/export.h"

#include <fstream>

bool WriteListLines(std::ostream& out, const EggMoveList& list) {
    for (const std::string& line : list.EggMoveListLines) out << line << '\n';
    return static_cast<bool>(out);
}

bool ExportListLines(const std::string& path, const EggMoveList& list) {
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    if (!file) return false;
    WriteListLines(file, list);
    file.close();
    return !file.fail();
}
