#include "eggmoves/export.h"

#include <fstream>

#include "eggmoves/table.h"

bool WriteListLines(std::ostream& out) {
    for (const std::string& line : EggMoveListLines) out << line << '\n';
    return static_cast<bool>(out);
}

bool ExportListLines(const std::string& path) {
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    if (!file) return false;
    WriteListLines(file);
    file.close();
    return !file.fail();
}
