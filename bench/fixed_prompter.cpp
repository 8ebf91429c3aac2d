#include "bench/fixed_prompter.h"

MessageAnswer FixedPrompter::ShowMessage(QWidget*, const std::string&, const std::string&,
                                         MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNoDefaultNo:
            return MessageAnswer::Yes;
        case MessageButtons::YesNo:
            ++unexpected;  // a repair question: the synthetic ROM has no illegal entry
            return MessageAnswer::No;
        case MessageButtons::Ok:
            break;
    }
    ++unexpected;
    return MessageAnswer::Ok;
}

bool FixedPrompter::ExecuteFileDialog(QWidget*, FileDialog& dialog) {
    if (dialog.mode != FileDialog::Mode::Open) {
        ++unexpected;
        return false;
    }
    dialog.fileName = romPath_;
    return true;
}
