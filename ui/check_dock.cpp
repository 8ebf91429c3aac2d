#include "ui/check_dock.h"

#include <QListWidget>

#include "ui/ansi.h"

std::vector<Finding> RomFindings(const Rom& rom) {
    std::vector<Finding> findings = CheckEggMoves(rom.list.EggMoveTable, rom.afterTable);
    if (!rom.regionWhole) findings.insert(findings.begin(), {-1, Rule::TableCut});
    if (IsReadOnly(rom)) findings.insert(findings.begin(), {-1, Rule::TableElsewhere});
    return findings;
}

Words RomFindingLine(const Rom& rom, const Finding& finding) {
    const EntryNamer name = [&rom](std::uint16_t entry) {
        const std::string& text = EntryKind(entry) == Kind::Species
                                      ? rom.names.SpeciesNames[entry - SpeciesEntryBase]
                                      : rom.names.MoveNames[entry - 1];
        return FromAnsi(text).toStdString();
    };
    return FindingLine(finding, rom.list.EggMoveTable, name);
}

CheckDock::CheckDock(QWidget* parent) : QDockWidget(parent), FindingsList(new QListWidget(this)) {
    setObjectName("CheckDock");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    FindingsList->setWordWrap(true);
    FindingsList->setTextElideMode(Qt::ElideNone);
    setWidget(FindingsList);
    connect(FindingsList, &QListWidget::currentRowChanged, this, [this](int index) {
        const QListWidgetItem* item = index < 0 ? nullptr : FindingsList->item(index);
        const int row = item ? item->data(Qt::UserRole).toInt() : -1;
        if (row >= 0) emit RowChosen(row);
    });
}

void CheckDock::Fill(const Rom& rom, int language) {
    const QSignalBlocker quiet(FindingsList);
    FindingsList->clear();
    const std::vector<Finding> findings = RomFindings(rom);
    const auto add = [this, language](const Words& words, int row) {
        auto* item = new QListWidgetItem(QString::fromStdString(words.In(language)), FindingsList);
        item->setData(Qt::UserRole, row);
    };
    for (const Finding& finding : findings) add(RomFindingLine(rom, finding), finding.row);
    if (findings.empty()) add(NoFindingWords(), -1);
}
