// The one window: its controls, menus and dialogs, and the handlers of every
// user action. The handlers stay thin: read the indexes, call the core, refill.
#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>

#include "eggmoves/history.h"
#include "eggmoves/words.h"
#include "rom/loader.h"
#include "ui/prompter.h"

class CheckDock;
class QAction;
class QComboBox;
class QLineEdit;
class QUndoStack;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
struct SaveOutcome;
struct StringPair;

// Where QSettings keeps the language and the recent files, as in the desktop id.
inline constexpr const char* SettingsOrganization = "org.example";
inline constexpr const char* SettingsApplication = "quenmark";

class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm1(Prompter& prompter, QWidget* parent = nullptr);
    ~TForm1() override;

    // Menus.
    QMenuBar* MainMenu1;
    QMenu* File1;
    QAction* Open1;
    QMenu* OpenRecent1;
    QAction* Save1;
    QAction* SaveAs1;
    QAction* Import1;
    QAction* EnlargeTable1;
    QAction* Exit1;
    QMenu* Edit1;
    QAction* Undo1;
    QAction* Redo1;
    QAction* Find1;
    QAction* Check1;
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
    QLabel* FreeLabel;
    QLineEdit* FindEdit;
    QLabel* StatusPath;
    // How the open ROM's table and names were found, in the language in force.
    QLabel* StatusSource;
    CheckDock* CheckDock1;

    // Every edit since the load; its clean state is the saved table.
    QUndoStack* UndoStack;

    // The ROM the window shows: its names, table, lines and counters. Set by the
    // first file identified and never cleared: a ROM has been loaded at least once.
    Rom LoadedRom;
    bool FileOpen = false;

    // The dialogs: each holds the name confirmed last.
    FileDialog OpenDialog1;
    FileDialog SaveTextFileDialog1;
    FileDialog ImportDialog1;
    FileDialog SaveRomDialog1;

    // Handlers.
    void Open1Click();
    void Save1Click();
    // Writes the table into a copy of the ROM, which the window then works on.
    void SaveAs1Click();
    void Import1Click();
    void Find1Click();
    // Opens the check beside the list; it follows every edit while open.
    void Check1Click();
    // The next row after the current one (before it, backwards) whose line holds
    // the find text, around the ends; the current row itself when from is true.
    void FindNext(bool backwards = false, bool from = false);
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
    // Loads path as File, Open does once its dialog is confirmed.
    void OpenFile(const QString& path);
    // Opens a file of the Open Recent list, or drops it from the list when gone.
    void OpenRecentFile(const QString& path);
    // With unsaved edits, asks whether to save them first: false to stay as is.
    bool MayDiscardEdits();
    // The title, recent files and status bar of the ROM now worked on.
    void ShowOpened(const QString& path);
    // The ROM's name, "[read-only]" when it cannot be written, and the program.
    void ShowTitle();
    // How the ROM shown was found, in the language in force.
    void ShowSource();
    void FillRecentMenu();
    void FillListBox();
    void SetLanguage(int index);
    void SetMenuCaptions();
    void SetButtonCaptions();
    void SetLabelCaptions();
    // The selected row of ListBox1, or -1.
    int SelectedRow() const;
    // Selects row and keeps it in view.
    void SelectRow(int row);
    // Shows the entry of row in the drop-down, when a choice names it.
    void ShowEntryChoice(int row);

  protected:
    // Where the table and names of the ROM shown were found, from its load.
    Words OpenedSource;

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildMenus();
    void BuildFind();
    // Makes room for the check dock as it opens: its width, and the window's.
    void FitCheckDock();
    void ShowTable();
    // Redraws what an edit done or undone changed, and selects the row it names.
    void ShowEdit(const Edit& edit, bool undone);
    bool SaveRom();
    bool SaveRomAs();
    // With an error-level finding, asks whether to save anyway.
    bool MaySaveFindings();
    // Runs save, asking before it writes over another program's changes, and
    // tells its outcome; true when written.
    bool Saved(const std::function<SaveOutcome(bool overwrite)>& save, const std::string& file);
    // Enlarge Table's dialog and edit; false when nothing was added.
    bool EnlargeTable();
    void SetUndoCaptions();
    void Push(std::optional<Edit> edit);
    void BuildControls();
    void EnableControls();
    void FillComboBox();
    MessageAnswer ShowMessage(const StringPair& text, const StringPair& title,
                              MessageButtons buttons);
    void ShowMessage(const std::string& text, const StringPair& title);

    Prompter& prompter_;
};
