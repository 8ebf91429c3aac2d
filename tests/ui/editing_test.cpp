#include <QTest>

#include "eggmoves/table.h"
#include "tests/support/openers.h"
#include "tests/ui/form_fixture.h"

namespace {

class Edits : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        path = WriteDefaultRom();
        Open(path);
        original = ReadFileBytes(path);
    }
    std::filesystem::path path;
    Bytes original;
};

TEST_F(Edits, ButtonsActOnTheSelectedRowAndRefill) {
    const QString row1 = form->ListBox1->item(1)->text();
    Select(1);
    form->ComboBox1->setCurrentIndex(1);
    QTest::mouseClick(form->InsertButton, Qt::LeftButton);
    EXPECT_EQ(form->ListBox1->item(1)->text(), QString::fromUtf8("Pokémon"));
    EXPECT_EQ(form->ListBox1->item(2)->text(), row1);
    EXPECT_EQ(form->SelectedRow(), -1);
    EXPECT_EQ(form->PokemonLabel->text(), QString::fromUtf8("Number of Pokémon: 166"));
    EXPECT_EQ(form->TotalLabel->text(), "Number Total: 1138");
    EXPECT_EQ(form->ComboBox1->currentIndex(), 1) << "the drop-down keeps its pick";

    EXPECT_EQ(ReadFileBytes(path), original) << "edits stay in memory until saved";
}

TEST_F(Edits, NoSelectedRowDoesNothingAtAll) {
    form->ListBox1->item(0)->setText("sentinel");
    form->ChangeButtonClick();
    form->InsertButtonClick();
    form->DeleteButtonClick();
    EXPECT_EQ(form->ListBox1->item(0)->text(), "sentinel") << "the list was not rebuilt";
}

TEST_F(Edits, SaveTellsTheOutcomeAndKeepsTheSelection) {
    Select(7);
    form->ChangeButtonClick();  // choice 0: species 0, bytes 20 4E
    Select(9);
    form->Save1->trigger();
    const auto at = TableOffset("BPRE") + 2 * 7;
    EXPECT_EQ(ReadFileBytes(path)[at + 1], 0x4E);
    {
        ScopedOpener refuse(RefusingOpener);
        form->Save1->trigger();
    }
    std::filesystem::remove(path);
    form->Save1->trigger();
    EXPECT_FALSE(std::filesystem::exists(path)) << "a save never creates the file";

    SyntheticRom rom = DefaultRom("BPRE");
    rom.table[50] = 0x0000;
    WriteRom(dir / "bad.gba", rom);
    Open(dir / "bad.gba", {MessageAnswer::Yes, MessageAnswer::No});
    form->Francais1->trigger();
    form->Save1->trigger();

    const std::string expected[] = {SavedText.text[0],          SaveFailedText.text[0],
                                    SaveFailedText.text[0],     FileAlreadyOpenText.text[0],
                                    CorruptedEntryText.text[0], NothingToSaveText.text[1]};
    ASSERT_EQ(prompter.messages.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(prompter.messages[i].text, expected[i]) << i;
        EXPECT_EQ(prompter.messages[i].title, i == 3 ? "Warning" : "Attention") << i;
    }
    EXPECT_EQ(prompter.messages[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(form->SelectedRow(), 9) << "a save leaves the list as it was";
}

TEST_F(Edits, ExportProposesTheLastNameAndCancelTouchesNothing) {
    const auto text = dir / "list.txt";
    prompter.files.push_back(QString::fromStdString(text.string()));
    form->ExportButton->click();
    ASSERT_EQ(prompter.dialogs.size(), 2u);
    EXPECT_EQ(prompter.dialogs[1].fileName, "EggMoves.txt");
    EXPECT_EQ(prompter.dialogs[1].filters, QStringList{"Text Documents (*.txt)"});
    EXPECT_EQ(prompter.dialogs[1].mode, FileDialog::Mode::Save);
    ASSERT_TRUE(std::filesystem::exists(text));

    WriteFileBytes(text, Bytes{'k', 'e', 'e', 'p'});
    prompter.files.push_back(std::nullopt);
    form->ExportButtonClick();
    EXPECT_EQ(prompter.dialogs.back().fileName.toStdString(), text.string());
    EXPECT_EQ(ReadFileBytes(text), (Bytes{'k', 'e', 'e', 'p'}));
    EXPECT_TRUE(prompter.messages.empty()) << "the export shows no message";
}

}  // namespace
