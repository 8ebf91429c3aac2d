#include <QAction>
#include <QMenu>

#include "tests/ui/form_fixture.h"

namespace {

using Window = FormTest;

TEST_F(Window, StartsDisabledWithEveryControlInItsPlace) {
    EXPECT_EQ(form->centralWidget()->size(), QSize(354, 432));
    const std::pair<QWidget*, QRect> places[] = {
        {form->ExportButton, {8, 8, 170, 50}},   {form->ChangeButton, {8, 64, 170, 50}},
        {form->InsertButton, {8, 120, 170, 50}}, {form->ComboBox1, {8, 176, 170, 21}},
        {form->DeleteButton, {8, 203, 170, 50}}, {form->ListBox1, {184, 8, 160, 414}},
        {form->PokemonLabel, {8, 259, 0, 0}},    {form->MovesLabel, {8, 278, 0, 0}},
        {form->TotalLabel, {8, 297, 0, 0}}};
    for (const auto& [control, place] : places) {
        EXPECT_EQ(control->pos(), place.topLeft());
        if (!place.isEmpty()) {
            EXPECT_EQ(control->size(), place.size());
        }
        EXPECT_FALSE(control->isEnabled());
    }
    EXPECT_FALSE(form->Save1->isEnabled());
    EXPECT_TRUE(form->Open1->isEnabled() && form->Exit1->isEnabled());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    form->show();
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window has a fixed size";
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

TEST_F(Window, EveryCaptionInBothLanguagesAndBack) {
    const QStringList english =
        QString::fromUtf8(
            "&File|&Open|&Save|E&xit|&Options|&Language|&English|&Français|&Help|&About|"
            "&Versions Compatible|Export List as .txt|Change Entry|Insert New Entry|Delete Entry|"
            "Number of Pokémon: 0|Number of Moves: 0|Number Total: 0|Quenmark")
            .split('|');
    const QStringList french =
        QString::fromUtf8(
            "&Fichier|&Ouvrir|&Sauvegarder|&Quitter|&Options|&Langue|&English|&Français|&Aide|"
            "à &Propos|&Versions Compatibles|Exporter une Liste en .txt|Changer l'Entrée|"
            "Insérer une Nouvelle Entrée|Supprimer l'Entrée|Nombre de Pokémon: 0|"
            "Nombre d'Attaques: 0|Nombre Total: 0|Quenmark")
            .split('|');
    EXPECT_EQ(Captions(*form), english);
    form->Francais1->trigger();
    EXPECT_EQ(Captions(*form), french);
    // A click on the language in force refreshes nothing.
    form->PokemonLabel->setText("untouched");
    form->Francais1->trigger();
    EXPECT_EQ(form->PokemonLabel->text(), "untouched");
    EXPECT_TRUE(form->Francais1->isChecked() && !form->English1->isChecked());
    form->English1->trigger();
    EXPECT_EQ(Captions(*form), english);
    EXPECT_TRUE(form->English1->isChecked() && !form->Francais1->isChecked());
    EXPECT_FALSE(form->Save1->isEnabled()) << "a switch enables nothing";
}

TEST_F(Window, LabelsShowSignedCountersWithoutGrouping) {
    form->LoadedRom.list.SpeciesCount = -3;
    form->LoadedRom.list.MoveCount = 100000;
    form->SetLabelCaptions();
    EXPECT_EQ(form->PokemonLabel->text(), QString::fromUtf8("Number of Pokémon: -3"));
    EXPECT_EQ(form->TotalLabel->text(), "Number Total: 99997");
}

TEST_F(Window, ExitClosesWithoutAQuestionAfterEdits) {
    Open(WriteRom(DefaultRom()));
    Select(3);
    form->DeleteButtonClick();
    form->show();
    form->Exit1->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
