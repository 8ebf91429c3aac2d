#include "rom/loader.h"
#include "tests/ui/form_fixture.h"
#include "ui/ansi.h"

namespace {

using OpenCommand = FormTest;

TEST_F(OpenCommand, CleanLoadFillsListChoicesAndLabels) {
    Open(WriteDefaultRom());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount);
    EXPECT_EQ(form->SelectedRow(), -1);
    EXPECT_EQ(form->ComboBox1->count(), EntryChoiceCount);
    EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(form->ComboBox1->currentText(), "SPECIES0");
    EXPECT_EQ(form->ComboBox1->itemText(1), QString::fromUtf8("Pokémon"));
    EXPECT_EQ(form->ComboBox1->itemText(412), "MOVE1");
    EXPECT_EQ(form->ListBox1->item(0)->text(), QString::fromUtf8("Pokémon"));
    EXPECT_TRUE(form->ListBox1->item(1)->text().startsWith("    MOVE"));
    EXPECT_EQ(form->PokemonLabel->text(), QString::fromUtf8("Number of Pokémon: 165"));
    EXPECT_EQ(form->MovesLabel->text(), "Number of Moves: 973");
    EXPECT_EQ(form->TotalLabel->text(), "Number Total: 1138");
    EXPECT_TRUE(form->Save1->isEnabled());
    EXPECT_TRUE(form->ListBox1->isEnabled());
    ASSERT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_EQ(prompter.dialogs[0].filters,
              QStringList({"Gameboy Advance Roms (*.gba)", "All Files (*.*)"}));
}

TEST_F(OpenCommand, CancelledDialogChangesNothing) {
    prompter.files.push_back(std::nullopt);
    form->Open1Click();
    EXPECT_FALSE(form->Save1->isEnabled());
    EXPECT_FALSE(FileOpen);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OpenCommand, ReplaceQuestionComesFirstAndNoOrCancelKeepsEverything) {
    const auto first = WriteDefaultRom("first.gba");
    Open(first);
    SyntheticRom other = DefaultRom("AXVE");
    for (auto& name : other.species) name = GameText("OTHER");
    WriteRom(dir / "other.gba", other);

    // No: no dialog at all.
    const std::size_t dialogs = prompter.dialogs.size();
    prompter.answers = {MessageAnswer::No};
    form->Open1Click();
    EXPECT_EQ(prompter.dialogs.size(), dialogs);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Text(FileAlreadyOpenText));
    EXPECT_EQ(prompter.messages[0].title, "Warning");
    EXPECT_EQ(prompter.messages[0].buttons, MessageButtons::YesNoDefaultNo);

    // Yes, then Cancel: nothing changes and the next Open asks again.
    prompter.answers = {MessageAnswer::Yes};
    prompter.files.push_back(std::nullopt);
    form->Open1Click();
    EXPECT_EQ(form->ListBox1->item(0)->text(), QString::fromUtf8("Pokémon"));
    EXPECT_EQ(form->OpenDialog1.fileName.toStdString(), first.string());
    EXPECT_EQ(prompter.dialogs.back().fileName.toStdString(), first.string())
        << "the dialog proposes the last confirmed name";

    Open(dir / "other.gba", {MessageAnswer::Yes});
    EXPECT_EQ(prompter.messages.size(), 3u);
    EXPECT_EQ(form->ListBox1->item(0)->text(), "OTHER");
}

TEST_F(OpenCommand, FirstUnsupportedFileEnablesControlsThenLoadAsksNothing) {
    WriteFileBytes(dir / "junk.gba", Bytes(300, 0x42));
    Open(dir / "junk.gba");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Text(UnsupportedRomText));
    EXPECT_EQ(prompter.messages[0].title, "Attention");
    EXPECT_EQ(prompter.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(form->Save1->isEnabled());
    EXPECT_TRUE(form->ChangeButton->isEnabled());
    EXPECT_FALSE(FileOpen);
    EXPECT_EQ(form->ComboBox1->count(), 0);

    // Buttons with an empty list and drop-down do nothing.
    form->ChangeButtonClick();
    form->InsertButtonClick();
    form->DeleteButtonClick();
    EXPECT_EQ(form->ListBox1->count(), 0);

    Open(WriteDefaultRom());
    EXPECT_EQ(prompter.messages.size(), 1u) << "no replace question";
    EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount);
}

TEST_F(OpenCommand, RepairQuestionsAndADeclineLeaveTheListAsItWas) {
    Open(WriteDefaultRom("first.gba"));
    SyntheticRom rom = DefaultRom("BPRE");
    for (auto& name : rom.species) name = GameText("NEW");
    rom.table[2] = 0x0163;
    rom.table[900] = 0x2222;
    WriteRom(dir / "bad.gba", rom);

    prompter.messages.clear();
    Open(dir / "bad.gba", {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No});
    ASSERT_EQ(prompter.messages.size(), 3u);
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(prompter.messages[i].text, Text(CorruptedEntryText));
        EXPECT_EQ(prompter.messages[i].title, "Attention");
        EXPECT_EQ(prompter.messages[i].buttons, MessageButtons::YesNo);
    }
    // The choices are the new file's; the list and labels were not refreshed.
    EXPECT_EQ(form->ComboBox1->itemText(0), "NEW");
    EXPECT_EQ(form->ListBox1->item(0)->text(), QString::fromUtf8("Pokémon"));
    EXPECT_EQ(form->TotalLabel->text(), "Number Total: 1138");
}

TEST_F(OpenCommand, RepairWithYesShowsTheFiller) {
    SyntheticRom rom = DefaultRom("BPGE");
    rom.table[5] = 0x4FBC;
    WriteRom(dir / "bad.gba", rom);
    Open(dir / "bad.gba", {MessageAnswer::Yes});
    EXPECT_EQ(form->ListBox1->item(5)->text(), "SPECIES0");
    EXPECT_EQ(form->TotalLabel->text(), "Number Total: 1138");
}

TEST_F(OpenCommand, FrenchQuestionsInFrench) {
    form->Francais1->trigger();
    SyntheticRom rom = DefaultRom("BPEF");
    rom.table[0] = 0x0000;
    WriteRom(dir / "bad.gba", rom);
    Open(dir / "bad.gba", {MessageAnswer::Yes});
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(FromAnsi(prompter.messages[0].text).left(10), QString::fromUtf8("Une entrée"));
}

}  // namespace
