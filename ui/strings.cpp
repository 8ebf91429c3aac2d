#include "ui/strings.h"

#include <QString>

#include "ui/ansi.h"

std::int32_t LanguageIndex = 0;

StringPair FileMenuText, OpenMenuText, SaveMenuText, ExitMenuText, OptionsMenuText,
    LanguageMenuText, HelpMenuText, AboutMenuText, VersionsMenuText;
StringPair ExportButtonText, ChangeButtonText, InsertButtonText, DeleteButtonText;
StringPair PokemonLabelText, MovesLabelText, TotalLabelText, FreeLabelText;
StringPair UnsupportedRomText, SavedText, CorruptedEntryText, VersionsText, AboutText,
    ForeignTableText;
StringPair AboutCaption, VersionsCaption, AttentionCaption, WarningCaption;
StringPair EnlargeMenuText, EnlargeCaption, EnlargeCountText, OkButtonText, CancelButtonText,
    GrownText;
StringPair EditMenuText, UndoMenuText, RedoMenuText, FindMenuText, OpenRecentMenuText,
    ImportMenuText, CheckMenuText, CheckCaption;
StringPair ChangeEditText, InsertEditText, DeleteEditText, ImportEditText, EnlargeEditText;
StringPair SaveChangesText, SaveButtonText, DiscardButtonText, NoLongerExistsText, LineText;
StringPair SaveAsMenuText, ReadOnlyTitleText, ReadOnlySaveText;
StringPair OverwriteButtonText, ReloadButtonText, EnlargeButtonText, InsertAnywayButtonText;
StringPair ExportFailedText, SourceFilterText;

const std::string& Text(const StringPair& pair) {
    return pair.text[LanguageIndex];
}

std::string Text(const Words& words) {
    return ToAnsi(QString::fromStdString(words.In(LanguageIndex)));
}

namespace {

// Windows-1252 bytes are written as escapes, so that the encoding of this source
// file cannot change them.
struct PairSource {
    StringPair* pair;
    const char* english;
    const char* french;
};

const PairSource PairSources[] = {
    // clang-format off
    {&FileMenuText, "&File",
     "&Fichier"},
    {&OpenMenuText, "&Open",
     "&Ouvrir"},
    {&SaveMenuText, "&Save",
     "&Sauvegarder"},
    {&ExitMenuText, "E&xit",
     "&Quitter"},
    {&OptionsMenuText, "&Options",
     "&Options"},
    {&LanguageMenuText, "&Language",
     "&Langue"},
    {&HelpMenuText, "&Help",
     "&Aide"},
    {&AboutMenuText, "&About",
     "\xE0 &Propos"},
    {&VersionsMenuText, "&Versions Compatible",
     "&Versions Compatibles"},
    {&ExportButtonText, "Export List as .txt",
     "Exporter une Liste en .txt"},
    {&ChangeButtonText, "Change Entry",
     "Changer l'Entr\xE9" "e"},
    {&InsertButtonText, "Insert New Entry",
     "Ins\xE9rer une Nouvelle Entr\xE9" "e"},
    {&DeleteButtonText, "Delete Entry",
     "Supprimer l'Entr\xE9" "e"},
    {&PokemonLabelText, "Number of Pok\xE9mon:",
     "Nombre de Pok\xE9mon:"},
    {&MovesLabelText, "Number of Moves:",
     "Nombre d'Attaques:"},
    {&TotalLabelText, "Number Total:",
     "Nombre Total:"},
    {&FreeLabelText, "Free:",
     "Libres :"},
    {&UnsupportedRomText, "Sorry, but the rom you chose isn't supported by this program yet, or isn't a generation III Pok\xE9mon rom.",
     "D\xE9sol\xE9, mais la rom que vous avez choisie n'est pas compatible avec cette programme encore, ou n'est pas une rom Pok\xE9mon de la g\xE9n\xE9ration GBA."},
    {&SavedText, "The file was successfully saved!",
     "La rom a bien \xE9t\xE9 sauvegard\xE9" "e!"},
    {&CorruptedEntryText, "An entry of the egg move list is corrupted. Do you want this program to fix it?",
     "Une entr\xE9" "e de la liste des attaques des oeufs est corrompue. Voulez-vous que cette programme le fixe?"},
    {&VersionsText, "English, French - Ruby, Sapphire, Emerald, Fire Red, and Leaf Green; German - Ruby and Sapphire",
     "Anglais, Fran\xE7" "ais - Rubis, Saphir, Emeraude, Rouge Feu, et Vert Feuille; Allemand - Rubis et Saphir"},
    {&ForeignTableText, "The game in this rom reads an egg move list of another size or at another place. Quenmark shows the copy at the usual place, and will write nothing to this rom.",
     "Le jeu de cette rom lit une liste des attaques des oeufs d'une autre taille ou \xE0 un autre endroit. Quenmark montre la copie \xE0 l'endroit habituel, et n'\xE9" "crira rien dans cette rom."},
    {&EnlargeMenuText, "Enlarge &Table...",
     "Agrandir la &table..."},
    {&EnlargeCaption, "Enlarge Table",
     "Agrandir la table"},
    {&EnlargeCountText, "Entries to add at the end of the list:",
     "Entr\xE9" "es \xE0 ajouter \xE0 la fin de la liste :"},
    {&OkButtonText, "OK",
     "OK"},
    {&CancelButtonText, "Cancel",
     "Annuler"},
    {&GrownText, "The file was successfully saved! The egg move list now holds %1 entries, at offset %2.",
     "La rom a bien \xE9t\xE9 sauvegard\xE9" "e! La liste des attaques des oeufs contient maintenant %1 entr\xE9" "es, \xE0 l'adresse %2."},
    {&EditMenuText, "&Edit",
     "\xC9&dition"},
    {&UndoMenuText, "&Undo",
     "&Annuler"},
    {&RedoMenuText, "&Redo",
     "&R\xE9tablir"},
    {&FindMenuText, "&Find...",
     "Rec&hercher..."},
    {&CheckMenuText, "&Check",
     "&V\xE9rifier"},
    {&CheckCaption, "Findings of the check",
     "Constats de la v\xE9rification"},
    {&OpenRecentMenuText, "Open &Recent",
     "Ouvrir un fichier &r\xE9" "cent"},
    {&ImportMenuText, "&Import...",
     "&Importer..."},
    {&ChangeEditText, "Change",
     "Modifier"},
    {&InsertEditText, "Insert",
     "Ins\xE9rer"},
    {&DeleteEditText, "Delete",
     "Supprimer"},
    {&ImportEditText, "Import",
     "Importer"},
    {&EnlargeEditText, "Enlarge",
     "Agrandir"},
    {&SaveChangesText, "Save the changes to %1?",
     "Enregistrer les modifications de %1 ?"},
    {&SaveButtonText, "&Save",
     "&Enregistrer"},
    {&DiscardButtonText, "&Discard",
     "&Ne pas enregistrer"},
    {&NoLongerExistsText, "The file no longer exists: %1",
     "Le fichier n'existe plus : %1"},
    {&LineText, "Line %2: ",
     "Ligne %2 : "},
    {&SaveAsMenuText, "Save &As...",
     "&Enregistrer sous..."},
    {&ReadOnlySaveText, "%1 is read-only: choose a name for a copy that keeps the edits.",
     "%1 est en lecture seule : choisissez le nom d'une copie qui garde les modifications."},
    {&ReadOnlyTitleText, "[read-only]",
     "[lecture seule]"},
    {&OverwriteButtonText, "&Overwrite",
     "&\xC9" "craser"},
    {&ReloadButtonText, "&Reload",
     "&Recharger"},
    {&EnlargeButtonText, "&Enlarge Table...",
     "&Agrandir la table..."},
    {&InsertAnywayButtonText, "&Insert Anyway",
     "&Ins\xE9rer quand m\xEAme"},
    {&ExportFailedText, "%1 could not be written: %2. Nothing was changed.",
     "%1 n'a pas pu \xEAtre \xE9" "crit : %2. Rien n'a \xE9t\xE9 modifi\xE9."},
    {&SourceFilterText, "Decompilation source (*.h)",
     "Source de d\xE9" "compilation (*.h)"},
    {&AboutCaption, "About",
     "\xE0 Propos"},
    {&VersionsCaption, "Versions Compatible",
     "Versions Compatibles"},
    {&AttentionCaption, "Attention",
     "Attention"},
    {&WarningCaption, "Warning",
     "Alerte"},
    // clang-format on
};

// The pieces of the About text, in the order in which they are joined.
struct AboutPieces {
    const char* version;
    const char* author;
    const char* date;
    const char* description;
    const char* whereToFind;
    const char* thanks;
};

const AboutPieces AboutPiecesByLanguage[2] = {
    // clang-format off
    {"Version",
     "by the Quenmark developers",
     "October 25th, 2009",
     "This program edits the egg moves of a generation III Pok\xE9mon game.",
     "New versions of this program (and old ones too) can be found at",
     "Thanks to everyone who took apart and documented the Generation III ROM formats: their notes on the name tables, the character set and the egg move table made this program possible."},
    {"Version",
     "par les d\xE9veloppeurs de Quenmark",
     "25 Octobre 2009",
     "Cette programme sert \xE0 \xE9" "diter les attaques des oeufs des Pok\xE9mon (par reproduction) de la g\xE9n\xE9ration GBA.",
     "Les nouvelles versions de cette programme (mais aussi les anciennes) peuvent \xEAtre trouv\xE9" "es \xE0",
     "Merci \xE0 tous ceux qui ont \xE9tudi\xE9 et document\xE9 les formats des roms de la g\xE9n\xE9ration III : leurs notes sur les tables de noms, le jeu de caract\xE8res et la liste des attaques des oeufs ont rendu ce programme possible."},
    // clang-format on
};

const char* const ProgramName = "Quenmark";

}  // namespace

std::string BuildAboutText(int language) {
    const AboutPieces& p = AboutPiecesByLanguage[language];
    return std::string(ProgramName) + "\n" + p.version + " " + ProgramVersion + "\n" + p.author +
           "\n" + p.date + "\n\n" + p.description + "\n\n" + p.whereToFind + " " + HomePage +
           ".\n\n" + p.thanks;
}

void FillStringPairs() {
    for (const PairSource& source : PairSources) *source.pair = {{source.english, source.french}};
    AboutText = {{BuildAboutText(0), BuildAboutText(1)}};
}
