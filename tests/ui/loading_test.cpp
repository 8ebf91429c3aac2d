#include "tests/ui/form_fixture.h"
#include "ui/ansi.h"

namespace {

using OpenCommand = FormTest;

TEST_F(OpenCommand, CleanLoadFillsListChoicesAndLabels) {
    prompter.files.push_back(std::nullopt);
    form->Open1Click();
    EXPECT_FALSE(form->Save1->isEnabled()) << "a cancelled dialog changes nothing";

    Open(WriteDefaultRom());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount);
    EXPECT_EQ(form->SelectedRow(), -1);
    EXPECT_EQ(form->ComboBox1->count(), EntryChoiceCount);
    EXPECT_EQ(form->ComboBox1->currentText(), "SPECIES0");
    EXPECT_EQ(form->ComboBox1->itemText(412), "MOVE1");
    EXPECT_EQ(form->ListBox1->item(0)->text(), QString::fromUtf8("Pokémon"));
    EXPECT_TRUE(form->ListBox1->item(1)->text().startsWith("    MOVE"));
    EXPECT_EQ(form->PokemonLabel->text(), QString::fromUtf8("Number of Pokémon: 165"));
    EXPECT_EQ(form->MovesLabel->text(), "Number of Moves: 973");
    EXPECT_EQ(form->TotalLabel->text(), "Number Total: 1138");
    EXPECT_TRUE(form->Save1->isEnabled() && form->ListBox1->isEnabled());
    EXPECT_EQ(prompter.dialogs.back().filters,
              QStringList({"Gameboy Advance Roms (*.gba)", "All Files (*.*)"}));
}

TEST_F(OpenCommand, ReplaceQuestionComesFirstAndNoOrCancelKeepsEverything) {
    const auto first = WriteDefaultRom("first.gba");
    Open(first);
    SyntheticRom other = DefaultRom("AXVE");
    other.species[1] = GameText("OTHER");
    WriteRom(dir / "other.gba", other);

    prompter.answers = {MessageAnswer::No};
    form->Open1Click();
    EXPECT_EQ(prompter.dialogs.size(), 1u) << "No: no dialog";
    prompter.answers = {MessageAnswer::Yes};
    prompter.files.push_back(std::nullopt);
    form->Open1Click();
    EXPECT_EQ(prompter.dialogs.back().fileName.toStdString(), first.string());
    EXPECT_EQ(form->OpenDialog1.fileName.toStdString(), first.string());
    EXPECT_EQ(form->ListBox1->item(0)->text(), QString::fromUtf8("Pokémon"));

    Open(dir / "other.gba", {MessageAnswer::Yes});
    ASSERT_EQ(prompter.messages.size(), 3u);
    for (const ShownMessage& m : prompter.messages) {
        EXPECT_EQ(m.text, Text(FileAlreadyOpenText));
        EXPECT_EQ(m.title, "Warning");
        EXPECT_EQ(m.buttons, MessageButtons::YesNoDefaultNo);
    }
    EXPECT_EQ(form->ListBox1->item(0)->text(), "OTHER");
}

TEST_F(OpenCommand, FirstUnsupportedFileEnablesControlsThenLoadAsksNothing) {
    WriteFileBytes(dir / "junk.gba", Bytes(300, 0x42));
    Open(dir / "junk.gba");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Text(UnsupportedRomText));
    EXPECT_EQ(prompter.messages[0].title, "Attention");
    EXPECT_EQ(prompter.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(form->Save1->isEnabled() && form->ChangeButton->isEnabled());
    EXPECT_FALSE(form->FileOpen);

    // With an empty list and drop-down, the buttons do nothing.
    form->ChangeButtonClick();
    form->InsertButtonClick();
    form->DeleteButtonClick();
    EXPECT_EQ(form->ListBox1->count(), 0);

    Open(WriteDefaultRom());
    EXPECT_EQ(prompter.messages.size(), 1u) << "no replace question";
    EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount);
}

TEST_F(OpenCommand, RepairQuestionsInTheLanguageInForce) {
    Open(WriteDefaultRom("first.gba"));
    SyntheticRom rom = DefaultRom("BPRE");
    rom.species[1] = GameText("NEW");
    rom.table[2] = 0x0163;
    rom.table[900] = 0x2222;
    WriteRom(dir / "bad.gba", rom);

    form->Francais1->trigger();
    Open(dir / "bad.gba", {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No});
    ASSERT_EQ(prompter.messages.size(), 3u);
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(FromAnsi(prompter.messages[i].text).left(10), QString::fromUtf8("Une entrée"));
        EXPECT_EQ(prompter.messages[i].buttons, MessageButtons::YesNo);
    }
    // Declined: the choices are the new file's, the list and labels were not refreshed.
    EXPECT_EQ(form->ComboBox1->itemText(1), "NEW");
    EXPECT_EQ(form->ListBox1->item(0)->text(), QString::fromUtf8("Pokémon"));

    rom.table[900] = 0x0001;
    WriteRom(dir / "bad.gba", rom);
    Open(dir / "bad.gba", {MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_EQ(form->ListBox1->item(2)->text(), "    MOVE1") << "the filler is shown";
    EXPECT_EQ(form->TotalLabel->text(), "Nombre Total: 1138");
}

TEST_F(OpenCommand, AForeignTableIsAnnouncedThenShownAndNeverSaved) {
    SyntheticRom rom = DefaultRom("BPRE", 1);
    rom.words = GameWordsFor(0x700000);  // a table that is not in this file
    rom.table[4] = 0x0000;
    WriteRom(dir / "hack.gba", rom);
    const Bytes before = ReadFileBytes(dir / "hack.gba");
    form->Francais1->trigger();
    Open(dir / "hack.gba", {MessageAnswer::Yes});
    form->Save1->trigger();
    ASSERT_EQ(prompter.messages.size(), 3u);
    const ShownMessage& warning = prompter.messages[0];
    EXPECT_EQ(warning.text, ForeignTableText.text[1]);
    EXPECT_EQ(warning.title, "Alerte");
    EXPECT_EQ(warning.buttons, MessageButtons::Ok);
    EXPECT_EQ(prompter.messages[1].text, CorruptedEntryText.text[1]);
    EXPECT_EQ(prompter.messages[2].text, ReadOnlySaveText.text[1]);
    EXPECT_EQ(prompter.messages[2].title, "Attention");
    EXPECT_EQ(form->ListBox1->item(4)->text(), "    MOVE1") << "repaired in memory";
    EXPECT_EQ(ReadFileBytes(dir / "hack.gba"), before);
}

}  // namespace
