#include <QTest>
#include <fstream>
#include <sstream>

#include "formats/table_files.h"
#include "rom/save_causes.h"
#include "tests/ui/form_fixture.h"

namespace {

TEST_F(FormTest, ALoadAndEditsFillTheListTheChoicesAndTheLabels) {
    prompter.files.push_back(std::nullopt);
    form->Open1Click();
    EXPECT_FALSE(form->Save1->isEnabled()) << "a cancelled dialog changes nothing";
    const auto path = WriteRom(DefaultRom());
    Open(path);
    EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount);
    EXPECT_EQ(form->ComboBox1->count(), EntryChoiceCount);
    EXPECT_EQ(form->ComboBox1->itemText(412), "MOVE1");
    EXPECT_EQ(Seen(0, 1), QString::fromUtf8("Pokémon|    MOVE1|Number of Pokémon: 165|"
                                            "Number of Moves: 973|Number Total: 1138"));
    EXPECT_TRUE(form->Save1->isEnabled() && form->ListBox1->isEnabled());
    EXPECT_EQ(prompter.dialogs.back().filters,
              QStringList({"Gameboy Advance Roms (*.gba)", "All Files (*.*)"}));

    // Edits refill the list and the labels, and stay in memory.
    const Bytes original = ReadFileBytes(path);
    form->ListBox1->item(0)->setText("sentinel");
    form->ListBox1->clearSelection();
    form->InsertButtonClick();
    EXPECT_EQ(form->ListBox1->item(0)->text(), "sentinel") << "no row selected: nothing rebuilt";

    form->ListBox1->setCurrentRow(1);
    form->ComboBox1->setCurrentIndex(1);
    prompter.answers = {MessageAnswer::Insert};
    QTest::mouseClick(form->InsertButton, Qt::LeftButton);
    // Only the rows the edit moved are redrawn.
    EXPECT_EQ(Seen(0, 2), QString::fromUtf8("sentinel|Pokémon|    MOVE1|Number of Pokémon: 166|"
                                            "Number of Moves: 972|Number Total: 1138"));
    EXPECT_EQ(ReadFileBytes(path), original) << "edits stay in memory until saved";
}

// Enlarge adds end marks in memory, shown as empty lines and counted as nothing;
// the save then moves the table into free space. Delete brings in an end mark too.
TEST_F(FormTest, EnlargeThenSaveMovesTheTableIntoFreeSpace) {
    SyntheticRom image = Growable();
    const auto path = WriteRom(image);
    Open(path);
    ASSERT_TRUE(form->EnlargeTable1->isEnabled());
    prompter.counts = {std::nullopt, 5};
    form->EnlargeTable1->trigger();
    EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount) << "cancelled";
    form->EnlargeTable1->trigger();
    const CountQuestion& asked = prompter.countQuestions.back();
    EXPECT_EQ(std::tuple(asked.title, asked.most, asked.value),
              std::tuple(std::string("Enlarge Table"), 852, 100));
    form->ListBox1->setCurrentRow(0);
    form->DeleteButtonClick();
    EXPECT_EQ(Seen(1141, 1142),
              "||Number of Pok\u00e9mon: 164|Number of Moves: 973|Number Total: 1137");
    EXPECT_EQ(form->FreeLabel->text(), "Free: 6");
    prompter.answers = {MessageAnswer::Yes};  // moves before the first species, saved anyway
    form->Save1Click();
    EXPECT_EQ(prompter.messages.back().text,
              "The file was successfully saved! The egg move list now holds 1143 entries, at "
              "offset 0x25FEA0.");
    const Rom saved = ReadRom(path.string());
    EXPECT_EQ(saved.list.EggMoveTable.size(), 1143u);
    EXPECT_EQ(saved.list.EggMoveTable[0], DefaultRom().table[1]);
    EXPECT_EQ(saved.list.EggMoveTable[1137], EndMarkEntry);
    // Undo past the grown save, Save, Redo, Save: every state is written, a shorter
    // table with end marks after it.
    for (QAction* step : {form->Undo1, form->Redo1}) {
        const bool undo = step == form->Undo1;
        prompter.answers = {undo ? 0u : 1u, MessageAnswer::Yes};  // the move before any species
        step->trigger();
        step->trigger();
        form->Save1Click();
        EXPECT_EQ(prompter.messages.back().text, "The file was successfully saved!");
        const EggMoveEntries now = ReadRom(path.string()).list.EggMoveTable;
        const EggMoveEntries& shown = form->LoadedRom.list.EggMoveTable;
        EXPECT_TRUE(std::equal(shown.begin(), shown.end(), now.begin()));
        EXPECT_EQ(std::count(now.begin() + 1137, now.end(), EndMarkEntry), undo ? 5 : 6);
        EXPECT_EQ(shown.size(), undo ? 1138u : 1143u);
        EXPECT_TRUE(prompter.answers.empty());
    }

    // What cannot grow says why and changes nothing.
    for (const std::uint64_t pad : {std::uint64_t{0}, image.padFrom}) {
        // Without the game's routine the table cannot move.
        image.routines =
            pad ? std::vector<std::int64_t>{} : std::vector{SyntheticRom::KnownRoutine};
        image.padFrom = pad;
        Open(WriteRom(image));
        form->EnlargeTable1->trigger();
        EXPECT_EQ(
            prompter.messages.back().text,
            SaveCauseWords(pad ? SaveCause::CannotMove : SaveCause::NoRoom, "rom.gba").english);
        EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount);
    }
}

TEST_F(FormTest, ExportProposesTheLastNameAndCancelTouchesNothing) {
    Open(WriteRom(DefaultRom()));
    const auto text = dir / "list.txt";
    prompter.files = {QString::fromStdString((dir / "none" / "list.txt").string()),
                      QString::fromStdString(text.string()), std::nullopt};
    form->ExportButton->click();  // into a folder that is not there: a box
    form->ExportButton->click();
    const Bytes written = ReadFileBytes(text);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), EggMoveEntryCount);
    std::ofstream(text) << "kept";
    form->ExportButtonClick();
    EXPECT_EQ(ReadFileBytes(text), (Bytes{'k', 'e', 'p', 't'}));
    const FileDialog& first = prompter.dialogs[1];
    EXPECT_FALSE(std::filesystem::exists(dir / "none"));
    EXPECT_EQ(first.fileName, "EggMoves.txt");
    EXPECT_EQ(first.filters, (QStringList{"Text Documents (*.txt)", "Decompilation source (*.h)"}));
    EXPECT_EQ(first.mode, FileDialog::Mode::Save);
    EXPECT_EQ(prompter.dialogs[3].fileName.toStdString(), text.string());
    ASSERT_EQ(prompter.messages.size(), 1u) << "only the failed export speaks";
    EXPECT_EQ(prompter.messages[0].text,
              (dir / "none" / "list.txt").string() +
                  " could not be written: " + "No such file or directory. Nothing was changed.");
    // A .h name gets the decompilations' source, as the command line writes it; in
    // French the dialog offers it in French.
    const auto source = dir / "egg_moves.h";
    prompter.files = {QString::fromStdString(source.string())};
    form->SetLanguage(1);
    form->ExportButtonClick();
    std::ostringstream want;
    WriteTable(want, form->LoadedRom, TableFormat::C);
    const Bytes source_bytes = ReadFileBytes(source);
    EXPECT_EQ(std::string(source_bytes.begin(), source_bytes.end()), want.str());
    EXPECT_EQ(prompter.dialogs.back().filters[1], "Source de décompilation (*.h)");
}

}  // namespace
