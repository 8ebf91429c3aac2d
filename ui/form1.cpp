#include "ui/form1.h"

#include <QActionGroup>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>
#include <utility>

#include "eggmoves/editing.h"
#include "eggmoves/table.h"
#include "rom/open_problem.h"
#include "rom/place_words.h"
#include "rom/repair.h"
#include "rom/rom_file.h"
#include "ui/ansi.h"
#include "ui/check_dock.h"
#include "ui/edit_commands.h"
#include "ui/font.h"
#include "ui/paths.h"
#include "ui/qt_translation.h"
#include "ui/recent_files.h"
#include "ui/strings.h"

namespace {

// The window's first size, designed at 96 dpi.
constexpr int ClientWidth = 354;
constexpr int ClientHeight = 432;

// Program texts as the rows of a list or drop-down.
template <typename Texts>
QStringList Items(const Texts& texts) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) items.append(FromAnsi(text));
    return items;
}

}  // namespace

TForm1::TForm1(Prompter& prompter, QWidget* parent) : QMainWindow(parent), prompter_(prompter) {
    setWindowTitle(WindowCaption);
    setFont(ProgramFont());

    BuildMenus();
    BuildControls();

    OpenDialog1.mode = FileDialog::Mode::Open;
    OpenDialog1.filters = {"Gameboy Advance Roms (*.gba)", "All Files (*.*)"};
    OpenDialog1.defaultSuffix = "gba";
    SaveTextFileDialog1.mode = FileDialog::Mode::Save;
    SaveTextFileDialog1.filters = {"Text Documents (*.txt)"};
    SaveTextFileDialog1.defaultSuffix = "txt";
    SaveTextFileDialog1.fileName = "EggMoves.txt";

    SaveRomDialog1.mode = FileDialog::Mode::Save;
    SaveRomDialog1.filters = {"Gameboy Advance Roms (*.gba)"};
    SaveRomDialog1.defaultSuffix = "gba";

    ImportDialog1.mode = FileDialog::Mode::Open;
    ImportDialog1.filters = {"Egg Move Tables (*.txt *.csv *.json *.h)", "All Files (*.*)"};
    setAcceptDrops(true);

    FillStringPairs();
    // The language chosen last; English the first time.
    const bool french =
        QSettings(SettingsOrganization, SettingsApplication).value("language").toInt() == 1;
    SetLanguage(french ? 1 : 0);
    (french ? Francais1 : English1)->setChecked(true);

    // Where it was last closed; the design's size, centred, the first time.
    if (!restoreGeometry(
            QSettings(SettingsOrganization, SettingsApplication).value("geometry").toByteArray())) {
        resize(ClientWidth,
               ClientHeight + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
}

TForm1::~TForm1() {
    // The stack clears itself as it goes, after the menus it would update.
    UndoStack->disconnect();
}

MessageAnswer TForm1::ShowMessage(const StringPair& text, const StringPair& title,
                                  MessageButtons buttons) {
    // Looked up now, so a box always speaks the language in force.
    return prompter_.ShowMessage(this, Text(text), Text(title), buttons);
}

void TForm1::ShowMessage(const std::string& text, const StringPair& title) {
    prompter_.ShowMessage(this, text, Text(title), MessageButtons::Ok);
}

void TForm1::FillComboBox() {
    ComboBox1->clear();
    ComboBox1->addItems(Items(EntryChoices(LoadedRom.names)));
    ComboBox1->setCurrentIndex(0);
}

void TForm1::FillListBox() {
    ListBox1->clear();
    ListBox1->addItems(Items(LoadedRom.list.EggMoveListLines));
}

int TForm1::SelectedRow() const {
    const QModelIndexList rows = ListBox1->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// ---- Editing ----

// Without a selected row or a choice nothing is edited, and no step is pushed:
// that would drop the steps that could be redone.
void TForm1::ChangeButtonClick() {
    Push(ChangeEdit(LoadedRom.list, LoadedRom.names, SelectedRow(), ComboBox1->currentIndex()));
}

void TForm1::DeleteButtonClick() {
    Push(DeleteEdit(LoadedRom.list, SelectedRow()));
}

void TForm1::Push(std::optional<Edit> edit) {
    // Without a selected row or a choice nothing is edited, and the steps that
    // could be redone stay.
    if (!edit) return;
    UndoStack->push(
        new TableEdit(LoadedRom, std::move(*edit),
                      [this](const Edit& done, bool undone) { ShowEdit(done, undone); }));
}

// Only the rows an edit moved are redrawn, so that an edit stays quick at any size.
void TForm1::ShowEdit(const Edit& edit, bool undone) {
    const std::vector<std::string>& lines = LoadedRom.list.EggMoveListLines;
    const int last = static_cast<int>(lines.size()) - 1;
    // An Insert done or a Delete undone: the row comes in, the last row falls off.
    const bool rowIn = (edit.kind == EditKind::Insert) != undone;
    if (edit.kind == EditKind::Change) {
        ListBox1->item(edit.row)->setText(FromAnsi(lines[edit.row]));
    } else if (edit.kind == EditKind::Insert || edit.kind == EditKind::Delete) {
        const QSignalBlocker quiet(ListBox1);
        delete ListBox1->takeItem(rowIn ? last : edit.row);
        if (rowIn)
            ListBox1->insertItem(edit.row, FromAnsi(lines[edit.row]));
        else
            ListBox1->addItem(FromAnsi(lines[last]));
    } else {
        FillListBox();
    }
    SetLabelCaptions();
    if (!CheckDock1->isHidden()) CheckDock1->Fill(LoadedRom, LanguageIndex);
    SelectRow(SelectionAfter(edit, undone, LoadedRom.list));
    // The selection goes one row past an inserted entry; the entry itself stays
    // in view too, also when the view comes from far away (an Enlarge at the end).
    if (edit.kind == EditKind::Insert && !undone) ListBox1->scrollToItem(ListBox1->item(edit.row));
}

void TForm1::ShowTable() {
    FillListBox();
    SetLabelCaptions();
    if (!CheckDock1->isHidden()) CheckDock1->Fill(LoadedRom, LanguageIndex);
}

void TForm1::SelectRow(int row) {
    ListBox1->setCurrentRow(row);
    ListBox1->scrollToItem(ListBox1->currentItem());
    // Also when the row was current already: an edit may have changed its entry.
    ShowEntryChoice(row);
}

void TForm1::ShowEntryChoice(int row) {
    const EggMoveEntries& table = LoadedRom.list.EggMoveTable;
    if (row < 0 || static_cast<std::size_t>(row) >= table.size()) return;
    // An end mark or an illegal entry names no choice: the drop-down stays.
    if (const int choice = ChoiceForEntry(table[row]); choice >= 0)
        ComboBox1->setCurrentIndex(choice);
}

// ---- Check ----

void TForm1::Check1Click() {
    const bool opening = CheckDock1->isHidden();
    CheckDock1->Fill(LoadedRom, LanguageIndex);
    if (opening) FitCheckDock();
    CheckDock1->show();
    CheckDock1->raise();
    // Set once shown, when the dock has its place beside the list.
    if (opening) resizeDocks({CheckDock1}, {CheckDock1->OpenWidth}, Qt::Horizontal);
}

void TForm1::FitCheckDock() {
    // Its longest line or a third of the window, whichever is wider.
    CheckDock1->OpenWidth = std::max(CheckDock1->WidthWanted(), width() / 3);
    // The list keeps its least width: a window too narrow for both grows, as far
    // as its screen lets it, and the dock takes what there is.
    const int spare = centralWidget()->width() - centralWidget()->minimumSizeHint().width();
    const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    const int grow = CheckDock1->OpenWidth + separator - spare;
    const QScreen* shown = screen();
    if (grow <= 0 || !shown) return;
    // Within the screen: wider only as far as it reaches, and moved back from its
    // right edge when the growth would cross it.
    const QRect room = shown->availableGeometry();
    const int frame = frameGeometry().width() - width();
    resize(std::max(width(), std::min(width() + grow, room.width() - frame)), height());
    if (const int over = frameGeometry().right() - room.right(); over > 0)
        move(std::max(room.left(), x() - over), y());
}

// ---- Help and exit ----

void TForm1::About1Click() {
    ShowMessage(AboutText, AboutCaption, MessageButtons::Ok);
}

void TForm1::VersionsCompatible1Click() {
    ShowMessage(VersionsText, VersionsCaption, MessageButtons::Ok);
}

void TForm1::Exit1Click() {
    close();
}
