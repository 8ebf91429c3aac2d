// The window's menus and controls: built once, laid out to grow, and enabled by
// the first file opened.
#include <QActionGroup>
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QUndoStack>
#include <utility>

#include "ui/ansi.h"
#include "ui/check_dock.h"
#include "ui/form1.h"
#include "ui/strings.h"

namespace {

// The controls' sizes, designed at 96 dpi.
constexpr int ColumnWidth = 170;
constexpr int ButtonHeight = 50;

}  // namespace

void TForm1::BuildMenus() {
    MainMenu1 = menuBar();
    File1 = MainMenu1->addMenu(QString());
    Open1 = File1->addAction(QString(), QKeySequence::Open, this, &TForm1::Open1Click);
    // Filled as the menu opens, so the first window reads no settings for it.
    OpenRecent1 = File1->addMenu(QString());
    OpenRecent1->setEnabled(false);
    OpenRecent1->setToolTipsVisible(true);
    connect(File1, &QMenu::aboutToShow, this, &TForm1::FillRecentMenu);
    Save1 = File1->addAction(QString(), QKeySequence::Save, this, &TForm1::Save1Click);
    Save1->setEnabled(false);
    SaveAs1 = File1->addAction(QString(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                               &TForm1::SaveAs1Click);
    SaveAs1->setEnabled(false);
    Import1 = File1->addAction(QString(), this, &TForm1::Import1Click);
    Import1->setEnabled(false);
    EnlargeTable1 = File1->addAction(QString(), this, &TForm1::EnlargeTable1Click);
    EnlargeTable1->setEnabled(false);
    Exit1 =
        File1->addAction(QString(), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &TForm1::Exit1Click);

    Edit1 = MainMenu1->addMenu(QString());
    UndoStack = new QUndoStack(this);
    Undo1 = Edit1->addAction(QString(), QKeySequence::Undo, UndoStack, &QUndoStack::undo);
    Redo1 = Edit1->addAction(QString(), UndoStack, &QUndoStack::redo);
    Redo1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    Find1 = Edit1->addAction(QString(), QKeySequence::Find, this, &TForm1::Find1Click);
    Check1 = Edit1->addAction(QString(), QKeySequence(Qt::Key_F7), this, &TForm1::Check1Click);
    for (QAction* item : {Undo1, Redo1, Find1, Check1}) item->setEnabled(false);
    connect(UndoStack, &QUndoStack::canUndoChanged, Undo1, &QAction::setEnabled);
    connect(UndoStack, &QUndoStack::canRedoChanged, Redo1, &QAction::setEnabled);
    connect(UndoStack, &QUndoStack::indexChanged, this, &TForm1::SetUndoCaptions);
    connect(UndoStack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });

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
    setCentralWidget(client);
    statusBar()->setSizeGripEnabled(true);
    // The open file's path; a menu item's own status tip shows over it for a while.
    StatusPath = new QLabel(statusBar());
    // How the table and names were found, on lines of its own below the path: the
    // window is narrow. The path's label moves into the same column.
    auto* status = new QWidget(statusBar());
    auto* lines = new QVBoxLayout(status);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(0);
    StatusSource = new QLabel(status);
    StatusSource->setWordWrap(true);
    StatusPath->setParent(status);
    lines->addWidget(StatusPath);
    lines->addWidget(StatusSource);
    statusBar()->addWidget(status, 1);

    ExportButton = new QPushButton(client);
    ChangeButton = new QPushButton(client);
    InsertButton = new QPushButton(client);
    ComboBox1 = new QComboBox(client);
    DeleteButton = new QPushButton(client);
    ListBox1 = new QListWidget(client);
    PokemonLabel = new QLabel(client);
    MovesLabel = new QLabel(client);
    TotalLabel = new QLabel(client);
    FreeLabel = new QLabel(client);
    FindEdit = new QLineEdit(client);

    // The left column keeps its controls' sizes and order; the list takes every
    // extra pixel, with the counters under it.
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    for (QPushButton* button : {ExportButton, ChangeButton, InsertButton}) {
        button->setFixedSize(ColumnWidth, ButtonHeight);
        left->addWidget(button);
    }
    ComboBox1->setFixedWidth(ColumnWidth);
    left->addWidget(ComboBox1);
    DeleteButton->setFixedSize(ColumnWidth, ButtonHeight);
    left->addWidget(DeleteButton);
    left->addStretch(1);
    FindEdit->setFixedWidth(ColumnWidth);
    left->addWidget(FindEdit);
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    ListBox1->setMinimumWidth(160);
    right->addWidget(ListBox1, 1);
    for (QLabel* label : {PokemonLabel, MovesLabel, TotalLabel, FreeLabel}) right->addWidget(label);
    auto* columns = new QHBoxLayout(client);
    columns->setContentsMargins(8, 8, 10, 6);
    columns->setSpacing(6);
    columns->addLayout(left);
    columns->addLayout(right, 1);

    CheckDock1 = new CheckDock(this);
    CheckDock1->hide();
    addDockWidget(Qt::RightDockWidgetArea, CheckDock1);
    connect(CheckDock1, &CheckDock::RowChosen, this, &TForm1::SelectRow);

    FindEdit->hide();
    connect(FindEdit, &QLineEdit::textEdited, this, [this] { FindNext(false, true); });
    FindEdit->installEventFilter(this);
    new QShortcut(Qt::Key_F3, this, this, [this] { FindNext(); });
    new QShortcut(Qt::SHIFT | Qt::Key_F3, this, this, [this] { FindNext(true); });
    new QShortcut(QKeySequence::Delete, ListBox1, this, &TForm1::DeleteButtonClick,
                  Qt::WidgetShortcut);
    new QShortcut(Qt::Key_Insert, ListBox1, this, &TForm1::InsertButtonClick, Qt::WidgetShortcut);

    ComboBox1->setEditable(false);
    ComboBox1->setMaxVisibleItems(10);
    // A scrolled list of ten, whatever the style: never taller than the screen.
    ComboBox1->setStyleSheet("QComboBox { combobox-popup: 0; }");
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TForm1::ShowEntryChoice);
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
    for (QWidget* w : std::initializer_list<QWidget*>{
             ExportButton, ChangeButton, InsertButton, ComboBox1, DeleteButton, ListBox1,
             PokemonLabel, MovesLabel, TotalLabel, FreeLabel})
        w->setEnabled(false);
}

void TForm1::EnableControls() {
    Save1->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{ExportButton, ChangeButton, InsertButton,
                                                      ComboBox1, DeleteButton, PokemonLabel,
                                                      MovesLabel, TotalLabel, FreeLabel, ListBox1})
        w->setEnabled(true);
}
