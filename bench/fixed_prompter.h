// Answers the window without a person: File, Open always gets the same ROM, and
// the one question a repeated File, Open asks (replace the loaded ROM?) gets Yes.
// Anything else is a detour the benchmark did not mean to time, so it is counted.
#pragma once

#include <QString>
#include <string>
#include <utility>

#include "ui/prompter.h"

class FixedPrompter final : public Prompter {
  public:
    explicit FixedPrompter(QString romPath) : romPath_(std::move(romPath)) {}

    MessageAnswer ShowMessage(QWidget* parent, const std::string& text, const std::string& title,
                              MessageButtons buttons) override;
    bool ExecuteFileDialog(QWidget* parent, FileDialog& dialog) override;

    // Repair questions, OK boxes and save dialogs seen so far.
    int unexpected = 0;

  private:
    QString romPath_;
};
