#include "eggmoves/export.h"

void WriteListLines(std::ostream& out, const EggMoveList& list) {
    for (const std::string& line : list.EggMoveListLines) out << line << '\n';
}
