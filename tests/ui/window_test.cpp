#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "tests/ui/form_fixture.h"
#include "ui/ansi.h"

namespace {

// Every control shown whole and apart from the others, the left column at its
// size and in its order, the list taking the room with the counters under it:
// at the design's size and maximised, in both languages.
TEST_F(FormTest, TheLayoutFromTheDesignSizeToFullScreen) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{form->ExportButton, form->ListBox1, form->FreeLabel})
        EXPECT_FALSE(control->isEnabled());
    for (const QAction* item : {form->Save1, form->Import1, form->Undo1, form->Redo1, form->Find1,
                                form->Check1, form->EnlargeTable1, form->OpenRecent1->menuAction()})
        EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
    Open(WriteRom(DefaultRom()));
    form->show();
    EXPECT_EQ(form->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    const QWidget* client = form->centralWidget();
    const QWidget* column[] = {form->ExportButton, form->ChangeButton, form->InsertButton,
                               form->ComboBox1, form->DeleteButton};
    const QWidget* counters[] = {form->PokemonLabel, form->MovesLabel, form->TotalLabel,
                                 form->FreeLabel};
    int designHeight = 0;
    for (const bool maximised : {false, true})
        for (QAction* language : {form->Francais1, form->English1}) {
            if (maximised) form->showMaximized();
            language->trigger();
            QApplication::processEvents();
            const QString where = QString("%1 %2").arg(maximised).arg(LanguageIndex);
            // The lines that say how the table was found take up to three lines of
            // the list's room.
            const int lines = 432 - client->height();
            EXPECT_EQ(
                client->width() == 354 && lines >= 0 && lines <= 3 * form->fontMetrics().height(),
                !maximised)
                << where.toStdString();
            std::vector<const QWidget*> all(std::begin(column), std::end(column));
            all.insert(all.end(), std::begin(counters), std::end(counters));
            all.push_back(form->ListBox1);
            for (std::size_t i = 0; i < all.size(); ++i) {
                const std::string name = where.toStdString() + " " + std::to_string(i);
                EXPECT_TRUE(all[i]->isVisible()) << name;
                EXPECT_TRUE(client->rect().contains(all[i]->geometry())) << name;
                const int needed = all[i] == form->ListBox1 ? 160 : all[i]->sizeHint().width();
                EXPECT_GE(all[i]->width(), needed) << name << " is cut";
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_FALSE(all[i]->geometry().intersects(all[j]->geometry())) << name << j;
            }
            for (std::size_t i = 0; i < std::size(column); ++i) {
                EXPECT_EQ(column[i]->width(), 170);
                EXPECT_GT(column[i]->y(), i ? column[i - 1]->y() : -1);
            }
            for (const QWidget* counter : counters)
                EXPECT_GE(counter->y(), form->ListBox1->geometry().bottom());
            if (!maximised) designHeight = form->ListBox1->height();
            EXPECT_EQ(form->ListBox1->height() > designHeight, maximised);
        }
}

// Every caption: the menus and their items in menu order, then the buttons, the
// labels and the window's title.
QStringList Captions(const TForm1& f) {
    QStringList captions;
    for (const QAction* menu : f.menuBar()->actions()) {
        captions << menu->text();
        for (const QAction* item : menu->menu()->actions()) {
            captions << item->text();
            for (const QAction* sub : item->menu() ? item->menu()->actions() : QList<QAction*>())
                captions << sub->text();
        }
    }
    for (const QPushButton* button : f.findChildren<QPushButton*>()) captions << button->text();
    for (const QLabel* label : f.findChildren<QLabel*>()) captions << label->text();
    return captions << f.windowTitle();
}

// The standard buttons' texts, as Qt writes them in the language in force.
QString StandardButtons() {
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Ok |
                         QDialogButtonBox::Cancel);
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) texts << button->text().remove('&');
    texts.sort();
    return texts.join('|');
}

TEST_F(FormTest, EveryCaptionInBothLanguagesAndBack) {
    const QStringList english =
        QString::fromUtf8(
            "&File|&Open|Open &Recent|&Save|Save &As...|&Import...|Enlarge "
            "&Table...|E&xit|&Edit|&Undo|&Redo|&Find...|&Check|&Options|&Language|&English|&"
            "Français|&"
            "Help|&About|"
            "&Versions Compatible|Export List as .txt|Change Entry|Insert New Entry|Delete Entry|"
            "Number of Pokémon: 0|Number of Moves: 0|Number Total: 0|Free: 0|||Quenmark")
            .split('|');
    const QStringList french =
        QString::fromUtf8(
            "&Fichier|&Ouvrir|Ouvrir un fichier &récent|&Sauvegarder|&Enregistrer "
            "sous...|&Importer...|Agrandir la "
            "&table...|&Quitter|É&dition|&Annuler|&Rétablir|Rec&hercher...|&Vérifier|&Options|&"
            "Langue|&"
            "English|&Français|&Aide|"
            "à &Propos|&Versions Compatibles|Exporter une Liste en .txt|Changer l'Entrée|"
            "Insérer une Nouvelle Entrée|Supprimer l'Entrée|Nombre de Pokémon: 0|"
            "Nombre d'Attaques: 0|Nombre Total: 0|Libres : 0|||Quenmark")
            .split('|');
    // Each menu's accelerators apart, in letters any keyboard types, in both
    // languages: Alt and a letter reaches every item.
    const auto accelerators = [this] {
        std::vector<QList<QAction*>> menus = {form->menuBar()->actions()};
        for (const QMenu* menu : form->findChildren<QMenu*>()) menus.push_back(menu->actions());
        for (const QList<QAction*>& items : menus) {
            QString keys;
            for (const QAction* item : items)
                if (const int at = item->text().indexOf('&'); at >= 0) keys += item->text()[at + 1];
            for (const QChar key : keys) {
                EXPECT_EQ(keys.count(key, Qt::CaseInsensitive), 1) << keys.toStdString();
                EXPECT_LT(key.unicode(), 0x80) << keys.toStdString();
            }
        }
    };
    EXPECT_EQ(Captions(*form), english);
    accelerators();
    EXPECT_TRUE(form->English1->isChecked() && !form->Francais1->isChecked());
    form->Francais1->trigger();
    EXPECT_EQ(Captions(*form), french);
    accelerators();
    EXPECT_EQ(StandardButtons(), "Annuler|Non|OK|Oui");
    // A click on the language in force refreshes nothing.
    form->PokemonLabel->setText("untouched");
    form->Francais1->trigger();
    EXPECT_EQ(form->PokemonLabel->text(), "untouched");
    EXPECT_TRUE(form->Francais1->isChecked() && !form->English1->isChecked());
    form->English1->trigger();
    EXPECT_EQ(Captions(*form), english);
    EXPECT_EQ(StandardButtons(), "Cancel|No|OK|Yes");
    EXPECT_TRUE(form->English1->isChecked() && !form->Francais1->isChecked());
    EXPECT_FALSE(form->Save1->isEnabled()) << "a switch enables nothing";
}

// Program text is Windows-1252, written as escapes: it must decode as written,
// letters outside Latin-1 included. The captions are in the window's tests.
TEST(StringPairs, TextsDecodeAsWritten) {
    FillStringPairs();
    EXPECT_EQ(FromAnsi("\x8C\x9C" + ExportFailedText.text[1].substr(0, 20)),
              QString::fromUtf8("Œœ%1 n'a pas pu être é"));
    for (int language : {0, 1}) {
        const QStringList lines = FromAnsi(BuildAboutText(language)).split('\n');
        ASSERT_EQ(lines.size(), 10);
        EXPECT_EQ(lines.mid(0, 2), QStringList({"Quenmark", "Version 1.21"}));
        EXPECT_EQ(lines[3], language ? "25 Octobre 2009" : "October 25th, 2009");
        EXPECT_TRUE(lines[7].endsWith(QString(" ") + HomePage + "."));
        for (int empty : {4, 6, 8}) EXPECT_EQ(lines[empty], "");
    }
}

// The real Qt box: no icon anywhere, plain text, the default button, and Escape
// answering No.
TEST(QtPrompterBox, ButtonSetsAndEscape) {
    struct Case {
        MessageButtons buttons;
        const char* defaultText;  // the default button's text
        MessageAnswer escape;
    };
    FillStringPairs();
    const Case cases[] = {
        {MessageButtons::Ok, "OK", MessageAnswer::Ok},
        {MessageButtons::YesNoDefaultNo, "&No", MessageAnswer::No},
        {MessageButtons::SaveDiscardCancel, "&Save", MessageAnswer::Cancel},
        {MessageButtons::OverwriteReloadCancel, "Cancel", MessageAnswer::Cancel},
        {MessageButtons::EnlargeInsertCancel, "&Enlarge Table...", MessageAnswer::Cancel},
        {MessageButtons::InsertCancel, "Cancel", MessageAnswer::Cancel},
    };
    for (const auto& [buttons, defaultText, escape] : cases) {
        QString seen;
        QTimer::singleShot(0, [&, defaultText = defaultText] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            const bool plain = box->icon() == QMessageBox::NoIcon &&
                               box->textFormat() == Qt::PlainText &&
                               box->defaultButton()->icon().isNull();
            if (plain && box->defaultButton()->text() == defaultText) seen = box->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QtPrompter prompter;
        const MessageAnswer answer = prompter.ShowMessage(nullptr, "a < b \xE9", "T", buttons);
        EXPECT_EQ(answer, escape);
        EXPECT_EQ(seen, QString::fromUtf8("a < b é")) << defaultText;
    }
}

// The real count question: the number it proposes and its bounds, the number
// typed over it, and none on Cancel.
TEST(QtPrompterCount, TakesTheNumberTypedAndNoneOnCancel) {
    for (const bool confirm : {false, true}) {
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            auto* count = box ? box->findChild<QSpinBox*>() : nullptr;
            ASSERT_NE(count, nullptr);
            EXPECT_EQ(box->windowTitle(), "Enlarge");
            EXPECT_EQ(std::tuple(count->value(), count->minimum(), count->maximum()),
                      std::tuple(5, 1, 20));
            QTest::keyClicks(count, "12");  // over the proposal, which starts selected
            QTest::keyClick(box, confirm ? Qt::Key_Return : Qt::Key_Escape);
        });
        const CountQuestion question{"Enlarge", "How many?", "OK", "Cancel", 20, 5};
        EXPECT_EQ(QtPrompter().AskCount(nullptr, question),
                  confirm ? std::optional(12) : std::nullopt);
    }
}

// A handler that throws is reported in an error box, and the event loop goes on
// with the window and its edits.
TEST(QuenmarkApplication, ReportsAThrowingHandlerAndGoesOn) {
    struct Thrower : QObject {
        bool event(QEvent*) override { throw std::runtime_error("out of memory"); }
    } thrower;
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QEvent event(QEvent::User);
    EXPECT_FALSE(QApplication::sendEvent(&thrower, &event)) << "a thrown event is not handled";
    EXPECT_EQ(shown, "out of memory");
}

// The real file dialog proposes the name it holds, and only a confirmed one is taken.
TEST(QtPrompterDialog, ProposesTheNameItHoldsAndTakesNoneOnCancel) {
    TempDir dir;
    FileDialog dialog{FileDialog::Mode::Save,
                      {"Text Documents (*.txt)"},
                      "txt",
                      QString::fromStdString((dir / "EggMoves.txt").string())};
    for (const bool confirm : {false, true}) {
        QString proposed;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            // The dialog itself asks before an export replaces a file.
            if (!box->testOption(QFileDialog::DontConfirmOverwrite))
                proposed = box->selectedFiles().value(0);
            QTest::keyClick(box, confirm ? Qt::Key_Return : Qt::Key_Escape);
            if (box->isVisible()) box->close();  // a dialog with no name would stay open
        });
        EXPECT_EQ(QtPrompter().ExecuteFileDialog(nullptr, dialog), confirm);
        EXPECT_TRUE(proposed.endsWith("/EggMoves.txt")) << proposed.toStdString();
    }
}

}  // namespace
