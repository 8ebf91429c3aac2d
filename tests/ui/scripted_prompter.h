// Answers the window's questions and file dialogs from a script, and records
// everything that was shown.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "ui/prompter.h"

struct ShownMessage {
    std::string text;
    std::string title;
    MessageButtons buttons;
};

class ScriptedPrompter final : public Prompter {
  public:
    std::deque<MessageAnswer> answers;         // for Yes/No boxes; OK boxes take none
    std::deque<std::optional<QString>> files;  // std::nullopt cancels the dialog
    std::vector<ShownMessage> messages;
    std::vector<FileDialog> dialogs;  // as each was when shown

    MessageAnswer ShowMessage(QWidget* parent, const std::string& text, const std::string& title,
                              MessageButtons buttons) override;
    bool ExecuteFileDialog(QWidget* parent, FileDialog& dialog) override;
};
