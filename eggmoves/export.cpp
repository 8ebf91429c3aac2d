#include "eggmoves/export.h"

#include <fstream>

void WriteListLines(std::ostream& out, const EggMoveList& list) {
    for (const std::string& line : list.EggMoveListLines) out << line << '\n';
}

void ExportListLines(const std::string& path, const EggMoveList& list) {
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    WriteListLines(file, list);
}
