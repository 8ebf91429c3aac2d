#include <functional>

#include "tests/support/openers.h"
#include "tests/ui/form_fixture.h"

namespace {

using Boxes = FormTest;
using A = MessageAnswer;
using B = MessageButtons;

ShownMessage Box(const StringPair& text, const StringPair& title, B buttons, int language) {
    return {text.text[language], title.text[language], buttons};
}

// Every box the window shows, in an order a user meets them, each with its text
// in the language in force, its title and its buttons.
TEST_F(Boxes, EachBoxWithItsTextTitleAndButtons) {
    WriteFileBytes(dir / "junk.gba", Bytes(300, 0x42));
    const auto rom = WriteRom(DefaultRom());
    SyntheticRom broken = DefaultRom();
    broken.table[2] = 0x0163;
    broken.table[900] = 0x2222;
    const auto bad = WriteRom(broken, "bad.gba");
    SyntheticRom hack = DefaultRom("BPRE", 1);
    hack.words = GameWordsFor(0x700000);  // a table that is not in this file
    const auto foreign = WriteRom(hack, "hack.gba");
    const auto save = [this] { form->Save1->trigger(); };

    const struct {
        const char* what;
        std::function<void()> act;
        std::vector<ShownMessage> boxes;
    } steps[] = {
        {"About", [&] { form->About1->trigger(); }, {Box(AboutText, AboutCaption, B::Ok, 0)}},
        {"Versions Compatible",
         [&] { form->VersionsCompatible1->trigger(); },
         {Box(VersionsText, VersionsCaption, B::Ok, 0)}},
        {"a first file of no release",
         [&] { Open(dir / "junk.gba"); },
         {Box(UnsupportedRomText, AttentionCaption, B::Ok, 0)}},
        {"Save with no ROM", save, {Box(NothingToSaveText, AttentionCaption, B::Ok, 0)}},
        {"a ROM, with no replace question yet", [&] { Open(rom); }, {}},
        {"the replace question answered No, which shows no dialog",
         [&] {
             prompter.answers = {A::No};
             form->Open1Click();
         },
         {Box(FileAlreadyOpenText, WarningCaption, B::YesNoDefaultNo, 0)}},
        {"Save", save, {Box(SavedText, AttentionCaption, B::Ok, 0)}},
        {"Save into a file that cannot be written",
         [&] {
             ScopedOpener refuse(RefusingOpener);
             save();
         },
         {Box(SaveFailedText, AttentionCaption, B::Ok, 0)}},
        {"About in French",
         [&] {
             form->Francais1->trigger();
             form->About1->trigger();
         },
         {Box(AboutText, AboutCaption, B::Ok, 1)}},
        {"two repair questions, Yes then No",
         [&] {
             Open(bad, {A::Yes, A::Yes, A::No});
         },
         {Box(FileAlreadyOpenText, WarningCaption, B::YesNoDefaultNo, 1),
          Box(CorruptedEntryText, AttentionCaption, B::YesNo, 1),
          Box(CorruptedEntryText, AttentionCaption, B::YesNo, 1)}},
        {"Save after a load stopped by No",
         save,
         {Box(NothingToSaveText, AttentionCaption, B::Ok, 1)}},
        {"a ROM whose game reads another table, then Save",
         [&] {
             Open(foreign, {A::Yes});
             save();
         },
         {Box(FileAlreadyOpenText, WarningCaption, B::YesNoDefaultNo, 1),
          Box(ForeignTableText, WarningCaption, B::Ok, 1),
          Box(ReadOnlySaveText, AttentionCaption, B::Ok, 1)}},
    };
    for (const auto& step : steps) {
        prompter.messages.clear();
        step.act();
        EXPECT_EQ(prompter.messages.size(), step.boxes.size()) << step.what;
        EXPECT_TRUE(prompter.messages == step.boxes) << step.what;
    }
    EXPECT_EQ(ReadFileBytes(foreign).size(), RomSize(hack));
}

}  // namespace
