// Find in the list: the field under the left column, and the next or previous
// row whose line holds its text, through the search the page uses too.
#include <QLineEdit>
#include <QListWidget>
#include <string>
#include <vector>

#include "eggmoves/find.h"
#include "ui/form1.h"

void TForm1::Find1Click() {
    FindEdit->show();
    FindEdit->setFocus();
    FindEdit->selectAll();
}

void TForm1::FindNext(bool backwards, bool from) {
    if (!FindEdit->isVisible() && !from) return;
    const QString text = FindEdit->text();
    const std::vector<std::string>& lines = LoadedRom.list.EggMoveListLines;
    const std::string wanted = text.toStdString();
    const int current = ListBox1->currentRow();
    const int count = static_cast<int>(lines.size());
    int row = -1;
    if (!text.isEmpty() && count > 0) {
        if (!backwards) {
            // The search starts after its from row: one before, to take the current row too.
            row = FindRow(lines, wanted,
                          from && current >= 0 ? (current + count - 1) % count : current);
        } else {
            // Backwards: the last row before current, around the ends, that holds it.
            const int start = current < 0 ? count - 1 : from ? current : current - 1;
            for (int i = 0; i < count && row < 0; ++i) {
                const int at = ((start - i) % count + count) % count;
                if (FindRow({lines[at]}, wanted, -1) == 0) row = at;
            }
        }
    }
    if (row >= 0) ListBox1->setCurrentRow(row);
    // An empty text finds nothing and is no failure.
    FindEdit->setStyleSheet(text.isEmpty() || row >= 0 ? QString()
                                                       : QStringLiteral("background: #f4c7c3"));
}
