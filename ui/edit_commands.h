// The edits of the table as undo steps: each wraps one edit of the core, which
// holds only what it needs to go back.
#pragma once

#include <QUndoCommand>
#include <functional>

#include "eggmoves/history.h"
#include "rom/loader.h"

struct StringPair;

class TableEdit final : public QUndoCommand {
  public:
    // Runs after every redo and undo, to redraw the table: the edit, and whether
    // it was undone.
    using Shown = std::function<void(const Edit&, bool)>;
    TableEdit(Rom& rom, Edit edit, Shown shown)
        : rom_(rom), edit_(std::move(edit)), shown_(std::move(shown)) {}
    // What the Undo and Redo items name.
    const StringPair& Name() const;
    void redo() override;
    void undo() override;

  private:
    Rom& rom_;
    Edit edit_;
    Shown shown_;
};
