// A fresh window with a prompter that answers its questions and file dialogs
// from a script and records every box it was asked to show.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <deque>
#include <fstream>
#include <memory>
#include <optional>

#include "tools/synthetic_rom.h"
#include "ui/form1.h"
#include "ui/qt_translation.h"
#include "ui/strings.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

struct ShownMessage {
    std::string text;
    std::string title;
    MessageButtons buttons;
    bool operator==(const ShownMessage&) const = default;
};

class ScriptedPrompter final : public Prompter {
  public:
    // For Yes/No and Save/Discard/Cancel boxes; OK boxes take none.
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<QString>> files;  // std::nullopt cancels the dialog
    std::vector<ShownMessage> messages;
    std::vector<FileDialog> dialogs;        // as each was when shown
    std::deque<std::optional<int>> counts;  // std::nullopt cancels the question
    std::vector<CountQuestion> countQuestions;

    MessageAnswer ShowMessage(QWidget*, const std::string& text, const std::string& title,
                              MessageButtons buttons) override {
        messages.push_back({text, title, buttons});
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << text;
        return Next(answers, MessageAnswer::No);
    }
    // Reports are kept as messages with OK, their details after a blank line.
    void ShowReport(QWidget*, const std::string& text, const std::string& title,
                    const std::string& details) override {
        messages.push_back({text + "\n\n" + details, title, MessageButtons::Ok});
    }
    bool ExecuteFileDialog(QWidget*, FileDialog& dialog) override {
        dialogs.push_back(dialog);
        EXPECT_FALSE(files.empty()) << "unexpected file dialog";
        const std::optional<QString> file = Next(files, std::optional<QString>());
        if (file) dialog.fileName = *file;
        return file.has_value();
    }

    std::optional<int> AskCount(QWidget*, const CountQuestion& question) override {
        countQuestions.push_back(question);
        EXPECT_FALSE(counts.empty()) << "unexpected question for a number";
        return Next(counts, std::optional<int>());
    }

  private:
    template <typename T>
    static T Next(std::deque<T>& queue, T none) {
        if (queue.empty()) return none;
        T next = std::move(queue.front());
        queue.pop_front();
        return next;
    }
};

// A ROM that can grow: the game's words, and 4000 free bytes after its table.
inline SyntheticRom Growable() {
    SyntheticRom image = DefaultRom();
    image.words = GameWordsFor(TableOffset("BPRE"));
    image.padFrom = TableOffset("BPRE") + 2 * EggMoveEntryCount + 2;
    image.size = image.padFrom + 4000;
    return image;
}

// Another program writes entry at row of the table in the file.
inline void WriteEntry(const std::filesystem::path& path, int row, std::uint16_t entry) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(TableOffset("BPRE")) + 2 * row);
    const char bytes[] = {static_cast<char>(entry & 0xFF), static_cast<char>(entry >> 8)};
    file.write(bytes, 2);
}

class FormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        LanguageIndex = 0;
        QSettings(SettingsOrganization, SettingsApplication).clear();
        form = std::make_unique<TForm1>(prompter);
    }
    // Qt's own texts go back to English, so that no test sees another's language.
    void TearDown() override {
        LanguageIndex = 0;
        UseQtTranslation(0);
    }

    // A new window, in language (0 English, 1 French).
    void NewWindow(int language = 0) {
        form = std::make_unique<TForm1>(prompter);
        (language ? form->Francais1 : form->English1)->trigger();
    }
    // An edit: row 1 changed to the sixth choice.
    void Edit() {
        form->ListBox1->setCurrentRow(1);
        form->ComboBox1->setCurrentIndex(5);
        form->ChangeButtonClick();
    }

    // File, Open of path, answering the questions that come.
    void Open(const std::filesystem::path& path, std::deque<MessageAnswer> answers = {}) {
        prompter.answers = std::move(answers);
        prompter.files.push_back(QString::fromStdString(path.string()));
        form->Open1Click();
        EXPECT_TRUE(prompter.answers.empty()) << "questions left unasked";
    }

    std::filesystem::path WriteRom(SyntheticRom rom, std::string_view name = "rom.gba") {
        rom.species[1] = GameText("Pok\xE9mon");
        ::WriteRom(dir / name, rom);
        return dir / name;
    }

    // The texts of rows first to last of the list, then of the three labels, by "|".
    QString Seen(int first, int last) const {
        QStringList texts;
        for (int row = first; row <= last; ++row) texts << form->ListBox1->item(row)->text();
        texts << form->PokemonLabel->text() << form->MovesLabel->text() << form->TotalLabel->text();
        return texts.join('|');
    }

    TempDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<TForm1> form;
};
