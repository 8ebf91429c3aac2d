// The window's writes: Save, Save As, Enlarge Table, Import and Export, each
// telling its one outcome in the language in force.
#include <QComboBox>
#include <QFile>
#include <QSaveFile>
#include <QUndoStack>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>

#include "eggmoves/export.h"
#include "eggmoves/finding_words.h"
#include "eggmoves/fullness.h"
#include "formats/c_source.h"
#include "formats/table_changes.h"
#include "formats/table_files.h"
#include "formats/table_reading.h"
#include "rom/rom_file.h"
#include "rom/saver.h"
#include "ui/ansi.h"
#include "ui/check_dock.h"
#include "ui/form1.h"
#include "ui/paths.h"
#include "ui/strings.h"

namespace {

// Larger than any table file could be: refused before it is read.
constexpr qint64 LargestTableFile = 64 << 20;

// How many entries rom's table may still take in its file (a ROM that cannot
// be written grows in a copy).
int Room(const Rom& rom) {
    if (GrowthProblem(rom) != SaveResult::Saved) return 0;
    std::ifstream file = OpenRomFile(rom.path);
    return RoomToGrow(file, rom, static_cast<int>(rom.list.EggMoveTable.size()));
}

}  // namespace

void TForm1::Save1Click() {
    SaveRom();
}

void TForm1::SaveAs1Click() {
    SaveRomAs();
}

bool TForm1::SaveRom() {
    // A ROM that cannot be written keeps its edits in a copy instead.
    if (LoadedRom.complete && !IsReadOnly(LoadedRom) && !LoadedRom.writable) {
        ShowMessage(WithName(ReadOnlySaveText, "%1", BaseName(LoadedRom.path)), AttentionCaption);
        return SaveRomAs();
    }
    if (!MaySaveFindings()) return false;
    return Saved(
        [this](bool overwrite) {
            return SaveTable(LoadedRom, LoadedRom.list.EggMoveTable, overwrite);
        },
        LoadedRom.path);
}

bool TForm1::SaveRomAs() {
    if (!LoadedRom.complete)
        return Saved(
            [](bool) {
                return SaveOutcome{SaveResult::NothingToSave, SaveCause::NothingLoaded, {}};
            },
            LoadedRom.path);
    SaveRomDialog1.fileName = CopyName(LoadedRom.path);
    if (!MaySaveFindings() || !prompter_.ExecuteFileDialog(this, SaveRomDialog1)) return false;
    const std::string target = RomPath(SaveRomDialog1.fileName);
    if (!Saved(
            [this, &target](bool overwrite) {
                return SaveCopy(LoadedRom, LoadedRom.list.EggMoveTable, target, overwrite);
            },
            target))
        return false;
    // The window works on the copy from now on.
    ShowOpened(SaveRomDialog1.fileName);
    return true;
}

bool TForm1::MaySaveFindings() {
    // Warnings go through; an error the game will misread is the user's call.
    const bool writable = LoadedRom.complete && !IsReadOnly(LoadedRom);
    const std::optional<Finding> error =
        writable ? FirstError(RomFindings(LoadedRom)) : std::nullopt;
    return !error ||
           prompter_.ShowMessage(this, Text(MisreadQuestion(RomFindingLine(LoadedRom, *error))),
                                 Text(WarningCaption),
                                 MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes;
}

bool TForm1::Saved(const std::function<SaveOutcome(bool overwrite)>& save,
                   const std::string& file) {
    SaveOutcome outcome = save(false);
    if (outcome.cause == SaveCause::ChangedOnDisk) {
        const std::string path = LoadedRom.path;
        switch (
            prompter_.ShowMessage(this, Text(SaveCauseWords(outcome.cause, WordsFileName(path))),
                                  Text(WarningCaption), MessageButtons::OverwriteReloadCancel)) {
            case MessageAnswer::Overwrite:
                outcome = save(true);
                break;
            case MessageAnswer::Reload:
                // The answer was the unsaved-edits question: no other is asked.
                OpenFile(QFile::decodeName(QByteArray::fromStdString(path)));
                return false;
            default:
                return false;
        }
    }
    std::string text;
    if (!outcome.Written()) {
        text = Text(SaveCauseWords(outcome.cause, WordsFileName(file), outcome.reason));
    } else if (outcome.result == SaveResult::Grown) {
        const TableLocation& table = LoadedRom.table;
        text = Text(GrownText);
        text.replace(text.find("%1"), 2, std::to_string(table.entryCount));
        text.replace(text.find("%2"), 2,
                     WordsHex(static_cast<std::uint32_t>(table.EggMoveOffset), 1));
    } else {
        text = Text(SavedText);
    }
    ShowMessage(text, AttentionCaption);
    if (outcome.Written()) UndoStack->setClean();
    return outcome.Written();
}

bool TForm1::EnlargeTable() {
    if (const SaveResult problem = GrowthProblem(LoadedRom); problem != SaveResult::Saved) {
        ShowMessage(Text(SaveCauseWords(GrowthCause(problem), WordsFileName(LoadedRom.path))),
                    AttentionCaption);
        return false;
    }
    const int room = Room(LoadedRom);
    if (room == 0) {
        ShowMessage(Text(SaveCauseWords(SaveCause::NoRoom, WordsFileName(LoadedRom.path))),
                    AttentionCaption);
        return false;
    }
    const std::optional<int> count =
        prompter_.AskCount(this, {Text(EnlargeCaption), Text(EnlargeCountText), Text(OkButtonText),
                                  Text(CancelButtonText), room, std::min(100, room)});
    if (count) Push(EnlargeEdit(LoadedRom.list, *count));
    return count.has_value();
}

void TForm1::EnlargeTable1Click() {
    EnlargeTable();
}

void TForm1::InsertButtonClick() {
    const int row = SelectedRow(), choice = ComboBox1->currentIndex();
    if (!InsertEdit(LoadedRom.list, LoadedRom.names, row, choice)) return;
    // An insert pushes the last entry off the end: a real one only when asked.
    if (IsTableFull(LoadedRom.list)) {
        const MessageAnswer answer = prompter_.ShowMessage(
            this, Text(FullTableWords(LoadedRom.list, LoadedRom.names)), Text(WarningCaption),
            Room(LoadedRom) > 0 ? MessageButtons::EnlargeInsertCancel
                                : MessageButtons::InsertCancel);
        if (answer == MessageAnswer::Enlarge ? !EnlargeTable() : answer != MessageAnswer::Insert)
            return;
    }
    Push(InsertEdit(LoadedRom.list, LoadedRom.names, row, choice));
}

void TForm1::Import1Click() {
    if (!prompter_.ExecuteFileDialog(this, ImportDialog1)) return;
    const QString& path = ImportDialog1.fileName;
    QFile file(path);
    if (file.size() > LargestTableFile) {
        ShowMessage(path.toLatin1().toStdString() + ": too large to be a table", AttentionCaption);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage(path.toLatin1().toStdString() + ": " + file.errorString().toStdString(),
                    AttentionCaption);
        return;
    }
    const QByteArray bytes = file.readAll();
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const TableFormat format = FormatOfPath(RomPath(path));
    TableText table = ReadTable(text, format, LoadedRom);
    const int size = static_cast<int>(LoadedRom.list.EggMoveTable.size());
    const std::optional<Words> grow = GrowthQuestion(table, LoadedRom);
    if (grow && Room(LoadedRom) >= table.rows - size) {
        if (prompter_.ShowMessage(this, Text(*grow), Text(AttentionCaption),
                                  MessageButtons::YesNo) != MessageAnswer::Yes)
            return;
        table = ReadTable(text, format, LoadedRom, table.rows);
    }
    if (!table.Taken()) {
        ShowMessage(WithName(LineText, "%2", QString::number(table.line)) + Text(table.problem),
                    AttentionCaption);
        return;
    }
    const int added = static_cast<int>(table.entries.size()) - size;
    if (added > 0) Push(EnlargeEdit(LoadedRom.list, added));
    const ImportSummary summary = SummaryOf(LoadedRom, table.entries);
    if (!summary.changes) {
        if (added > 0) UndoStack->undo();
        ShowMessage(Text(summary.message), AttentionCaption);
        return;
    }
    Push(ImportEdit(LoadedRom.list, std::move(table.entries)));
    std::string details;
    for (const std::string& line : summary.details) details += line + "\n";
    prompter_.ShowReport(this, Text(summary.message), Text(AttentionCaption), details);
}

void TForm1::ExportButtonClick() {
    SaveTextFileDialog1.filters = {"Text Documents (*.txt)", FromAnsi(Text(SourceFilterText))};
    if (!prompter_.ExecuteFileDialog(this, SaveTextFileDialog1)) return;
    // A name ending in .h asks for the decompilations' source, with its LF line ends.
    const bool source = FormatOfPath(RomPath(SaveTextFileDialog1.fileName)) == TableFormat::C;
    // Written beside the target and renamed over it only once whole, so that a
    // failure leaves an existing file as it was.
    QSaveFile file(SaveTextFileDialog1.fileName);
    std::ostringstream lines;
    if (source) {
        WriteSource(lines, LoadedRom.list.EggMoveTable);
    } else {
        WriteListLines(lines, LoadedRom.list);
    }
    const std::string text = lines.str();
    if (file.open(source ? QIODevice::WriteOnly : QIODevice::WriteOnly | QIODevice::Text) &&
        file.write(text.data(), static_cast<qint64>(text.size())) ==
            static_cast<qint64>(text.size()) &&
        file.commit())
        return;
    const QString reason = file.errorString();
    std::string message = WithName(ExportFailedText, "%1", SaveTextFileDialog1.fileName);
    message.replace(message.find("%2"), 2, ToAnsi(reason));
    ShowMessage(message, AttentionCaption);
}
