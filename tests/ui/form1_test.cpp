#include <QAction>
#include <QMenu>
#include <QTest>

#include "tests/ui/form_fixture.h"
#include "ui/ansi.h"

namespace {

using Window = FormTest;

std::vector<QWidget*> LeftColumnAndList(const TForm1& f) {
    return {f.ExportButton, f.ChangeButton, f.InsertButton, f.ComboBox1, f.DeleteButton,
            f.ListBox1,     f.PokemonLabel, f.MovesLabel,   f.TotalLabel};
}

TEST_F(Window, StartsDisabledWithEveryControlInItsPlace) {
    EXPECT_EQ(form->centralWidget()->size(), QSize(354, 432));
    const QRect places[] = {{8, 8, 170, 50},   {8, 64, 170, 50},  {8, 120, 170, 50},
                            {8, 176, 170, 21}, {8, 203, 170, 50}, {184, 8, 160, 414}};
    const auto controls = LeftColumnAndList(*form);
    for (std::size_t i = 0; i < std::size(places); ++i)
        EXPECT_EQ(controls[i]->geometry(), places[i]);
    EXPECT_EQ(form->PokemonLabel->pos(), QPoint(8, 259));
    EXPECT_EQ(form->TotalLabel->pos(), QPoint(8, 297));
    for (QWidget* w : controls) EXPECT_FALSE(w->isEnabled()) << w;
    EXPECT_FALSE(form->Save1->isEnabled());
    EXPECT_TRUE(form->Open1->isEnabled() && form->Exit1->isEnabled());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    form->show();
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window has a fixed size";
}

TEST_F(Window, TabGoesThroughTheControlsInOrder) {
    for (QWidget* w : LeftColumnAndList(*form)) w->setEnabled(true);
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->ExportButton->setFocus();
    for (QWidget* next :
         {static_cast<QWidget*>(form->ChangeButton), static_cast<QWidget*>(form->InsertButton),
          static_cast<QWidget*>(form->ComboBox1), static_cast<QWidget*>(form->DeleteButton),
          static_cast<QWidget*>(form->ListBox1)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

QStringList Captions(const TForm1& f) {
    return {f.File1->title(),
            f.Open1->text(),
            f.Save1->text(),
            f.Exit1->text(),
            f.Options1->title(),
            f.Language1->title(),
            f.English1->text(),
            f.Francais1->text(),
            f.Help1->title(),
            f.About1->text(),
            f.VersionsCompatible1->text(),
            f.ExportButton->text(),
            f.ChangeButton->text(),
            f.InsertButton->text(),
            f.DeleteButton->text(),
            f.PokemonLabel->text(),
            f.MovesLabel->text(),
            f.TotalLabel->text(),
            f.windowTitle()};
}

const QStringList EnglishCaptions =
    QString::fromUtf8(
        "&File|&Open|&Save|E&xit|&Options|&Language|&English|&Français|&Help|&About|"
        "&Versions Compatible|Export List as .txt|Change Entry|Insert New Entry|Delete Entry|"
        "Number of Pokémon: 0|Number of Moves: 0|Number Total: 0|Quenmark")
        .split('|');
const QStringList FrenchCaptions =
    QString::fromUtf8(
        "&Fichier|&Ouvrir|&Sauvegarder|&Quitter|&Options|&Langue|&English|&Français|&Aide|"
        "à &Propos|&Versions Compatibles|Exporter une Liste en .txt|Changer l'Entrée|"
        "Insérer une Nouvelle Entrée|Supprimer l'Entrée|Nombre de Pokémon: 0|"
        "Nombre d'Attaques: 0|Nombre Total: 0|Quenmark")
        .split('|');

TEST_F(Window, LanguageSwitchAndBackKeepsTheEnabledStates) {
    EXPECT_EQ(Captions(*form), EnglishCaptions);
    form->Francais1->trigger();
    EXPECT_EQ(Captions(*form), FrenchCaptions);
    EXPECT_TRUE(form->Francais1->isChecked() && !form->English1->isChecked());
    EXPECT_FALSE(form->Save1->isEnabled() || form->ExportButton->isEnabled());
    Open(WriteDefaultRom());
    form->English1->trigger();
    EXPECT_EQ(Captions(*form).mid(0, 15), EnglishCaptions.mid(0, 15));
    EXPECT_TRUE(form->English1->isChecked() && !form->Francais1->isChecked());
    EXPECT_TRUE(form->Save1->isEnabled() && form->DeleteButton->isEnabled());
}

TEST_F(Window, ClickOnTheLanguageInForceRefreshesNothing) {
    for (QAction* item : {form->English1, form->Francais1}) {
        item->trigger();
        form->PokemonLabel->setText("untouched");
        item->trigger();
        EXPECT_EQ(form->PokemonLabel->text(), "untouched");
        EXPECT_TRUE(item->isChecked());
    }
}

TEST_F(Window, LabelsShowSignedCountersWithoutGrouping) {
    form->LoadedRom.list.SpeciesCount = -3;
    form->LoadedRom.list.MoveCount = 100000;
    form->SetLabelCaptions();
    EXPECT_EQ(form->PokemonLabel->text(), QString::fromUtf8("Number of Pokémon: -3"));
    EXPECT_EQ(form->TotalLabel->text(), "Number Total: 99997");
}

TEST_F(Window, InformationBoxesTakeTheLanguageInForce) {
    for (QAction* language : {form->English1, form->Francais1}) {
        language->trigger();
        form->About1->trigger();
        form->VersionsCompatible1->trigger();
    }
    const std::vector<std::string> titles{"About", "Versions Compatible", "\xE0 Propos",
                                          "Versions Compatibles"};
    ASSERT_EQ(prompter.messages.size(), titles.size());
    for (std::size_t i = 0; i < titles.size(); ++i) {
        EXPECT_EQ(prompter.messages[i].title, titles[i]);
        EXPECT_EQ(prompter.messages[i].text, (i % 2 ? VersionsText : AboutText).text[i / 2]);
        EXPECT_EQ(prompter.messages[i].buttons, MessageButtons::Ok);
    }
}

TEST_F(Window, ExitClosesWithoutAQuestionAfterEdits) {
    Open(WriteDefaultRom());
    Select(3);
    form->DeleteButtonClick();
    form->show();
    form->Exit1->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
