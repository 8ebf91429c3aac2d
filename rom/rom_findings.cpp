#include "rom/rom_findings.h"

std::vector<Finding> RomFindings(const Rom& rom) {
    std::vector<Finding> findings = CheckEggMoves(rom.list.EggMoveTable, rom.afterTable);
    // A build whose code moved may add species and moves: what it cannot name is
    // told, not offered for repair.
    if (IsMovedBuild(rom.table))
        for (Finding& f : findings)
            if (f.rule == Rule::IllegalEntry) f.rule = Rule::UnnamedEntry;
    if (!rom.regionWhole) findings.insert(findings.begin(), {-1, Rule::TableCut});
    if (IsReadOnly(rom)) findings.insert(findings.begin(), {-1, Rule::TableElsewhere});
    return findings;
}
