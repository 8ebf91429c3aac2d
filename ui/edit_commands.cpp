#include "ui/edit_commands.h"

#include "ui/strings.h"

const StringPair& TableEdit::Name() const {
    // One name for each EditKind, in its order.
    static const StringPair* const names[] = {&ChangeEditText, &InsertEditText, &DeleteEditText,
                                              &ImportEditText, &EnlargeEditText};
    return *names[static_cast<std::size_t>(edit_.kind)];
}

void TableEdit::redo() {
    ApplyEdit(rom_.list, rom_.names, edit_);
    shown_(edit_, false);
}

void TableEdit::undo() {
    RevertEdit(rom_.list, rom_.names, edit_);
    shown_(edit_, true);
}
