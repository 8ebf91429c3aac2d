// Every text the program itself shows, as English/French pairs of 8-bit
// Windows-1252 strings, and the language in force.
#pragma once

#include <cstdint>
#include <string>

#include "eggmoves/words.h"

struct StringPair {
    std::string text[2];  // English, French
};

// 0 English, 1 French; written only by SetLanguage.
extern std::int32_t LanguageIndex;

// The member of pair in the language in force.
const std::string& Text(const StringPair& pair);

// Empty until FillStringPairs runs, while the main window is built.
extern StringPair FileMenuText, OpenMenuText, SaveMenuText, ExitMenuText, OptionsMenuText,
    LanguageMenuText, HelpMenuText, AboutMenuText, VersionsMenuText;
extern StringPair ExportButtonText, ChangeButtonText, InsertButtonText, DeleteButtonText;
extern StringPair PokemonLabelText, MovesLabelText, TotalLabelText, FreeLabelText;
extern StringPair UnsupportedRomText, SavedText, CorruptedEntryText, VersionsText, AboutText,
    ForeignTableText;
extern StringPair AboutCaption, VersionsCaption, AttentionCaption, WarningCaption;
extern StringPair EnlargeMenuText, EnlargeCaption, EnlargeCountText, OkButtonText, CancelButtonText,
    GrownText;
extern StringPair EditMenuText, UndoMenuText, RedoMenuText, FindMenuText, OpenRecentMenuText,
    ImportMenuText, CheckMenuText, CheckCaption;
// The edits as the Undo and Redo items name them.
extern StringPair ChangeEditText, InsertEditText, DeleteEditText, ImportEditText, EnlargeEditText;
// %1 is a file name or path, %2 a line number.
extern StringPair SaveChangesText, SaveButtonText, DiscardButtonText, NoLongerExistsText, LineText;
// File, Save As and its dialog; the title's mark of a ROM that cannot be written,
// and why its Save opens Save As (%1 is its name).
extern StringPair SaveAsMenuText, ReadOnlyTitleText, ReadOnlySaveText;
// The buttons of the changed-on-disk and full-table questions.
extern StringPair OverwriteButtonText, ReloadButtonText, EnlargeButtonText, InsertAnywayButtonText;
// %1 is the exported file, %2 the system's reason.
extern StringPair ExportFailedText, SourceFilterText;

// The core's words in the language in force, as program text.
std::string Text(const Words& words);

// The texts outside the pairs, the same in both languages.
inline constexpr const char* WindowCaption = "Quenmark";
// The version About shows and --version prints.
inline constexpr const char* ProgramVersion = "1.21";
inline constexpr const char* EnglishItemCaption = "&English";
inline constexpr const char* FrenchItemCaption =
    "&Fran\xE7"
    "ais";
// The project's home page, shown in the About text.
inline constexpr const char* HomePage = "https://quenmark.example.org";

// Fills every pair, the two About texts included.
void FillStringPairs();
// The About text of one language, built from its fixed pieces.
std::string BuildAboutText(int language);
