// The check beside the list: what the game will not do as the list says, one
// finding a line with its row, in the language in force.
#pragma once

#include <QDockWidget>
#include <vector>

#include "eggmoves/finding_words.h"
#include "rom/loader.h"
#include "rom/rom_findings.h"

class QListWidget;

// A finding's line for rom, as the core words it.
Words RomFindingLine(const Rom& rom, const Finding& finding);

class CheckDock final : public QDockWidget {
    Q_OBJECT

  public:
    explicit CheckDock(QWidget* parent);
    // Shows the findings of rom in language (0 English, 1 French).
    void Fill(const Rom& rom, int language);
    // The width that shows the longest finding on one line, at most that of a
    // line of reading length: a longer finding wraps.
    int WidthWanted() const;
    // The width the window gives the dock as it comes in beside the list.
    QSize sizeHint() const override;
    int OpenWidth = 0;

    QListWidget* FindingsList;

  signals:
    // A finding was chosen: the row it is about.
    void RowChosen(int row);
};
