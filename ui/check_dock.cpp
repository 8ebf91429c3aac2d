#include "ui/check_dock.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <algorithm>

#include "ui/ansi.h"

namespace {

// The most characters a dock line shows before it wraps: a comfortable reading
// width, which a window's first size can still make room for.
constexpr int ReadingLength = 56;

}  // namespace

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
    // A long finding wraps onto as many lines as the dock's width asks, never cut;
    // its tooltip shows it whole too.
    FindingsList->setWordWrap(true);
    FindingsList->setResizeMode(QListView::Adjust);
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
    std::vector<std::pair<QString, int>> lines;  // each finding's line and row
    for (const Finding& finding : RomFindings(rom))
        lines.emplace_back(QString::fromStdString(RomFindingLine(rom, finding).In(language)),
                           finding.row);
    if (lines.empty())
        lines.emplace_back(QString::fromStdString(NoFindingWords().In(language)), -1);
    // The items stay and take their new lines: most lines are unchanged by an edit.
    const int count = static_cast<int>(lines.size());
    for (int i = 0; i < count; ++i) {
        QListWidgetItem* item =
            i < FindingsList->count() ? FindingsList->item(i) : new QListWidgetItem(FindingsList);
        item->setText(lines[i].first);
        item->setToolTip(lines[i].first);
        item->setData(Qt::UserRole, lines[i].second);
    }
    for (int extra = FindingsList->count() - count; extra > 0; --extra)
        delete FindingsList->takeItem(count);
}

int CheckDock::WidthWanted() const {
    const QFontMetrics metrics = FindingsList->fontMetrics();
    int longest = 0;
    for (int i = 0; i < FindingsList->count(); ++i)
        longest = std::max(longest, metrics.horizontalAdvance(FindingsList->item(i)->text()));
    // The list's frame, an item's margins and a scroll bar come around the text.
    const int around =
        2 * FindingsList->frameWidth() + 12 + FindingsList->verticalScrollBar()->sizeHint().width();
    return std::min(longest, ReadingLength * metrics.averageCharWidth()) + around;
}

QSize CheckDock::sizeHint() const {
    QSize hint = QDockWidget::sizeHint();
    if (OpenWidth > 0) hint.setWidth(OpenWidth);
    return hint;
}
