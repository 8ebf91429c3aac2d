#include "ui/edit_commands.h"

#include "eggmoves/editing.h"
#include "ui/strings.h"

void TableEdit::redo() {
    if (!Apply(rom_.list, rom_.names)) {
        setObsolete(true);
        return;
    }
    shown_();
}

void TableEdit::undo() {
    Revert(rom_.list.EggMoveTable);
    rom_.list = MakeList(rom_.list.EggMoveTable, rom_.names);
    shown_();
}

namespace {

bool IsRow(const EggMoveList& list, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < list.EggMoveTable.size();
}

class Change final : public TableEdit {
  public:
    Change(Rom& rom, int row, int choice, std::function<void()> shown)
        : TableEdit(rom, ChangeEditText, std::move(shown)), row_(row), choice_(choice) {}

  private:
    bool Apply(EggMoveList& list, const RomNames& names) override {
        if (IsRow(list, row_)) old_ = list.EggMoveTable[row_];
        return ChangeEntry(list, names, row_, choice_);
    }
    void Revert(EggMoveEntries& entries) override { entries[row_] = old_; }
    int row_, choice_;
    std::uint16_t old_ = 0;
};

class Insert final : public TableEdit {
  public:
    Insert(Rom& rom, int row, int choice, std::function<void()> shown)
        : TableEdit(rom, InsertEditText, std::move(shown)), row_(row), choice_(choice) {}

  private:
    bool Apply(EggMoveList& list, const RomNames& names) override {
        if (IsRow(list, row_)) fallen_ = list.EggMoveTable.back();
        return InsertEntry(list, names, row_, choice_);
    }
    void Revert(EggMoveEntries& entries) override {
        entries.erase(entries.begin() + row_);
        entries.push_back(fallen_);
    }
    int row_, choice_;
    std::uint16_t fallen_ = 0;
};

class Delete final : public TableEdit {
  public:
    Delete(Rom& rom, int row, std::function<void()> shown)
        : TableEdit(rom, DeleteEditText, std::move(shown)), row_(row) {}

  private:
    bool Apply(EggMoveList& list, const RomNames& names) override {
        if (IsRow(list, row_)) deleted_ = list.EggMoveTable[row_];
        return DeleteEntry(list, names, row_);
    }
    // The end mark that came in at the end goes again.
    void Revert(EggMoveEntries& entries) override {
        entries.pop_back();
        entries.insert(entries.begin() + row_, deleted_);
    }
    int row_;
    std::uint16_t deleted_ = 0;
};

class Enlarge final : public TableEdit {
  public:
    Enlarge(Rom& rom, int count, std::function<void()> shown)
        : TableEdit(rom, EnlargeEditText, std::move(shown)), count_(count) {}

  private:
    bool Apply(EggMoveList& list, const RomNames&) override { return EnlargeList(list, count_); }
    void Revert(EggMoveEntries& entries) override { entries.resize(entries.size() - count_); }
    int count_;
};

// Import keeps the table's size, so the two tables are swapped whole.
class Import final : public TableEdit {
  public:
    Import(Rom& rom, EggMoveEntries entries, std::function<void()> shown)
        : TableEdit(rom, ImportEditText, std::move(shown)), other_(std::move(entries)) {}

  private:
    bool Apply(EggMoveList& list, const RomNames& names) override {
        EggMoveEntries old = list.EggMoveTable;
        list = MakeList(other_, names);
        other_ = std::move(old);
        return true;
    }
    void Revert(EggMoveEntries& entries) override { std::swap(entries, other_); }
    EggMoveEntries other_;
};

}  // namespace

TableEdit* ChangeEdit(Rom& rom, int row, int choice, std::function<void()> shown) {
    return new Change(rom, row, choice, std::move(shown));
}
TableEdit* InsertEdit(Rom& rom, int row, int choice, std::function<void()> shown) {
    return new Insert(rom, row, choice, std::move(shown));
}
TableEdit* DeleteEdit(Rom& rom, int row, std::function<void()> shown) {
    return new Delete(rom, row, std::move(shown));
}
TableEdit* EnlargeEdit(Rom& rom, int count, std::function<void()> shown) {
    return new Enlarge(rom, count, std::move(shown));
}
TableEdit* ImportEdit(Rom& rom, EggMoveEntries entries, std::function<void()> shown) {
    return new Import(rom, std::move(entries), std::move(shown));
}
