// A fresh window over a fresh program state, with a scripted prompter.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "eggmoves/table.h"
#include "tests/ui/scripted_prompter.h"
#include "tools/synthetic_rom.h"
#include "ui/form1.h"
#include "ui/strings.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

class FormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        LanguageIndex = 0;
        form = std::make_unique<TForm1>(prompter);
    }

    // Opens path through File, Open, answering the questions that come.
    void Open(const std::filesystem::path& path, std::deque<MessageAnswer> answers = {}) {
        prompter.answers = std::move(answers);
        prompter.files.push_back(QString::fromStdString(path.string()));
        form->Open1Click();
        EXPECT_TRUE(prompter.answers.empty()) << "questions left unasked";
    }

    std::filesystem::path WriteDefaultRom(std::string_view name = "rom.gba") {
        const auto path = dir / name;
        SyntheticRom rom = DefaultRom("BPRE");
        rom.species[1] = GameText("Pok\xE9mon");
        WriteRom(path, rom);
        return path;
    }

    void Select(int row) { form->ListBox1->setCurrentRow(row); }

    TempDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> form;
};
