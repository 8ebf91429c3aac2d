#include "ui/strings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/ansi.h"
#include "ui/prompter.h"

namespace {

TEST(Ansi, Windows1252LettersOutsideLatin1) {
    EXPECT_EQ(FromAnsi("\x8C\x9C\xE9"), QString::fromUtf8("Œœé"));
    EXPECT_EQ(FromAnsi("[K\xE9]\\n"), QString::fromUtf8("[Ké]\\n"));
    EXPECT_EQ(FromAnsi(""), QString());
}

// The pairs are written as Windows-1252 escapes; the message texts are compared
// with their readable form here (the captions are in the window's tests).
TEST(StringPairs, MessageTextsDecodeAsWritten) {
    FillStringPairs();
    const std::pair<const StringPair*, const char*> french[] = {
        {&FileAlreadyOpenText,
         "Un fichier est déja ouvert. Êtes-vous sûr de vouloir ouvrir un autre? Toutes les "
         "données non sauvegardées seront perdues."},
        {&UnsupportedRomText,
         "Désolé, mais la rom que vous avez choisie n'est pas compatible avec cette programme "
         "encore, ou n'est pas une rom Pokémon de la génération GBA."},
        {&SavedText, "La rom a bien été sauvegardée!"},
        {&CorruptedEntryText,
         "Une entrée de la liste des attaques des oeufs est corrompue. Voulez-vous que cette "
         "programme le fixe?"},
        {&VersionsText, "Anglais, Français - Rubis, Saphir, Emeraude, Rouge Feu, et Vert Feuille"},
    };
    for (const auto& [pair, text] : french)
        EXPECT_EQ(FromAnsi(pair->text[1]), QString::fromUtf8(text));
    EXPECT_EQ(UnsupportedRomText.text[0],
              "Sorry, but the rom you chose isn't supported by this program yet, or isn't a "
              "generation III Pok\xE9mon rom.");
}

TEST(StringPairs, AboutTextLines) {
    const struct {
        int language;
        std::vector<std::string> firstLines;
        const char* descriptionStart;
    } cases[] = {
        {0,
         {"Quenmark", "Version 1.21", "by the Quenmark developers", "October 25th, 2009", ""},
         "This program edits"},
        {1,
         {"Quenmark", "Version 1.21", "par les d\xE9veloppeurs de Quenmark", "25 Octobre 2009", ""},
         "Cette programme"},
    };
    for (const auto& c : cases) {
        const QStringList lines = FromAnsi(BuildAboutText(c.language)).split('\n');
        ASSERT_EQ(lines.size(), 10);
        for (std::size_t i = 0; i < c.firstLines.size(); ++i)
            EXPECT_EQ(lines[i], FromAnsi(c.firstLines[i])) << c.language << " line " << i;
        EXPECT_TRUE(lines[5].startsWith(c.descriptionStart));
        EXPECT_EQ(lines[6], "");
        EXPECT_TRUE(lines[7].endsWith(QString(" ") + HomePage + "."));
        EXPECT_EQ(lines[8], "");
        EXPECT_FALSE(lines[9].isEmpty());
    }
}

// Drives the real Qt message box: no icon, plain text, the default button, and
// Escape answering No.
TEST(QtPrompterBox, ButtonSetsAndEscape) {
    const struct {
        MessageButtons buttons;
        QMessageBox::StandardButton defaultButton;
        MessageAnswer onEscape;
    } cases[] = {
        {MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageButtons::YesNo, QMessageBox::Yes, MessageAnswer::No},
        {MessageButtons::YesNoDefaultNo, QMessageBox::No, MessageAnswer::No},
    };
    for (const auto& c : cases) {
        QString seenText;
        int seenIcon = -1, seenFormat = -1;
        bool rightDefault = false, iconsOnButtons = true;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seenText = box->text();
            seenIcon = box->icon();
            seenFormat = box->textFormat();
            rightDefault = box->defaultButton() == box->button(c.defaultButton);
            iconsOnButtons = !box->defaultButton()->icon().isNull();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QtPrompter prompter;
        const MessageAnswer answer = prompter.ShowMessage(nullptr, "a < b \xE9", "T", c.buttons);
        EXPECT_EQ(answer, c.onEscape);
        EXPECT_EQ(seenText, QString::fromUtf8("a < b é"));
        EXPECT_EQ(seenIcon, QMessageBox::NoIcon);
        EXPECT_EQ(seenFormat, Qt::PlainText);
        EXPECT_TRUE(rightDefault);
        EXPECT_FALSE(iconsOnButtons);
    }
}

}  // namespace
