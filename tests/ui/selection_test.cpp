#include <QApplication>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <functional>

#include "tests/ui/form_fixture.h"
#include "ui/ansi.h"
#include "ui/check_dock.h"

namespace {

using A = MessageAnswer;

// One user session as edit -> the row selected after it -> the drop-down's
// entry: the selection stays with the entry, and the drop-down shows the
// selected row's entry (an end mark leaves it as it was). Whatever the last
// file showed, a load (Open, Open Recent, Reload after another program wrote
// into the file) starts at the top, unmodified, with row 0 selected.
TEST_F(FormTest, TheSelectionStaysWithTheEntryAndTheDropDownFollowsIt) {
    form->show();
    const auto path = WriteRom(Growable());
    Open(path);
    const auto pick = [this](const char* name) {
        form->ComboBox1->setCurrentIndex(form->ComboBox1->findText(name));
    };
    const auto select = [this](int row) { form->ListBox1->setCurrentRow(row); };
    const auto insert = [this] {
        prompter.answers = {MessageAnswer::Insert};  // the table is full
        form->InsertButtonClick();
    };
    const struct {
        const char* what;
        std::function<void()> act;
        int row;
        QString entry;
    } steps[] = {
        {"a load", [] {}, 0, QString::fromUtf8("Pokémon")},
        {"a species line", [&] { select(7); }, 7, "SPECIES2"},
        {"Insert", [&] { pick("MOVE100"), insert(); }, 8, "SPECIES2"},
        {"Insert again", [&] { pick("MOVE101"), insert(); }, 9, "SPECIES2"},
        {"a move line", [&] { select(8); }, 8, "MOVE101"},
        {"Change", [&] { pick("MOVE200"), form->ChangeButtonClick(); }, 8, "MOVE200"},
        {"Delete", [&] { select(3), form->DeleteButtonClick(); }, 3, "MOVE94"},
        {"the last row, an end mark", [&] { select(1137); }, 1137, "MOVE94"},
        {"Delete the last", [&] { form->DeleteButtonClick(); }, 1137, "MOVE94"},
        {"Undo", [&] { form->Undo1->trigger(); }, 1137, "MOVE94"},
        {"Undo again", [&] { form->Undo1->trigger(); }, 3, "MOVE63"},
        {"Undo a Change", [&] { form->Undo1->trigger(); }, 8, "MOVE101"},
        {"Redo", [&] { form->Redo1->trigger(); }, 8, "MOVE200"},
        {"Enlarge", [&] { prompter.counts = {2}, form->EnlargeTable1->trigger(); }, 1138,
         "MOVE200"},
        {"Undo Enlarge", [&] { form->Undo1->trigger(); }, 1137, "MOVE149"},
        {"Insert at the last row", [&] { pick("MOVE5"), insert(); }, 1137, "MOVE5"},
        {"Reload",
         [&] {
             EXPECT_EQ(form->ListBox1->item(7)->text(), "    MOVE100");  // the edits shown
             EXPECT_EQ(form->ListBox1->item(8)->text(), "    MOVE200");
             WriteEntry(path, 2, 0x0007);
             prompter.answers = {A::Reload};
             form->Save1->trigger();
         },
         0, QString::fromUtf8("Pokémon")},
        {"far down", [&] { form->SelectRow(900); }, 900, "MOVE282"},
        {"Open Recent", [&] { form->OpenRecentFile(path.c_str()); }, 0,
         QString::fromUtf8("Pokémon")},
        {"far down, changed",
         [&] { form->SelectRow(900), pick("MOVE5"), form->ChangeButtonClick(); }, 900, "MOVE5"},
        {"Open", [&] { Open(path, {A::Discard}); }, 0, QString::fromUtf8("Pokémon")},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(form->SelectedRow(), step.row) << step.what;
        EXPECT_EQ(form->ComboBox1->currentText().toStdString(), step.entry.toStdString())
            << step.what;
        // In sight: a row far down scrolled to, a load back at the top.
        if (step.row == 0 || step.row > 100) {
            EXPECT_EQ(form->ListBox1->verticalScrollBar()->value() > 0, step.row > 100)
                << step.what;
        }
        EXPECT_FALSE(step.row == 0 && form->isWindowModified()) << step.what;
    }
}

// The check beside the list follows every edit and the language; a finding
// selects its row; Save asks first when the game will misread the table.
TEST_F(FormTest, TheCheckFollowsTheEditsAndSaveAsksFirst) {
    const auto path = WriteRom(DefaultRom());
    Open(path);
    const Bytes original = ReadFileBytes(path);
    form->Check1->trigger();
    const QListWidget* findings = form->CheckDock1->FindingsList;
    ASSERT_FALSE(form->CheckDock1->isHidden());
    const auto lines = [findings] {
        QStringList texts;
        for (int i = 0; i < findings->count(); ++i) texts << findings->item(i)->text();
        return texts.join('|');
    };
    EXPECT_EQ(lines(), "No finding: the game reads this table as the list shows it.");
    form->ListBox1->setCurrentRow(0);
    form->DeleteButtonClick();
    EXPECT_TRUE(lines().startsWith("Row 0: (no species): MOVE1 comes before any species"))
        << lines().toStdString();
    form->ListBox1->setCurrentRow(500);
    form->CheckDock1->FindingsList->setCurrentRow(2);
    EXPECT_EQ(form->SelectedRow(), 2) << "a finding selects its row";
    form->Francais1->trigger();
    EXPECT_EQ(form->CheckDock1->windowTitle(), QString::fromUtf8("Constats de la vérification"));
    EXPECT_TRUE(lines().startsWith(QString::fromUtf8("Ligne 0 : (aucune espèce) : MOVE1 vient")));

    prompter.answers = {A::No, A::Yes};
    for (const bool written : {false, true}) {
        prompter.messages.clear();
        form->Save1Click();
        EXPECT_EQ(prompter.messages.front().title, "Alerte");
        EXPECT_EQ(prompter.messages.front().buttons, MessageButtons::YesNoDefaultNo);
        EXPECT_EQ(FromAnsi(prompter.messages.front().text),
                  QString::fromUtf8("Le jeu lira mal cette table : Ligne 0 : (aucune espèce) : "
                                    "MOVE1 vient avant toute espèce : le jeu donne les 10 "
                                    "premières de ces attaques à toute espèce sans attaques des "
                                    "oeufs. Sauvegarder quand même ?"));
        EXPECT_EQ(ReadFileBytes(path) != original, written);
        EXPECT_EQ(form->isWindowModified(), !written);
    }
    form->Undo1->trigger();
    EXPECT_EQ(lines(), QString::fromUtf8("Aucun constat : le jeu lit cette table comme la liste "
                                         "la montre."));
    // A warning (one move twice) saves without a question.
    form->ListBox1->setCurrentRow(1);
    prompter.answers = {A::Insert};
    form->InsertButtonClick();
    EXPECT_TRUE(lines().startsWith(QString::fromUtf8("Ligne 2 : Pokémon : MOVE1 est listée")));
    prompter.messages.clear();
    form->Save1Click();
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_FALSE(form->isWindowModified());
}

// The check opens wide enough for its longest line (up to a reading width), or
// a third of the window, the list keeping its room: a window at its first size
// grows within its screen; a short line stays whole on one line, and a long
// finding wraps, whole, within the dock. In both languages.
TEST_F(FormTest, TheCheckOpensReadableAtEverySize) {
    const struct {
        const char* what;
        QSize size;  // none: the first size
        bool findings, grows;
    } cases[] = {{"first size", {}, true, true},
                 {"800x600", {800, 600}, true, false},
                 {"no finding", {}, false, true}};
    for (const auto& [what, size, withFindings, grows] : cases)
        for (const int language : {0, 1}) {
            NewWindow(language);
            Open(WriteRom(DefaultRom()));
            form->ListBox1->setCurrentRow(0);
            if (withFindings) form->DeleteButtonClick();  // moves before any species
            if (size.isValid()) form->setGeometry({{0, 0}, size});
            form->show();
            QApplication::processEvents();
            const int width = form->width();
            form->Check1->trigger();
            QApplication::processEvents();
            const std::string where = std::string(what) + (language ? " fr" : " en");
            const CheckDock* dock = form->CheckDock1;
            EXPECT_GE(dock->width(), std::max(dock->WidthWanted(), width / 3)) << where;
            const QRect screen = form->screen()->availableGeometry();
            EXPECT_TRUE(!grows || screen.contains(form->frameGeometry())) << where;
            EXPECT_EQ(form->width() > width, grows) << where;
            EXPECT_GE(form->ListBox1->width(), 160) << where;
            const QListWidget* findings = dock->FindingsList;
            const QFontMetrics metrics = findings->fontMetrics();
            const QRect view = findings->viewport()->rect();
            int wrapped = 0;
            for (int i = 0; i < findings->count(); ++i) {
                const QRect line = findings->visualItemRect(findings->item(i));
                EXPECT_LE(line.width(), view.width()) << where << " line " << i;
                const bool wide =
                    metrics.horizontalAdvance(findings->item(i)->text()) > view.width();
                wrapped += wide;
                EXPECT_EQ(line.height() >= 2 * metrics.lineSpacing(), wide)
                    << where << " line " << i;
            }
            EXPECT_EQ(wrapped > 0, withFindings) << where;
            // Closed narrow and opened again: as wide again.
            form->resizeDocks({form->CheckDock1}, {60}, Qt::Horizontal);
            form->CheckDock1->close();
            QApplication::processEvents();
            form->Check1->trigger();
            QApplication::processEvents();
            EXPECT_GE(dock->width(), dock->WidthWanted()) << where << ", again";
        }
}

}  // namespace
