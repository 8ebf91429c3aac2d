#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "eggmoves/fullness.h"
#include "rom/save_causes.h"
#include "tests/support/openers.h"
#include "tests/ui/form_fixture.h"
#include "ui/ansi.h"
#include "ui/paths.h"

namespace {

using A = MessageAnswer;
using B = MessageButtons;

std::uint16_t EntryOnDisk(const std::filesystem::path& path, int row) {
    return ReadRom(path.string()).list.EggMoveTable.at(static_cast<std::size_t>(row));
}

// Each way a save meets its file: the question when another program wrote into
// the table since (each answer), and a file gone (a failing write is in the boxes);
// what the file then holds at row 1 (mine, theirs or the original) and at row 2.
TEST_F(FormTest, EachSaveCaseWithItsMessageAndTheFileAfter) {
    enum class Row1 { Mine, Original, Gone };
    struct Case {
        const char* what;
        int language;
        std::function<void(const std::filesystem::path&)> meanwhile;
        std::optional<A> answer;  // to the changed-on-disk question
        SaveCause cause;          // None: saved
        Row1 row1;
        bool theirsKept, modified;
    };
    const auto theirs = [](const std::filesystem::path& path) { WriteEntry(path, 2, 0x0007); };
    const Case cases[] = {
        {"changed, Overwrite", 0, theirs, A::Overwrite, SaveCause::None, Row1::Mine, false, false},
        {"changed, Reload", 1, theirs, A::Reload, SaveCause::None, Row1::Original, true, false},
        {"changed, Cancel", 0, theirs, A::Cancel, SaveCause::None, Row1::Original, true, true},
        {"gone", 1, [](const auto& path) { std::filesystem::remove(path); }, std::nullopt,
         SaveCause::FileGone, Row1::Gone, false, true},
    };
    for (const Case& c : cases) {
        const auto path = WriteRom(Growable());
        const std::uint16_t original = EntryOnDisk(path, 1);
        NewWindow(c.language);
        Open(path);
        Edit();
        const std::uint16_t mine = form->LoadedRom.list.EggMoveTable[1];
        c.meanwhile(path);
        prompter.messages.clear();
        if (c.answer) prompter.answers = {*c.answer};
        form->Save1->trigger();
        EXPECT_TRUE(prompter.answers.empty()) << c.what;
        std::vector<ShownMessage> expected;
        if (c.answer)
            expected.push_back(
                {ToAnsi(QString::fromStdString(
                     SaveCauseWords(SaveCause::ChangedOnDisk, "rom.gba").In(c.language))),
                 WarningCaption.text[c.language], B::OverwriteReloadCancel});
        if (c.cause != SaveCause::None)
            expected.push_back(
                {ToAnsi(QString::fromStdString(SaveCauseWords(c.cause, "rom.gba").In(c.language))),
                 AttentionCaption.text[c.language], B::Ok});
        else if (c.answer == A::Overwrite)
            expected.push_back(
                {SavedText.text[c.language], AttentionCaption.text[c.language], B::Ok});
        EXPECT_EQ(prompter.messages, expected) << c.what;
        EXPECT_EQ(form->isWindowModified(), c.modified) << c.what;
        if (c.row1 == Row1::Gone) {
            EXPECT_FALSE(std::filesystem::exists(path)) << c.what;
            continue;
        }
        EXPECT_EQ(EntryOnDisk(path, 1), c.row1 == Row1::Mine ? mine : original) << c.what;
        EXPECT_EQ(EntryOnDisk(path, 2) == 0x0007, c.theirsKept) << c.what;
        if (c.answer == A::Reload) {
            EXPECT_EQ(form->LoadedRom.list.EggMoveTable[2], 0x0007) << "reloaded from the disk";
        }
    }
}

// Insert on a full table asks first: Enlarge Table... (then the dialog), Insert
// Anyway or Cancel; where the table cannot grow, only the last two.
TEST_F(FormTest, InsertOnAFullTableForEachAnswer) {
    struct Case {
        bool growable;
        A answer;
        std::optional<int> count;  // the Enlarge dialog's answer
        int rows;                  // in the list afterwards
        const char* undo;          // the Undo item afterwards, then once undone
        const char* undoAgain;
    };
    const Case cases[] = {
        {true, A::Enlarge, 3, 1141, "&Undo Insert", "&Undo Enlarge"},
        {true, A::Enlarge, std::nullopt, 1138, "&Undo", "&Undo"},
        {true, A::Insert, {}, 1138, "&Undo Insert", "&Undo"},
        {true, A::Cancel, {}, 1138, "&Undo", "&Undo"},
        {false, A::Insert, {}, 1138, "&Undo Insert", "&Undo"},
    };
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.growable) + " " + std::to_string(int(c.answer));
        NewWindow();
        form->show();
        Open(WriteRom(c.growable ? Growable() : DefaultRom()));
        const EggMoveEntries before = form->LoadedRom.list.EggMoveTable;
        const std::string full =
            FullTableWords(form->LoadedRom.list, form->LoadedRom.names).english;
        prompter.messages.clear();
        prompter.answers = {c.answer};
        if (c.answer == A::Enlarge) prompter.counts = {c.count};
        form->ListBox1->setCurrentRow(3);
        form->ComboBox1->setCurrentIndex(9);
        form->InsertButtonClick();
        ASSERT_FALSE(prompter.messages.empty()) << what;
        EXPECT_EQ(
            prompter.messages[0],
            (ShownMessage{full, "Warning", c.growable ? B::EnlargeInsertCancel : B::InsertCancel}))
            << what;
        const EggMoveEntries& table = form->LoadedRom.list.EggMoveTable;
        EXPECT_EQ(form->ListBox1->count(), c.rows) << what;
        const bool inserted = std::string(c.undo) == "&Undo Insert";
        EXPECT_EQ(table[4], inserted ? before[3] : before[4]) << what;
        // Insert Anyway drops the last entry; the room made keeps it. The entry
        // inserted and the one selected after it are in view.
        if (inserted) {
            const QRect view = form->ListBox1->viewport()->rect();
            for (const int row : {3, 4})
                EXPECT_TRUE(
                    view.contains(form->ListBox1->visualItemRect(form->ListBox1->item(row))))
                    << what << " row " << row;
            EXPECT_EQ(table[EggMoveEntryCount - 1 + (c.rows > EggMoveEntryCount)],
                      before[EggMoveEntryCount - 2 + (c.rows > EggMoveEntryCount)])
                << what;
        }
        EXPECT_EQ(form->Undo1->text(), c.undo) << what;
        form->Undo1->trigger();
        EXPECT_EQ(form->Undo1->text(), c.undoAgain) << what;
    }
    // An end mark last: no question.
    prompter.messages.clear();
    form->ListBox1->setCurrentRow(EggMoveEntryCount - 1);
    form->DeleteButtonClick();
    form->ListBox1->setCurrentRow(3);
    form->InsertButtonClick();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(form->Undo1->text(), "&Undo Insert");
}

}  // namespace

// Save As proposes a copy beside the ROM, never the ROM itself; a ROM that
// cannot be written (the seam refuses, as root writes anyway) says so in its
// title, and its Save says why it opens Save As, in the language in force.
TEST_F(FormTest, SaveAsProposesACopyAndAReadOnlyRomSaysWhy) {
    const struct {
        bool readOnly;
        int language;
        const char* why;  // the box before the dialog
    } cases[] = {
        {false, 0, nullptr},
        {true, 0, "rom.gba is read-only: choose a name for a copy that keeps the edits."},
        {true, 1,
         "rom.gba est en lecture seule : choisissez le nom d'une copie qui garde les "
         "modifications."},
    };
    for (const auto& [readOnly, language, why] : cases) {
        const auto path = WriteRom(DefaultRom());
        std::filesystem::remove(dir / "rom-copy.gba");
        NewWindow(language);
        {
            std::optional<ScopedOpener> refuse;
            if (readOnly) refuse.emplace(RefusingOpener);
            Open(path);
        }
        const char* mark = language ? " [lecture seule]" : " [read-only]";
        EXPECT_EQ(form->windowTitle(),
                  QString("rom.gba%1[*] \u2014 Quenmark").arg(readOnly ? mark : ""));
        prompter.messages.clear();
        prompter.files = {std::nullopt, (dir / "rom-copy.gba").c_str()};
        for (int i = 0; i < 2; ++i) (readOnly ? form->Save1 : form->SaveAs1)->trigger();
        const FileDialog& shown = prompter.dialogs.back();
        EXPECT_EQ(shown.fileName.toStdString(), (dir / "rom-copy.gba").string());
        EXPECT_EQ(shown.filters, QStringList{"Gameboy Advance Roms (*.gba)"});
        std::vector<std::string> texts;
        for (const ShownMessage& message : prompter.messages) texts.push_back(message.text);
        const std::vector<std::string> expected =
            why ? std::vector<std::string>{why, why, SavedText.text[language]}
                : std::vector<std::string>{SavedText.text[0]};
        EXPECT_EQ(texts, expected) << "cancelled, then written";
        EXPECT_TRUE(std::filesystem::exists(dir / "rom-copy.gba"));
        EXPECT_EQ(form->windowTitle(), QString("rom-copy.gba[*] \u2014 Quenmark"));
    }
}

// The name Save As proposes: "-copy" before the last extension, or with ".gba".
TEST(CopyName, BeforeTheExtensionOrWithGba) {
    const std::pair<const char*, const char*> cases[] = {
        {"/a/rom.gba", "/a/rom-copy.gba"},
        {"/a.b/x.y.GBA", "/a.b/x.y-copy.GBA"},
        {"/a.b/name", "/a.b/name-copy.gba"},
    };
    for (const auto& [path, copy] : cases) EXPECT_EQ(CopyName(path), copy) << path;
}
