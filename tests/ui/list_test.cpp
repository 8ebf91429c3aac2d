#include <QTest>

#include "tests/ui/form_fixture.h"

namespace {

using List = FormTest;
using A = MessageAnswer;

TEST_F(List, ALoadFillsTheListTheChoicesAndTheLabels) {
    prompter.files.push_back(std::nullopt);
    form->Open1Click();
    EXPECT_FALSE(form->Save1->isEnabled()) << "a cancelled dialog changes nothing";
    Open(WriteRom(DefaultRom()));
    EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount);
    EXPECT_EQ(form->SelectedRow(), -1);
    EXPECT_EQ(form->ComboBox1->count(), EntryChoiceCount);
    EXPECT_EQ(form->ComboBox1->currentText(), "SPECIES0");
    EXPECT_EQ(form->ComboBox1->itemText(412), "MOVE1");
    EXPECT_EQ(form->ListBox1->item(0)->text(), QString::fromUtf8("Pokémon"));
    EXPECT_EQ(form->ListBox1->item(1)->text(), "    MOVE1");
    EXPECT_EQ(form->PokemonLabel->text(), QString::fromUtf8("Number of Pokémon: 165"));
    EXPECT_EQ(form->MovesLabel->text(), "Number of Moves: 973");
    EXPECT_EQ(form->TotalLabel->text(), "Number Total: 1138");
    EXPECT_TRUE(form->Save1->isEnabled() && form->ListBox1->isEnabled());
    EXPECT_EQ(prompter.dialogs.back().filters,
              QStringList({"Gameboy Advance Roms (*.gba)", "All Files (*.*)"}));
}

TEST_F(List, EditsRefillTheListAndTheLabelsAndStayInMemory) {
    const auto path = WriteRom(DefaultRom());
    Open(path);
    const Bytes original = ReadFileBytes(path);
    form->ListBox1->item(0)->setText("sentinel");
    form->InsertButtonClick();
    EXPECT_EQ(form->ListBox1->item(0)->text(), "sentinel") << "no row selected: nothing rebuilt";

    Select(1);
    form->ComboBox1->setCurrentIndex(1);
    QTest::mouseClick(form->InsertButton, Qt::LeftButton);
    EXPECT_EQ(form->ListBox1->item(0)->text(), QString::fromUtf8("Pokémon"));
    EXPECT_EQ(form->ListBox1->item(1)->text(), QString::fromUtf8("Pokémon"));
    EXPECT_EQ(form->ListBox1->item(2)->text(), "    MOVE1");
    EXPECT_EQ(form->SelectedRow(), -1);
    EXPECT_EQ(form->PokemonLabel->text(), QString::fromUtf8("Number of Pokémon: 166"));
    EXPECT_EQ(form->TotalLabel->text(), "Number Total: 1138");
    EXPECT_EQ(form->ComboBox1->currentIndex(), 1) << "the drop-down keeps its pick";
    EXPECT_EQ(ReadFileBytes(path), original) << "edits stay in memory until saved";
}

TEST_F(List, ADeclinedLoadShowsNewChoicesOverTheOldListAndARepairItsFiller) {
    Open(WriteRom(DefaultRom()));
    SyntheticRom rom = DefaultRom();
    rom.table[2] = 0x0000;
    rom.species[2] = GameText("NEW");
    const auto bad = WriteRom(rom, "bad.gba");
    Open(bad, {A::Yes, A::No});
    EXPECT_EQ(form->ComboBox1->itemText(2), "NEW");
    EXPECT_EQ(form->ListBox1->item(2)->text(), "    MOVE32") << "the list is the old ROM's";

    form->Francais1->trigger();
    Open(bad, {A::Yes, A::Yes});
    EXPECT_EQ(form->ListBox1->item(2)->text(), "    MOVE1") << "the filler is shown";
    EXPECT_EQ(form->TotalLabel->text(), "Nombre Total: 1138");
}

TEST_F(List, AFirstFileOfNoReleaseEnablesTheControlsWithNothingToEdit) {
    WriteFileBytes(dir / "junk.gba", Bytes(300, 0x42));
    Open(dir / "junk.gba");
    EXPECT_TRUE(form->Save1->isEnabled() && form->ChangeButton->isEnabled());
    EXPECT_FALSE(form->FileOpen);
    form->ChangeButtonClick();
    form->DeleteButtonClick();
    EXPECT_EQ(form->ListBox1->count(), 0);
    Open(WriteRom(DefaultRom()));  // and no replace question
    EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount);
}

TEST_F(List, ExportProposesTheLastNameAndCancelTouchesNothing) {
    Open(WriteRom(DefaultRom()));
    const auto text = dir / "list.txt";
    prompter.files.push_back(QString::fromStdString(text.string()));
    form->ExportButton->click();
    EXPECT_EQ(prompter.dialogs[1].fileName, "EggMoves.txt");
    EXPECT_EQ(prompter.dialogs[1].filters, QStringList{"Text Documents (*.txt)"});
    EXPECT_EQ(prompter.dialogs[1].mode, FileDialog::Mode::Save);
    const Bytes written = ReadFileBytes(text);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), EggMoveEntryCount);

    WriteFileBytes(text, Bytes{'k', 'e', 'e', 'p'});
    prompter.files.push_back(std::nullopt);
    form->ExportButtonClick();
    EXPECT_EQ(prompter.dialogs.back().fileName.toStdString(), text.string());
    EXPECT_EQ(ReadFileBytes(text), (Bytes{'k', 'e', 'e', 'p'}));
    EXPECT_TRUE(prompter.messages.empty()) << "the export shows no message";
}

}  // namespace
