// The edits of the table as undo steps. Each step holds only what it needs to
// go back: redo runs the core's edit, undo puts the entries back and rebuilds
// the lines and counters from them.
#pragma once

#include <QUndoCommand>
#include <functional>

#include "rom/loader.h"

struct StringPair;

class TableEdit : public QUndoCommand {
  public:
    // shown runs after every redo and undo, to redraw the table.
    TableEdit(Rom& rom, const StringPair& name, std::function<void()> shown)
        : rom_(rom), name_(name), shown_(std::move(shown)) {}
    // What the Undo and Redo items name.
    const StringPair& Name() const { return name_; }
    void redo() final;
    void undo() final;

  protected:
    // False when nothing was edited: the step is then dropped at once.
    virtual bool Apply(EggMoveList& list, const RomNames& names) = 0;
    virtual void Revert(EggMoveEntries& entries) = 0;

  private:
    Rom& rom_;
    const StringPair& name_;
    std::function<void()> shown_;
};

// The row and choice as the window's handlers pass them; out of range, nothing
// is pushed.
TableEdit* ChangeEdit(Rom& rom, int row, int choice, std::function<void()> shown);
TableEdit* InsertEdit(Rom& rom, int row, int choice, std::function<void()> shown);
TableEdit* DeleteEdit(Rom& rom, int row, std::function<void()> shown);
TableEdit* EnlargeEdit(Rom& rom, int count, std::function<void()> shown);
TableEdit* ImportEdit(Rom& rom, EggMoveEntries entries, std::function<void()> shown);
