#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <functional>

#include "tests/ui/form_fixture.h"
#include "ui/ansi.h"

namespace {

using FormLayout = FormTest;
using Languages = FormTest;
using HelpAndExit = FormTest;

TEST_F(FormLayout, ControlsSitWhereTheDesignPutsThem) {
    EXPECT_EQ(form->windowTitle(), "Quenmark");
    EXPECT_EQ(form->centralWidget()->size(), QSize(354, 432));
    const struct {
        QWidget* widget;
        QRect place;
    } cases[] = {
        {form->ExportButton, {8, 8, 170, 50}},   {form->ChangeButton, {8, 64, 170, 50}},
        {form->InsertButton, {8, 120, 170, 50}}, {form->ComboBox1, {8, 176, 170, 21}},
        {form->DeleteButton, {8, 203, 170, 50}}, {form->ListBox1, {184, 8, 160, 414}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.widget->geometry(), c.place) << c.widget;
    for (QLabel* label : {form->PokemonLabel, form->MovesLabel, form->TotalLabel})
        EXPECT_EQ(label->x(), 8);
    EXPECT_EQ(form->PokemonLabel->y(), 259);
    EXPECT_EQ(form->MovesLabel->y(), 278);
    EXPECT_EQ(form->TotalLabel->y(), 297);
    EXPECT_EQ(form->ComboBox1->maxVisibleItems(), 10);
    EXPECT_FALSE(form->ComboBox1->isEditable());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    form->show();
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window has a fixed size";
}

TEST_F(FormLayout, StartState) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{form->ExportButton, form->ChangeButton, form->InsertButton,
                                         form->ComboBox1, form->DeleteButton, form->ListBox1,
                                         form->PokemonLabel, form->MovesLabel, form->TotalLabel})
        EXPECT_FALSE(w->isEnabled()) << w;
    EXPECT_FALSE(form->Save1->isEnabled());
    EXPECT_TRUE(form->Open1->isEnabled());
    EXPECT_TRUE(form->Exit1->isEnabled());
    EXPECT_TRUE(form->English1->isChecked());
    EXPECT_FALSE(form->Francais1->isChecked());
    EXPECT_EQ(form->ListBox1->count(), 0);
    EXPECT_EQ(form->ComboBox1->count(), 0);
    EXPECT_EQ(form->SaveTextFileDialog1.fileName, "EggMoves.txt");
    EXPECT_EQ(form->OpenDialog1.fileName, "");
}

TEST_F(FormLayout, TabGoesThroughTheControlsInOrder) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{form->ExportButton, form->ChangeButton, form->InsertButton,
                                         form->ComboBox1, form->DeleteButton, form->ListBox1})
        w->setEnabled(true);
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->ExportButton->setFocus();
    const QWidget* expected[] = {form->ChangeButton, form->InsertButton, form->ComboBox1,
                                 form->DeleteButton, form->ListBox1};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

struct Caption {
    const char* what;
    std::function<QString(const TForm1&)> get;
    const char* english;
    const char* french;
};

const Caption Captions[] = {
    {"File1", [](const TForm1& f) { return f.File1->title(); }, "&File", "&Fichier"},
    {"Open1", [](const TForm1& f) { return f.Open1->text(); }, "&Open", "&Ouvrir"},
    {"Save1", [](const TForm1& f) { return f.Save1->text(); }, "&Save", "&Sauvegarder"},
    {"Exit1", [](const TForm1& f) { return f.Exit1->text(); }, "E&xit", "&Quitter"},
    {"Options1", [](const TForm1& f) { return f.Options1->title(); }, "&Options", "&Options"},
    {"Language1", [](const TForm1& f) { return f.Language1->title(); }, "&Language", "&Langue"},
    {"Help1", [](const TForm1& f) { return f.Help1->title(); }, "&Help", "&Aide"},
    {"About1", [](const TForm1& f) { return f.About1->text(); }, "&About", "à &Propos"},
    {"VersionsCompatible1", [](const TForm1& f) { return f.VersionsCompatible1->text(); },
     "&Versions Compatible", "&Versions Compatibles"},
    {"English1", [](const TForm1& f) { return f.English1->text(); }, "&English", "&English"},
    {"Francais1", [](const TForm1& f) { return f.Francais1->text(); }, "&Français", "&Français"},
    {"ExportButton", [](const TForm1& f) { return f.ExportButton->text(); }, "Export List as .txt",
     "Exporter une Liste en .txt"},
    {"ChangeButton", [](const TForm1& f) { return f.ChangeButton->text(); }, "Change Entry",
     "Changer l'Entrée"},
    {"InsertButton", [](const TForm1& f) { return f.InsertButton->text(); }, "Insert New Entry",
     "Insérer une Nouvelle Entrée"},
    {"DeleteButton", [](const TForm1& f) { return f.DeleteButton->text(); }, "Delete Entry",
     "Supprimer l'Entrée"},
    {"PokemonLabel", [](const TForm1& f) { return f.PokemonLabel->text(); }, "Number of Pokémon: 0",
     "Nombre de Pokémon: 0"},
    {"MovesLabel", [](const TForm1& f) { return f.MovesLabel->text(); }, "Number of Moves: 0",
     "Nombre d'Attaques: 0"},
    {"TotalLabel", [](const TForm1& f) { return f.TotalLabel->text(); }, "Number Total: 0",
     "Nombre Total: 0"},
    {"window", [](const TForm1& f) { return f.windowTitle(); }, "Quenmark", "Quenmark"},
};

void ExpectCaptions(const TForm1& form, int language) {
    for (const Caption& c : Captions)
        EXPECT_EQ(c.get(form), QString::fromUtf8(language ? c.french : c.english)) << c.what;
}

TEST_F(Languages, SwitchAndBack) {
    ExpectCaptions(*form, 0);
    form->Francais1->trigger();
    EXPECT_EQ(LanguageIndex, 1);
    ExpectCaptions(*form, 1);
    EXPECT_TRUE(form->Francais1->isChecked());
    EXPECT_FALSE(form->English1->isChecked());
    form->English1->trigger();
    EXPECT_EQ(LanguageIndex, 0);
    ExpectCaptions(*form, 0);
    EXPECT_TRUE(form->English1->isChecked());
    EXPECT_FALSE(form->Francais1->isChecked());
}

TEST_F(Languages, ClickOnTheLanguageInForceRefreshesNothing) {
    form->PokemonLabel->setText("untouched");
    form->English1->trigger();
    EXPECT_EQ(form->PokemonLabel->text(), "untouched");
    EXPECT_TRUE(form->English1->isChecked());
    form->Francais1->trigger();
    form->PokemonLabel->setText("untouched");
    form->Francais1->trigger();
    EXPECT_EQ(form->PokemonLabel->text(), "untouched");
    EXPECT_TRUE(form->Francais1->isChecked());
}

TEST_F(Languages, EnabledStatesSurviveASwitch) {
    const auto path = WriteDefaultRom();
    Open(path);
    for (auto* item : {form->Francais1, form->English1}) {
        item->trigger();
        EXPECT_TRUE(form->Save1->isEnabled());
        EXPECT_TRUE(form->DeleteButton->isEnabled());
        EXPECT_EQ(form->ListBox1->count(), EggMoveEntryCount);
    }
    form = std::make_unique<TForm1>(prompter);
    form->Francais1->trigger();
    EXPECT_FALSE(form->Save1->isEnabled());
    EXPECT_FALSE(form->ExportButton->isEnabled());
}

TEST_F(Languages, LabelsShowSignedCountersWithoutGrouping) {
    const struct {
        std::int32_t species, moves;
        const char* pokemon;
        const char* total;
    } cases[] = {
        {412, 726, "Number of Pokémon: 412", "Number Total: 1138"},
        {-3, 100000, "Number of Pokémon: -3", "Number Total: 99997"},
    };
    for (const auto& c : cases) {
        SpeciesCount = c.species;
        MoveCount = c.moves;
        form->SetLabelCaptions();
        EXPECT_EQ(form->PokemonLabel->text(), QString::fromUtf8(c.pokemon));
        EXPECT_EQ(form->TotalLabel->text(), c.total);
    }
}

TEST_F(HelpAndExit, BoxesTakeTheLanguageInForce) {
    form->About1Click();
    form->VersionsCompatible1Click();
    form->Francais1->trigger();
    form->About1Click();
    form->VersionsCompatible1Click();
    ASSERT_EQ(prompter.messages.size(), 4u);
    const struct {
        const StringPair& text;
        const StringPair& title;
        int language;
    } expected[] = {{AboutText, AboutCaption, 0},
                    {VersionsText, VersionsCaption, 0},
                    {AboutText, AboutCaption, 1},
                    {VersionsText, VersionsCaption, 1}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(prompter.messages[i].text, expected[i].text.text[expected[i].language]);
        EXPECT_EQ(prompter.messages[i].title, expected[i].title.text[expected[i].language]);
        EXPECT_EQ(prompter.messages[i].buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(FromAnsi(prompter.messages[2].title), QString::fromUtf8("à Propos"));
    EXPECT_EQ(prompter.messages[3].title, "Versions Compatibles");
}

TEST_F(HelpAndExit, ExitClosesWithoutAQuestion) {
    Open(WriteDefaultRom());
    Select(3);
    form->DeleteButtonClick();
    form->show();
    const std::size_t shown = prompter.messages.size();
    form->Exit1->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(prompter.messages.size(), shown);
}

TEST_F(HelpAndExit, AltFOpensTheFileMenu) {
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->File1->isVisible(); }, 2000));
    form->File1->close();
}

}  // namespace
