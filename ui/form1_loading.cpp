// The window's loading: File, Open, Open Recent, a drop and the command line's
// ROM, the title and status bar that follow a load, and the question before
// unsaved edits are left.
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
#include "ui/form1.h"
#include "ui/paths.h"
#include "ui/qt_translation.h"
#include "ui/recent_files.h"
#include "ui/strings.h"

namespace {

// The one local file of a drop, or an empty path.
QString DroppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

}  // namespace

void TForm1::Open1Click() {
    if (!MayDiscardEdits() || !prompter_.ExecuteFileDialog(this, OpenDialog1)) return;
    OpenFile(OpenDialog1.fileName);
}

void TForm1::OpenFile(const QString& path) {
    // A file that is no ROM at all says why in plain words, and changes nothing.
    if (const OpenCheck check = CheckRomPath(RomPath(path)); check.problem != OpenProblem::None) {
        ShowMessage(Text(OpenProblemWords(check, QDir::toNativeSeparators(path).toStdString())),
                    AttentionCaption);
        return;
    }
    OpenDialog1.fileName = path;
    if (!FileOpen) EnableControls();

    LoadCallbacks callbacks;
    callbacks.choicesReady = [this] {
        FileOpen = true;
        FillComboBox();
        // Before the table, as the read-only warning: the questions then name
        // entries as the warnings said.
        for (const Words& warning : LoadWarnings(LoadedRom))
            ShowMessage(Text(warning), WarningCaption);
    };
    callbacks.foreignTable = [this, &path] {
        // A file cut short inside its table gets its own warning once read, and the
        // routine found at several places has said that nothing will be written.
        const TableLocation& table = LoadedRom.table;
        if (table.routine != RoutineFind::Several &&
            QFileInfo(path).size() >= table.EggMoveOffset + 2 * table.entryCount)
            ShowMessage(ForeignTableText, WarningCaption, MessageButtons::Ok);
    };
    callbacks.repairAccepted = [this](int row, std::uint16_t value) {
        const std::string text = Text(CorruptedEntryText) + "\n" +
                                 Text(RepairQuestionWords(row, value, LoadedRom.names));
        return prompter_.ShowMessage(this, text, Text(AttentionCaption), MessageButtons::YesNo) !=
               MessageAnswer::No;
    };
    const LoadResult result = LoadRom(LoadedRom, RomPath(path), callbacks);
    if (result == LoadResult::Unsupported)
        ShowMessage(UnsupportedRomText, AttentionCaption, MessageButtons::Ok);
    else if (result == LoadResult::NoTable)
        ShowMessage(Text(NoTableWords()), AttentionCaption);
    else {
        // The edits were made to another table; repairs are not edits.
        UndoStack->clear();
        UndoStack->setClean();
    }
    // A load stopped at a declined repair leaves the list and the labels as they were.
    EnlargeTable1->setEnabled(LoadedRom.complete);
    Import1->setEnabled(FileOpen);
    Find1->setEnabled(FileOpen);
    Check1->setEnabled(FileOpen);
    SaveAs1->setEnabled(FileOpen);
    if (result == LoadResult::Completed) {
        ShowTable();
        // A new file starts at its top, whatever the last one showed.
        SelectRow(0);
        ShowOpened(path);
        if (!LoadedRom.regionWhole) ShowMessage(Text(CutShortWords(LoadedRom)), WarningCaption);
    } else if (result == LoadResult::Declined) {
        ShowTitle();
    }
}

void TForm1::ShowOpened(const QString& path) {
    AddRecentFile(path);
    StatusPath->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    OpenedSource = TableSourceWords(LoadedRom.table);
    // The names are told only when they are not where the release keeps them.
    if (LoadedRom.namesAt.found != NamesFound::Known) {
        const Words names = NamesSourceWords(LoadedRom.namesAt);
        OpenedSource.english += ", " + names.english;
        OpenedSource.french += ", " + names.french;
    }
    ShowSource();
    ShowTitle();
}

void TForm1::ShowSource() {
    const QString source = FromAnsi(Text(OpenedSource));
    StatusSource->setText(source);
    StatusSource->setToolTip(source);
    // Before a load it takes no line, so that the window opens at its design size.
    StatusSource->setHidden(source.isEmpty());
}

void TForm1::ShowTitle() {
    QString name = BaseName(LoadedRom.path);
    if (!LoadedRom.writable) name += " " + FromAnsi(Text(ReadOnlyTitleText));
    setWindowTitle(name + "[*] " + QChar(0x2014) + " " + WindowCaption);
}

void TForm1::FillRecentMenu() {
    OpenRecent1->clear();
    const QStringList recent = RecentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString& path = recent[i];
        QAction* item = OpenRecent1->addAction(RecentItemText(i, path), this,
                                               [this, path] { OpenRecentFile(path); });
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setStatusTip(item->toolTip());
    }
    OpenRecent1->setEnabled(!recent.isEmpty());
}

void TForm1::OpenRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        ForgetRecentFile(path);
        ShowMessage(WithName(NoLongerExistsText, "%1", path), AttentionCaption);
        FillRecentMenu();
        return;
    }
    if (MayDiscardEdits()) OpenFile(path);
}

bool TForm1::MayDiscardEdits() {
    if (!isWindowModified()) return true;
    switch (prompter_.ShowMessage(this, WithName(SaveChangesText, "%1", BaseName(LoadedRom.path)),
                                  Text(WarningCaption), MessageButtons::SaveDiscardCancel)) {
        case MessageAnswer::Save:
            return SaveRom();
        case MessageAnswer::Discard:
            return true;
        default:
            return false;
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // The find field's own keys: Return and F3 onwards, Shift+F3 back, Escape hides.
    if (watched != FindEdit || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F3:
            FindNext(shift && key->key() == Qt::Key_F3);
            return true;
        case Qt::Key_Escape:
            FindEdit->hide();
            ListBox1->setFocus();
            return true;
        default:
            return false;
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!MayDiscardEdits()) {
        event->ignore();
        return;
    }
    QSettings(SettingsOrganization, SettingsApplication).setValue("geometry", saveGeometry());
    event->accept();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // The boxes come once the drop is over, so the source is not held.
    QTimer::singleShot(0, this, [this, path] {
        if (MayDiscardEdits()) OpenFile(path);
    });
}
