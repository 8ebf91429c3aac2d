#include "rom/rom_findings.h"

std::vector<Finding> RomFindings(const Rom& rom) {
    std::vector<Finding> findings = CheckEggMoves(rom.list.EggMoveTable, rom.afterTable);
    if (!rom.regionWhole) findings.insert(findings.begin(), {-1, Rule::TableCut});
    if (IsReadOnly(rom)) findings.insert(findings.begin(), {-1, Rule::TableElsewhere});
    return findings;
}
