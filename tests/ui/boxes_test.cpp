#include <fstream>

#include "rom/open_problem.h"
#include "rom/place_words.h"
#include "rom/repair.h"
#include "rom/save_causes.h"
#include "tests/support/openers.h"
#include "tests/ui/form_fixture.h"
#include "ui/ansi.h"

namespace {

using A = MessageAnswer;
using B = MessageButtons;

// The core's words as a pair of program texts.
StringPair Pair(const Words& words) {
    return {{ToAnsi(QString::fromStdString(words.english)),
             ToAnsi(QString::fromStdString(words.french))}};
}

class BoxSequence : public FormTest {
  protected:
    // The boxes shown since the last call are these, each as (text, title) in
    // language (0 English, 1 French) with its buttons.
    void Boxes(const char* what, int language,
               std::vector<std::tuple<const StringPair*, const StringPair*, B>> boxes) {
        std::vector<ShownMessage> expected;
        for (const auto& [text, title, buttons] : boxes)
            expected.push_back({text->text[language], title->text[language], buttons});
        EXPECT_TRUE(prompter.messages == expected) << what;
        prompter.messages.clear();
    }
};

// Every box the window shows, in an order a user meets them, each with its text
// in the language in force, its title and its buttons.
TEST_F(BoxSequence, EachBoxWithItsTextTitleAndButtons) {
    std::ofstream(dir / "junk.gba") << std::string(300, 'B');
    SyntheticRom broken = DefaultRom();
    broken.table[2] = 0x0163;
    broken.table[900] = 0x2222;
    SyntheticRom hack = DefaultRom("BPRE", 1);
    hack.words = GameWordsFor(0x700000);  // a table that is not in this file
    const StringPair saveRom{
        {"Save the changes to rom.gba?", "Enregistrer les modifications de rom.gba ?"}};
    const auto save = std::tuple{&saveRom, &WarningCaption, B::SaveDiscardCancel};
    const StringPair nothing = Pair(SaveCauseWords(SaveCause::NothingLoaded, "rom.gba"));
    const StringPair refused =
        Pair(SaveCauseWords(SaveCause::CannotWrite, "rom.gba", "Permission denied"));
    const StringPair foreign = Pair(SaveCauseWords(SaveCause::ForeignTable, "hack.gba"));
    // The repair question names its entry on a second line.
    const auto repair = [this](int row, std::uint16_t value) {
        StringPair pair = Pair(RepairQuestionWords(row, value, form->LoadedRom.names));
        for (int language : {0, 1})
            pair.text[language] = CorruptedEntryText.text[language] + "\n" + pair.text[language];
        return pair;
    };

    form->About1->trigger();
    form->VersionsCompatible1->trigger();
    Boxes("Help", 0,
          {{&AboutText, &AboutCaption, B::Ok}, {&VersionsText, &VersionsCaption, B::Ok}});
    Open(dir / "junk.gba");
    EXPECT_TRUE(form->Save1->isEnabled() && form->ChangeButton->isEnabled() && !form->FileOpen);
    form->ChangeButtonClick();  // with nothing loaded, nothing to change
    form->Save1->trigger();
    Boxes("a first file of no release, then Save", 0,
          {{&UnsupportedRomText, &AttentionCaption, B::Ok}, {&nothing, &AttentionCaption, B::Ok}});
    Open(WriteRom(DefaultRom()));
    prompter.files.push_back(std::nullopt);
    form->Open1Click();  // nothing unsaved: no question, the dialog at once
    EXPECT_TRUE(prompter.files.empty());
    form->ListBox1->setCurrentRow(1);
    form->ChangeButtonClick();
    prompter.answers = {A::Cancel};
    form->Open1Click();  // Cancel: no file dialog either
    form->Save1->trigger();
    {
        ScopedOpener refuse(RefusingOpener);
        form->Save1->trigger();
    }
    Boxes("a ROM, an edit, Cancel to the save question, Save, and a Save that fails", 0,
          {save, {&SavedText, &AttentionCaption, B::Ok}, {&refused, &AttentionCaption, B::Ok}});
    Open(dir / "junk.gba");
    form->Save1->trigger();
    Boxes(
        "a file of no release over the ROM, which Save still writes", 0,
        {{&UnsupportedRomText, &AttentionCaption, B::Ok}, {&SavedText, &AttentionCaption, B::Ok}});

    form->Francais1->trigger();
    form->About1->trigger();
    broken.species[2] = GameText("NEW");
    Open(WriteRom(broken, "bad.gba"), {A::Yes, A::No});
    const StringPair repair2 = repair(2, 0x0163), repair900 = repair(900, 0x2222),
                     repairHack = repair(2, 0x0000);
    EXPECT_EQ(form->ComboBox1->itemText(2), "NEW");
    EXPECT_EQ(form->ListBox1->item(2)->text(), "    MOVE32") << "stopped: the old ROM's list";
    form->Save1->trigger();
    Boxes("in French: About, two repair questions, Yes then No, and Save", 1,
          {{&AboutText, &AboutCaption, B::Ok},
           {&repair2, &AttentionCaption, B::YesNo},
           {&repair900, &AttentionCaption, B::YesNo},
           {&nothing, &AttentionCaption, B::Ok}});
    hack.table[2] = 0x0000;
    const auto hackPath = WriteRom(hack, "hack.gba");
    const Bytes hackBefore = ReadFileBytes(hackPath);
    Open(hackPath, {A::Yes});
    EXPECT_EQ(Seen(2, 2), QString::fromUtf8("    MOVE1|Nombre de Pokémon: 165|"
                                            "Nombre d'Attaques: 973|Nombre Total: 1138"));
    form->Save1->trigger();
    Boxes("a ROM whose game reads another table, its repair in memory, then Save", 1,
          {{&ForeignTableText, &WarningCaption, B::Ok},
           {&repairHack, &AttentionCaption, B::YesNo},
           {&foreign, &AttentionCaption, B::Ok}});
    EXPECT_EQ(ReadFileBytes(hackPath), hackBefore) << "nothing reaches the file";
}

// Images whose code moved, or whose table or names were not found, one cut short
// inside its table, and files that are no ROM: what each says at load, in each
// language, and what the window shows of it after.
TEST_F(BoxSequence, HowTheTableWasFound) {
    constexpr std::int64_t Routine = 0x300000, Other = 0x300100, Names = 0x310000;
    SyntheticRom perSpecies = DefaultRom();
    perSpecies.routines.clear();
    for (std::size_t e = 0; e < perSpecies.table.size(); ++e)
        perSpecies.table[e] = static_cast<std::uint16_t>(0x0800 + 0x0111 * e);
    SyntheticRom moved = DefaultRom();
    moved.routines = {Routine};
    moved.namesAt = Names;
    moved.fillOldNames = true;
    moved.table[2] = 0x0163;  // a move past the stock ones: real in a build, no question
    moved.table[3] = SpeciesEntryBase + 412;
    SyntheticRom twice = moved;
    twice.routines = {Routine, Other};
    SyntheticRom unnamed = DefaultRom();
    unnamed.species[0] = GameText("NOT NAMES");
    SyntheticRom testImage = DefaultRom();
    testImage.routines.clear();
    SyntheticRom cut = DefaultRom();
    cut.size = TableOffset("BPRE") + 100;
    const StringPair cutShort = Pair(CutShortWords(ReadRom(WriteRom(cut, "build.gba").string())));
    std::filesystem::create_directory(dir / "folder.gba");
    std::ofstream(dir / "short.gba") << "tiny";

    TableLocation two;
    two.routines = {Routine, Other};
    const auto at = [](std::int64_t offset) {
        TableLocation routine;
        routine.routines = {offset};
        return Pair(TableSourceWords(routine));
    };
    const StringPair noTable = Pair(NoTableWords()), several = Pair(SeveralRoutinesWords(two)),
                     noNames = Pair(NoNamesWords()), usual = Pair(TableSourceWords({})),
                     movedNames = Pair(NamesSourceWords({NamesFound::Moved, Names, 0})),
                     numbers = Pair(NamesSourceWords({})), through = at(Routine),
                     known = at(0x45C28);  // the game's own routine
    const auto join = [](const StringPair& table, const StringPair* names, int language) {
        std::string text = table.text[language];
        if (names) text += ", " + names->text[language];
        return FromAnsi(text);
    };
    const struct {
        const char* what;
        const SyntheticRom& image;
        std::vector<std::tuple<const StringPair*, const StringPair*, B>> boxes;
        const StringPair& table;
        const StringPair* names;
        const char* rows;  // rows 2 and 3 of the list
    } cases[] = {
        {"a build whose code moved, its names too",
         moved,
         {},
         through,
         &movedNames,
         "    #355|#412"},
        {"the routine twice, away from its place",
         twice,
         {{&several, &WarningCaption, B::Ok}},
         through,
         &movedNames,
         "    #355|#412"},
        {"no names: numbers",
         unnamed,
         {{&noNames, &WarningCaption, B::Ok}},
         known,
         &numbers,
         "    #32|    #63"},
        {"a test image without the routine",
         testImage,
         {},
         usual,
         nullptr,
         "    MOVE32|    MOVE63"},
        {"cut short inside its table",
         cut,
         {{&cutShort, &WarningCaption, B::Ok}},
         known,
         nullptr,
         "    MOVE32|    MOVE63"},
    };
    for (int language : {0, 1}) {
        language ? form->Francais1->trigger() : form->English1->trigger();
        for (const auto& c : cases) {
            const auto path = WriteRom(c.image, "build.gba");
            const Bytes before = ReadFileBytes(path);
            Open(path);
            Boxes(c.what, language, c.boxes);
            EXPECT_EQ(Seen(2, 3).section('|', 0, 1), c.rows) << c.what;
            EXPECT_EQ(form->StatusSource->text(), join(c.table, c.names, language)) << c.what;
            EXPECT_EQ(ReadFileBytes(path), before) << c.what << ": nothing written at load";
        }
        // A file with no table is refused, and the ROM shown stays whole: still
        // saved, still listed, its path and how it was found still in the status bar.
        const auto shown = WriteRom(DefaultRom(), "shown.gba");
        Open(shown);
        Edit();
        const QString list = Seen(0, 3), status = form->StatusPath->text();
        const auto refused = WriteRom(perSpecies, "per-species.gba");
        const Bytes before = ReadFileBytes(refused);
        Open(refused, {MessageAnswer::Save});
        form->Save1->trigger();
        const StringPair saveShown{
            {"Save the changes to shown.gba?", "Enregistrer les modifications de shown.gba ?"}};
        Boxes("a per-species base after an edited ROM, then Save", language,
              {{&saveShown, &WarningCaption, B::SaveDiscardCancel},
               {&SavedText, &AttentionCaption, B::Ok},
               {&noTable, &AttentionCaption, B::Ok},
               {&SavedText, &AttentionCaption, B::Ok}});
        EXPECT_EQ(ReadFileBytes(refused), before) << "nothing written to the refused file";
        for (const char* name : {"none.gba", "folder.gba", "short.gba"}) {
            const std::string path = (dir / name).string();
            const StringPair why = Pair(OpenProblemWords(CheckRomPath(path), path));
            Open(dir / name);
            Boxes(name, language, {{&why, &AttentionCaption, B::Ok}});
        }
        EXPECT_EQ(Seen(0, 3), list);
        EXPECT_EQ(form->StatusPath->text(), status);
        EXPECT_EQ(form->StatusSource->text(), join(known, nullptr, language));
    }
}

}  // namespace
