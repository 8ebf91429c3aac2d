// The window's captions in the language in force, and the switch between languages.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QUndoStack>

#include "ui/ansi.h"
#include "ui/check_dock.h"
#include "ui/edit_commands.h"
#include "ui/form1.h"
#include "ui/qt_translation.h"
#include "ui/strings.h"

void TForm1::English1Click() {
    // Qt has already moved the check mark; the language in force tells whether
    // this item was checked before the click.
    if (LanguageIndex != 0) SetLanguage(0);
    English1->setChecked(true);
    QSettings(SettingsOrganization, SettingsApplication).setValue("language", 0);
}

void TForm1::Francais1Click() {
    if (LanguageIndex != 1) SetLanguage(1);
    Francais1->setChecked(true);
    QSettings(SettingsOrganization, SettingsApplication).setValue("language", 1);
}

void TForm1::SetLanguage(int index) {
    LanguageIndex = index;
    UseQtTranslation(index);
    SetMenuCaptions();
    SetButtonCaptions();
    SetLabelCaptions();
    CheckDock1->setWindowTitle(FromAnsi(Text(CheckCaption)));
    if (!CheckDock1->isHidden()) CheckDock1->Fill(LoadedRom, LanguageIndex);
    if (FileOpen) ShowTitle();
    ShowSource();
}

void TForm1::SetMenuCaptions() {
    File1->setTitle(FromAnsi(Text(FileMenuText)));
    Open1->setText(FromAnsi(Text(OpenMenuText)));
    OpenRecent1->setTitle(FromAnsi(Text(OpenRecentMenuText)));
    Save1->setText(FromAnsi(Text(SaveMenuText)));
    SaveAs1->setText(FromAnsi(Text(SaveAsMenuText)));
    Import1->setText(FromAnsi(Text(ImportMenuText)));
    EnlargeTable1->setText(FromAnsi(Text(EnlargeMenuText)));
    Exit1->setText(FromAnsi(Text(ExitMenuText)));
    Edit1->setTitle(FromAnsi(Text(EditMenuText)));
    SetUndoCaptions();
    Find1->setText(FromAnsi(Text(FindMenuText)));
    Check1->setText(FromAnsi(Text(CheckMenuText)));
    Options1->setTitle(FromAnsi(Text(OptionsMenuText)));
    Language1->setTitle(FromAnsi(Text(LanguageMenuText)));
    Help1->setTitle(FromAnsi(Text(HelpMenuText)));
    About1->setText(FromAnsi(Text(AboutMenuText)));
    VersionsCompatible1->setText(FromAnsi(Text(VersionsMenuText)));
}

void TForm1::SetUndoCaptions() {
    // "Undo" and "Redo" followed by what they would undo or redo.
    const auto caption = [](const StringPair& verb, const QUndoCommand* step) {
        std::string text = Text(verb);
        if (step) text += " " + Text(static_cast<const TableEdit*>(step)->Name());
        return FromAnsi(text);
    };
    const int index = UndoStack->index();
    Undo1->setText(
        caption(UndoMenuText, UndoStack->command(index - 1)));  // nullptr before the first
    Redo1->setText(caption(RedoMenuText, UndoStack->command(index)));
}

void TForm1::SetButtonCaptions() {
    ExportButton->setText(FromAnsi(Text(ExportButtonText)));
    ChangeButton->setText(FromAnsi(Text(ChangeButtonText)));
    InsertButton->setText(FromAnsi(Text(InsertButtonText)));
    DeleteButton->setText(FromAnsi(Text(DeleteButtonText)));
}

void TForm1::SetLabelCaptions() {
    const auto caption = [](QLabel* label, const StringPair& text, std::int32_t count) {
        label->setText(FromAnsi(Text(text) + " " + std::to_string(count)));
        label->adjustSize();
    };
    const EggMoveList& list = LoadedRom.list;
    caption(PokemonLabel, PokemonLabelText, list.SpeciesCount);
    caption(MovesLabel, MovesLabelText, list.MoveCount);
    // Summed as the counters' own 32-bit type, as shown.
    caption(TotalLabel, TotalLabelText, list.SpeciesCount + list.MoveCount);
    caption(FreeLabel, FreeLabelText, CountEndMarks(list.EggMoveTable));
}
