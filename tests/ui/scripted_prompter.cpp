#include "tests/ui/scripted_prompter.h"

#include <gtest/gtest.h>

MessageAnswer ScriptedPrompter::ShowMessage(QWidget*, const std::string& text,
                                            const std::string& title, MessageButtons buttons) {
    messages.push_back({text, title, buttons});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return MessageAnswer::No;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool ScriptedPrompter::ExecuteFileDialog(QWidget*, FileDialog& dialog) {
    dialogs.push_back(dialog);
    if (files.empty()) {
        ADD_FAILURE() << "unexpected file dialog";
        return false;
    }
    const std::optional<QString> file = files.front();
    files.pop_front();
    if (!file) return false;
    dialog.fileName = *file;
    return true;
}
