#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUndoStack>
#include <fstream>

#include "tests/support/openers.h"
#include "tests/ui/form_fixture.h"
#include "ui/recent_files.h"

namespace {

using A = MessageAnswer;

// Each answer to the question on closing with unsaved edits, and a Save that fails.
TEST_F(FormTest, TheSaveQuestionOnCloseForEachAnswer) {
    struct Case {
        A answer;
        bool failingSave, closes, written;
    };
    const Case cases[] = {{A::Save, false, true, true},
                          {A::Save, true, false, false},
                          {A::Discard, false, true, false},
                          {A::Cancel, false, false, false}};
    for (const auto& [answer, failingSave, closes, written] : cases) {
        const auto path = WriteRom(DefaultRom());
        const Bytes before = ReadFileBytes(path);
        NewWindow();
        Open(path);
        EXPECT_TRUE(form->close()) << "nothing unsaved: no question";
        Edit();
        EXPECT_TRUE(form->isWindowModified());
        prompter.messages.clear();
        prompter.answers = {answer};
        {
            std::optional<ScopedOpener> refuse;
            if (failingSave) refuse.emplace(RefusingOpener);
            EXPECT_EQ(form->close(), closes);
        }
        EXPECT_EQ(prompter.messages.front(),
                  (ShownMessage{"Save the changes to rom.gba?", "Warning",
                                MessageButtons::SaveDiscardCancel}));
        EXPECT_EQ(ReadFileBytes(path) != before, written);
        EXPECT_EQ(form->isWindowModified(), !written);
    }
}

// Every kind of edit is one step: undone to the start and redone to the end, with
// the list, the counters, the items' texts and the modified mark.
TEST_F(FormTest, UndoAndRedoEveryKindOfEdit) {
    Open(WriteRom(Growable()));
    const QString list = QString::fromStdString((dir / "list.txt").string());
    const auto state = [&] { return Seen(0, form->ListBox1->count() - 1); };
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"Change", [&] { Edit(); }},
        {"Insert",
         [&] {
             form->ListBox1->setCurrentRow(2);
             prompter.answers = {A::Insert};  // full: the last entry goes
             form->InsertButtonClick();
         }},
        {"Delete",
         [&] {
             form->ListBox1->setCurrentRow(3);
             form->DeleteButtonClick();
         }},
        {"Enlarge",
         [&] {
             prompter.counts = {5};
             form->EnlargeTable1->trigger();
         }},
        {"Import",
         [&] {
             prompter.files = {list};
             form->Import1->trigger();  // the list as loaded: fewer lines, end marks after
         }},
    };
    prompter.files = {list};
    form->ExportButtonClick();
    std::vector<QString> states{state()};
    for (const auto& [name, edit] : steps) {
        edit();
        EXPECT_EQ(form->Undo1->text(), QString("&Undo ") + name);
        EXPECT_TRUE(form->isWindowModified());
        states.push_back(state());
    }
    EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount + 5);
    for (int i = std::size(steps) - 1; i >= 0; --i) {
        form->Undo1->trigger();
        EXPECT_EQ(state(), states[i]) << steps[i].first;
        EXPECT_EQ(form->Redo1->text(), QString("&Redo ") + steps[i].first);
        EXPECT_EQ(form->isWindowModified(), i > 0);
    }
    EXPECT_FALSE(form->Undo1->isEnabled());
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        form->Redo1->trigger();
        EXPECT_EQ(state(), states[i + 1]) << steps[i].first;
    }
    EXPECT_FALSE(form->Redo1->isEnabled());
    form->Save1Click();
    EXPECT_FALSE(form->isWindowModified()) << "saved";
    form->Undo1->trigger();
    EXPECT_TRUE(form->isWindowModified());
    form->Francais1->trigger();
    EXPECT_EQ(form->Undo1->text(), "&Annuler Agrandir");
    EXPECT_EQ(form->Redo1->text(), "&R\u00e9tablir Importer");
    prompter.answers = {A::Discard};
    Open(dir / "rom.gba", {A::Discard});
    EXPECT_FALSE(form->Undo1->isEnabled() || form->isWindowModified()) << "a load clears";
}

// Find ignores case and accents, goes both ways around the ends, and says when
// nothing matches.
TEST_F(FormTest, FindOverAccentedNames) {
    Open(WriteRom(DefaultRom()));
    form->show();
    form->Find1->trigger();
    ASSERT_TRUE(form->FindEdit->isVisible());
    QTest::keyClicks(form->FindEdit, "POKEM");
    int first = form->SelectedRow();
    EXPECT_EQ(form->ListBox1->item(first)->text(), QString::fromUtf8("Pokémon"));
    form->FindEdit->clear();
    QTest::keyClicks(form->FindEdit, "move1");
    EXPECT_EQ(form->SelectedRow(), first + 1);
    QTest::keyClick(form->FindEdit, Qt::Key_Return);
    first = first + 1;
    const int second = form->SelectedRow();
    EXPECT_GT(second, first);
    QTest::keyClick(form->FindEdit, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(form->SelectedRow(), first);
    QTest::keyClick(form->FindEdit, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_GT(form->SelectedRow(), second) << "around the start to the last match";
    EXPECT_TRUE(form->FindEdit->styleSheet().isEmpty());
    const int last = form->SelectedRow();
    QTest::keyClicks(form->FindEdit, "zz");
    EXPECT_EQ(form->SelectedRow(), last);
    EXPECT_FALSE(form->FindEdit->styleSheet().isEmpty()) << "no match shows";
    QTest::keyClick(form->FindEdit, Qt::Key_Escape);
    EXPECT_FALSE(form->FindEdit->isVisible());
}

// An import: refused with its line and reason (in each language); the
// table as it is (no step); one row changed (a box with the change in its
// details); more lines than the table (asked whether to grow: No, then Yes).
TEST_F(FormTest, ImportsForEachOutcome) {
    Open(WriteRom(Growable()));
    const auto list = dir / "list.txt";
    prompter.files = {QString::fromStdString(list.string())};
    form->ExportButtonClick();
    std::string exported;
    std::getline(std::ifstream(list), exported, '\0');
    std::ofstream(dir / "bad.csv") << "row,value\n0,nonsense\n";
    struct Case {
        const char* what;
        std::string file, text;
        std::deque<A> answers;
        std::string shown;  // the start of the last box
        const char* undo;
        int rows;
    };
    const std::string changed = "SPECIES3\n" + exported.substr(exported.find('\n') + 1);
    const std::string more = exported + "SPECIES4\n    MOVE2\n";
    const Case cases[] = {
        {"refused", "bad.csv", {}, {}, "Line 2: ", "&Undo", 1138},
        {"as it is", "same.txt", exported, {}, "Nothing changed: the file", "&Undo", 1138},
        {"one row", "one.txt", changed, {}, "1 row changed.\n\n0: ", "&Undo Import", 1138},
        {"longer, No", "long.txt", more, {A::No}, "The file describes 1140", "&Undo Import", 1138},
        {"longer, Yes", "long.txt", more, {A::Yes}, "3 rows changed.", "&Undo Import", 1140},
    };
    for (const Case& c : cases) {
        if (!c.text.empty()) std::ofstream(dir / c.file) << c.text;
        prompter.files = {QString::fromStdString((dir / c.file).string())};
        prompter.answers = c.answers;
        form->Import1->trigger();
        EXPECT_TRUE(prompter.answers.empty()) << c.what;
        EXPECT_EQ(prompter.messages.back().title, Text(AttentionCaption)) << c.what;
        EXPECT_TRUE(prompter.messages.back().text.starts_with(c.shown))
            << c.what << ": " << prompter.messages.back().text;
        EXPECT_EQ(form->Undo1->text().toStdString(), c.undo) << c.what;
        EXPECT_EQ(form->ListBox1->count(), c.rows) << c.what;
    }
    EXPECT_TRUE(prompter.messages.back().text.find(
                    "\n1139: SPECIES165: (end mark) -> MOVE2 (0xFFFF -> 0x0002)") !=
                std::string::npos)
        << prompter.messages.back().text;
    form->Francais1->trigger();
    prompter.files = {QString::fromStdString((dir / "bad.csv").string())};
    form->Import1->trigger();
    EXPECT_TRUE(prompter.messages.back().text.starts_with("Ligne 2 : ")) << "in French";
    form->Undo1->trigger();
    EXPECT_EQ(form->Undo1->text(), "&Annuler Agrandir") << "the growth is a step of its own";
}

// The recent files, most recent first, and the language, kept between windows;
// a file gone is dropped from the list with a box.
TEST_F(FormTest, RecentFilesAndTheLanguageAreKept) {
    const auto a = WriteRom(DefaultRom(), "a.gba");
    Open(a);
    Open(WriteRom(DefaultRom(), "b&c.gba"));
    EXPECT_EQ(form->StatusPath->text(), QString::fromStdString((dir / "b&c.gba").string()));
    form->Francais1->trigger();
    form->show();
    form->resize(700, 500);
    form->close();
    form = std::make_unique<TForm1>(prompter);
    EXPECT_TRUE(LanguageIndex == 1 && form->Francais1->isChecked());
    EXPECT_EQ(form->size(), QSize(700, 500)) << "the size it had when closed";
    emit form->File1->aboutToShow();
    QList<QAction*> items = form->OpenRecent1->actions();
    ASSERT_EQ(items.size(), 2);
    const QString folder = QString::fromStdString(a.parent_path().string());
    EXPECT_EQ(items[0]->text(), QString::fromUtf8("&1 b&&c.gba — ") + folder);
    EXPECT_EQ(items[1]->text(), QString::fromUtf8("&2 a.gba — ") + folder);
    EXPECT_EQ(items[1]->toolTip(), QString::fromStdString(a.string()));
    EXPECT_EQ(items[1]->statusTip(), items[1]->toolTip());
    EXPECT_TRUE(form->OpenRecent1->toolTipsVisible()) << "the full path shows as the tooltip";
    EXPECT_EQ(form->StatusPath->text(), "") << "a new window has opened nothing yet";
    // A long folder gives way in its middle; the name stays whole.
    EXPECT_EQ(RecentItemText(2, "/" + QString(20, 'a') + "/" + QString(30, 'b') + "/x&y.gba"),
              QString::fromUtf8("&3 x&&y.gba — /aaaaaaaaaaaaaaaaaa…bbbbbbbbbbbbbbbbbbbb"));
    std::filesystem::remove(a);
    items[1]->trigger();
    EXPECT_EQ(prompter.messages.back().text, "Le fichier n'existe plus : " + a.string());
    EXPECT_EQ(form->OpenRecent1->actions().size(), 1);
    for (int i = 0; i < 9; ++i) AddRecentFile(QString("/r%1.gba").arg(i));
    EXPECT_EQ(RecentFiles().size(), 8) << "the last 8";
}

// A drop of one local file opens it; two files, or one that is not local, are
// refused as the drag comes in and are no command.
TEST_F(FormTest, ADropOpensOneLocalFileAlone) {
    const QUrl rom = QUrl::fromLocalFile(QString::fromStdString(WriteRom(DefaultRom()).string()));
    const struct {
        QList<QUrl> urls;
        int rows;
    } cases[] = {
        {{rom, rom}, 0},
        {{QUrl("https://example.org/rom.gba")}, 0},
        {{rom}, 1138},
    };
    for (const auto& [urls, rows] : cases) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &drop);
        (void)QTest::qWaitFor([&] { return form->ListBox1->count() == rows; }, 200);
        EXPECT_EQ(enter.isAccepted(), rows > 0) << urls.size() << " files";
        EXPECT_EQ(form->ListBox1->count(), rows) << urls.size() << " files";
    }
}

}  // namespace
