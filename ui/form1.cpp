#include "ui/form1.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <utility>

#include "eggmoves/editing.h"
#include "eggmoves/export.h"
#include "eggmoves/table.h"
#include "rom/rom_file.h"
#include "rom/saver.h"
#include "ui/ansi.h"
#include "ui/font.h"
#include "ui/qt_translation.h"
#include "ui/strings.h"

namespace {

// The client area, designed at 96 dpi.
constexpr int ClientWidth = 354;
constexpr int ClientHeight = 432;

struct Place {
    int left, top, width, height;
};
constexpr Place ExportButtonPlace{8, 8, 170, 50};
constexpr Place ChangeButtonPlace{8, 64, 170, 50};
constexpr Place InsertButtonPlace{8, 120, 170, 50};
constexpr Place ComboBox1Place{8, 176, 170, 21};
constexpr Place DeleteButtonPlace{8, 203, 170, 50};
constexpr Place ListBox1Place{184, 8, 160, 414};
constexpr Place PokemonLabelPlace{8, 259, 100, 13};
constexpr Place MovesLabelPlace{8, 278, 88, 13};
constexpr Place TotalLabelPlace{8, 297, 68, 13};

template <typename Widget>
Widget* Placed(Widget* widget, const Place& p) {
    widget->setGeometry(p.left, p.top, p.width, p.height);
    return widget;
}

// Program texts as the rows of a list or drop-down.
template <typename Texts>
QStringList Items(const Texts& texts) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) items.append(FromAnsi(text));
    return items;
}

std::string RomPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace

TForm1::TForm1(Prompter& prompter, QWidget* parent) : QMainWindow(parent), prompter_(prompter) {
    setWindowTitle(WindowCaption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(ProgramFont());

    BuildMenus();
    BuildControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    OpenDialog1.mode = FileDialog::Mode::Open;
    OpenDialog1.filters = {"Gameboy Advance Roms (*.gba)", "All Files (*.*)"};
    OpenDialog1.defaultSuffix = "gba";
    SaveTextFileDialog1.mode = FileDialog::Mode::Save;
    SaveTextFileDialog1.filters = {"Text Documents (*.txt)"};
    SaveTextFileDialog1.defaultSuffix = "txt";
    SaveTextFileDialog1.fileName = "EggMoves.txt";

    FillStringPairs();
    SetLanguage(0);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::BuildMenus() {
    MainMenu1 = menuBar();
    File1 = MainMenu1->addMenu(QString());
    Open1 = File1->addAction(QString(), this, &TForm1::Open1Click);
    Save1 = File1->addAction(QString(), this, &TForm1::Save1Click);
    Save1->setEnabled(false);
    EnlargeTable1 = File1->addAction(QString(), this, &TForm1::EnlargeTable1Click);
    EnlargeTable1->setEnabled(false);
    Exit1 = File1->addAction(QString(), this, &TForm1::Exit1Click);

    Options1 = MainMenu1->addMenu(QString());
    Language1 = Options1->addMenu(QString());
    auto* languages = new QActionGroup(this);
    English1 = Language1->addAction(FromAnsi(EnglishItemCaption), this, &TForm1::English1Click);
    Francais1 = Language1->addAction(FromAnsi(FrenchItemCaption), this, &TForm1::Francais1Click);
    for (QAction* item : {English1, Francais1}) {
        item->setCheckable(true);
        languages->addAction(item);
    }
    English1->setChecked(true);

    Help1 = MainMenu1->addMenu(QString());
    About1 = Help1->addAction(QString(), this, &TForm1::About1Click);
    VersionsCompatible1 = Help1->addAction(QString(), this, &TForm1::VersionsCompatible1Click);
}

void TForm1::BuildControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    ExportButton = Placed(new QPushButton(client), ExportButtonPlace);
    ChangeButton = Placed(new QPushButton(client), ChangeButtonPlace);
    InsertButton = Placed(new QPushButton(client), InsertButtonPlace);
    ComboBox1 = Placed(new QComboBox(client), ComboBox1Place);
    DeleteButton = Placed(new QPushButton(client), DeleteButtonPlace);
    ListBox1 = Placed(new QListWidget(client), ListBox1Place);
    PokemonLabel = Placed(new QLabel(client), PokemonLabelPlace);
    MovesLabel = Placed(new QLabel(client), MovesLabelPlace);
    TotalLabel = Placed(new QLabel(client), TotalLabelPlace);

    ComboBox1->setEditable(false);
    ComboBox1->setMaxVisibleItems(10);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setSortingEnabled(false);
    ListBox1->setUniformItemSizes(true);  // keeps a refill of 1138 rows cheap

    connect(ExportButton, &QPushButton::clicked, this, &TForm1::ExportButtonClick);
    connect(ChangeButton, &QPushButton::clicked, this, &TForm1::ChangeButtonClick);
    connect(InsertButton, &QPushButton::clicked, this, &TForm1::InsertButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TForm1::DeleteButtonClick);

    // Tab goes down the left column, then to the list.
    QWidget* previous = ExportButton;
    for (QWidget* next : std::initializer_list<QWidget*>{ChangeButton, InsertButton, ComboBox1,
                                                         DeleteButton, ListBox1})
        setTabOrder(std::exchange(previous, next), next);
    for (QWidget* w : std::initializer_list<QWidget*>{ExportButton, ChangeButton, InsertButton,
                                                      ComboBox1, DeleteButton, ListBox1,
                                                      PokemonLabel, MovesLabel, TotalLabel})
        w->setEnabled(false);
}

void TForm1::EnableControls() {
    Save1->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{ExportButton, ChangeButton, InsertButton,
                                                      ComboBox1, DeleteButton, PokemonLabel,
                                                      MovesLabel, TotalLabel, ListBox1})
        w->setEnabled(true);
}

MessageAnswer TForm1::ShowMessage(const StringPair& text, const StringPair& title,
                                  MessageButtons buttons) {
    // Looked up now, so a box always speaks the language in force.
    return prompter_.ShowMessage(this, Text(text), Text(title), buttons);
}

void TForm1::ShowMessage(const std::string& text, const StringPair& title) {
    prompter_.ShowMessage(this, text, Text(title), MessageButtons::Ok);
}

// ---- Loading ----

void TForm1::Open1Click() {
    if (FileOpen && ShowMessage(FileAlreadyOpenText, WarningCaption,
                                MessageButtons::YesNoDefaultNo) == MessageAnswer::No)
        return;
    if (!prompter_.ExecuteFileDialog(this, OpenDialog1)) return;
    if (!FileOpen) EnableControls();

    LoadCallbacks callbacks;
    callbacks.choicesReady = [this] {
        FileOpen = true;
        FillComboBox();
    };
    callbacks.foreignTable = [this] {
        ShowMessage(ForeignTableText, WarningCaption, MessageButtons::Ok);
    };
    callbacks.repairAccepted = [this] {
        return ShowMessage(CorruptedEntryText, AttentionCaption, MessageButtons::YesNo) !=
               MessageAnswer::No;
    };
    const LoadResult result = LoadRom(LoadedRom, RomPath(OpenDialog1.fileName), callbacks);
    if (result == LoadResult::Unsupported)
        ShowMessage(UnsupportedRomText, AttentionCaption, MessageButtons::Ok);
    // A load stopped at a declined repair leaves the list and the labels as they were.
    EnlargeTable1->setEnabled(LoadedRom.complete);
    if (result == LoadResult::Completed) {
        FillListBox();
        SetLabelCaptions();
    }
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

// ---- Saving and export ----

namespace {

// One text for each SaveResult, in its order.
const StringPair& SaveResultText(SaveResult result) {
    static const StringPair* const texts[] = {
        &SavedText,      &GrownText,      &NothingToSaveText, &ReadOnlySaveText,
        &SaveFailedText, &CannotGrowText, &NoRoomText,        &NoRoomText};
    return *texts[static_cast<std::size_t>(result)];
}

}  // namespace

void TForm1::Save1Click() {
    const SaveResult result = SaveEggMoveTable(LoadedRom);
    std::string text = Text(SaveResultText(result));
    if (result == SaveResult::Grown) {
        const TableLocation& table = LoadedRom.table;
        text.replace(text.find("%1"), 2, std::to_string(table.entryCount));
        text.replace(text.find("%2"), 2,
                     "0x" + QString::number(table.EggMoveOffset, 16).toUpper().toStdString());
    }
    ShowMessage(text, AttentionCaption);
}

void TForm1::EnlargeTable1Click() {
    EggMoveList& list = LoadedRom.list;
    if (const SaveResult problem = GrowthProblem(LoadedRom); problem != SaveResult::Saved) {
        ShowMessage(SaveResultText(problem), AttentionCaption, MessageButtons::Ok);
        return;
    }
    std::ifstream file = OpenRomFile(LoadedRom.path);
    const int room = RoomToGrow(file, LoadedRom, static_cast<int>(list.EggMoveTable.size()));
    if (room == 0) {
        ShowMessage(NoRoomText, AttentionCaption, MessageButtons::Ok);
        return;
    }
    const std::optional<int> count =
        prompter_.AskCount(this, {Text(EnlargeCaption), Text(EnlargeCountText), Text(OkButtonText),
                                  Text(CancelButtonText), room, std::min(100, room)});
    if (count && EnlargeList(list, *count)) ShowEdit(true);
}

void TForm1::ExportButtonClick() {
    if (!prompter_.ExecuteFileDialog(this, SaveTextFileDialog1)) return;
    ExportListLines(RomPath(SaveTextFileDialog1.fileName), LoadedRom.list);
}

// ---- Editing ----

void TForm1::ChangeButtonClick() {
    ShowEdit(
        ChangeEntry(LoadedRom.list, LoadedRom.names, SelectedRow(), ComboBox1->currentIndex()));
}

void TForm1::InsertButtonClick() {
    ShowEdit(
        InsertEntry(LoadedRom.list, LoadedRom.names, SelectedRow(), ComboBox1->currentIndex()));
}

void TForm1::DeleteButtonClick() {
    ShowEdit(DeleteEntry(LoadedRom.list, LoadedRom.names, SelectedRow()));
}

void TForm1::ShowEdit(bool edited) {
    // Without a selected row or a choice nothing was edited, and nothing is redrawn.
    if (!edited) return;
    FillListBox();
    SetLabelCaptions();
}

// ---- Languages and captions ----

void TForm1::English1Click() {
    // Qt has already moved the check mark; the language in force tells whether
    // this item was checked before the click.
    if (LanguageIndex != 0) SetLanguage(0);
    English1->setChecked(true);
}

void TForm1::Francais1Click() {
    if (LanguageIndex != 1) SetLanguage(1);
    Francais1->setChecked(true);
}

void TForm1::SetLanguage(int index) {
    LanguageIndex = index;
    UseQtTranslation(index);
    SetMenuCaptions();
    SetButtonCaptions();
    SetLabelCaptions();
}

void TForm1::SetMenuCaptions() {
    File1->setTitle(FromAnsi(Text(FileMenuText)));
    Open1->setText(FromAnsi(Text(OpenMenuText)));
    Save1->setText(FromAnsi(Text(SaveMenuText)));
    EnlargeTable1->setText(FromAnsi(Text(EnlargeMenuText)));
    Exit1->setText(FromAnsi(Text(ExitMenuText)));
    Options1->setTitle(FromAnsi(Text(OptionsMenuText)));
    Language1->setTitle(FromAnsi(Text(LanguageMenuText)));
    Help1->setTitle(FromAnsi(Text(HelpMenuText)));
    About1->setText(FromAnsi(Text(AboutMenuText)));
    VersionsCompatible1->setText(FromAnsi(Text(VersionsMenuText)));
}

void TForm1::SetButtonCaptions() {
    ExportButton->setText(FromAnsi(Text(ExportButtonText)));
    ChangeButton->setText(FromAnsi(Text(ChangeButtonText)));
    InsertButton->setText(FromAnsi(Text(InsertButtonText)));
    DeleteButton->setText(FromAnsi(Text(DeleteButtonText)));
}

void TForm1::SetLabelCaptions() {
    const auto caption = [](QLabel* label, const StringPair& text, std::int32_t count) {
        label->setText(FromAnsi(Text(text) + " " + std::to_string(count)));
        label->adjustSize();
    };
    const EggMoveList& list = LoadedRom.list;
    caption(PokemonLabel, PokemonLabelText, list.SpeciesCount);
    caption(MovesLabel, MovesLabelText, list.MoveCount);
    // Summed as the counters' own 32-bit type, as shown.
    caption(TotalLabel, TotalLabelText, list.SpeciesCount + list.MoveCount);
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
