// The one window: its controls, menus and dialogs, and the handlers of every
// user action. The handlers stay thin: read the indexes, call the core, refill.
#pragma once

#include <QMainWindow>
#include <string>

#include "rom/loader.h"
#include "ui/prompter.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
struct StringPair;

class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm1(Prompter& prompter, QWidget* parent = nullptr);

    // Menus.
    QMenuBar* MainMenu1;
    QMenu* File1;
    QAction* Open1;
    QAction* Save1;
    QAction* EnlargeTable1;
    QAction* Exit1;
    QMenu* Options1;
    QMenu* Language1;
    QAction* English1;
    QAction* Francais1;
    QMenu* Help1;
    QAction* About1;
    QAction* VersionsCompatible1;

    // Controls of the client area.
    QPushButton* ExportButton;
    QPushButton* ChangeButton;
    QPushButton* InsertButton;
    QComboBox* ComboBox1;
    QPushButton* DeleteButton;
    QListWidget* ListBox1;
    QLabel* PokemonLabel;
    QLabel* MovesLabel;
    QLabel* TotalLabel;

    // The ROM the window shows: its names, table, lines and counters. Set by the
    // first file identified and never cleared: a ROM has been loaded at least once.
    Rom LoadedRom;
    bool FileOpen = false;

    // The dialogs: each holds the name confirmed last.
    FileDialog OpenDialog1;
    FileDialog SaveTextFileDialog1;

    // Handlers.
    void Open1Click();
    void Save1Click();
    void EnlargeTable1Click();
    void Exit1Click();
    void English1Click();
    void Francais1Click();
    void About1Click();
    void VersionsCompatible1Click();
    void ExportButtonClick();
    void ChangeButtonClick();
    void InsertButtonClick();
    void DeleteButtonClick();

    // Helpers.
    void FillListBox();
    void SetLanguage(int index);
    void SetMenuCaptions();
    void SetButtonCaptions();
    void SetLabelCaptions();
    // The selected row of ListBox1, or -1.
    int SelectedRow() const;

  private:
    void BuildMenus();
    void BuildControls();
    void EnableControls();
    void FillComboBox();
    void ShowEdit(bool edited);
    MessageAnswer ShowMessage(const StringPair& text, const StringPair& title,
                              MessageButtons buttons);
    void ShowMessage(const std::string& text, const StringPair& title);

    Prompter& prompter_;
};
