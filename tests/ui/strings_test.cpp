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

// The pairs are written as Windows-1252 escapes; the longest ones are compared
// with their readable form (the captions are in the window's tests).
TEST(StringPairs, TextsDecodeAsWritten) {
    FillStringPairs();
    EXPECT_EQ(FromAnsi(FileAlreadyOpenText.text[1]),
              QString::fromUtf8("Un fichier est déja ouvert. Êtes-vous sûr de vouloir ouvrir un "
                                "autre? Toutes les données non sauvegardées seront perdues."));
    EXPECT_EQ(FromAnsi(UnsupportedRomText.text[1]),
              QString::fromUtf8("Désolé, mais la rom que vous avez choisie n'est pas compatible "
                                "avec cette programme encore, ou n'est pas une rom Pokémon de la "
                                "génération GBA."));
    for (int language : {0, 1}) {
        const QStringList lines = FromAnsi(BuildAboutText(language)).split('\n');
        ASSERT_EQ(lines.size(), 10);
        EXPECT_EQ(lines.mid(0, 2), QStringList({"Quenmark", "Version 1.21"}));
        EXPECT_EQ(lines[3], language ? "25 Octobre 2009" : "October 25th, 2009");
        EXPECT_TRUE(lines[7].endsWith(QString(" ") + HomePage + "."));
        for (int empty : {4, 6, 8}) EXPECT_EQ(lines[empty], "");
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
