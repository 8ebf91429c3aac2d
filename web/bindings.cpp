// The web page's view of the core: one ROM image held in memory, its table and
// its edit history. The writers' opener is pointed at that image, so repairs and
// saves change the bytes the page hands back (as a download, or into the picked
// file as read again at Save), never their count.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <sstream>
#include <streambuf>

#include "eggmoves/export.h"
#include "eggmoves/find.h"
#include "eggmoves/finding_words.h"
#include "eggmoves/fullness.h"
#include "eggmoves/history.h"
#include "eggmoves/rules.h"
#include "formats/table_changes.h"
#include "formats/table_files.h"
#include "formats/text.h"
#include "rom/open_problem.h"
#include "rom/place_words.h"
#include "rom/repair.h"
#include "rom/rom_findings.h"
#include "rom/saver.h"
#include "rom/table_place.h"
#include "rom/update_stream.h"
#include "rom/versions.h"
#include "web/image_stream.h"
#include "web/session.h"

using emscripten::val;

namespace {

val Strings(const std::vector<std::string>& lines, std::size_t first, std::size_t count) {
    val out = val::array();
    const std::size_t end = std::min(lines.size(), first + count);
    for (std::size_t i = first; i < end; ++i) out.call<void>("push", Utf8(lines[i]));
    return out;
}

val Bytes(const std::string& bytes) {
    // A copy, so that the page keeps it whatever the module's memory does next.
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(),
                                            reinterpret_cast<const unsigned char*>(bytes.data())));
}

bool Complete() {
    return Current().rom.complete;
}

int RowCount() {
    return static_cast<int>(Current().rom.list.EggMoveListLines.size());
}

// Any range: rows past either end are left out.
val Rows(int first, int count) {
    return Strings(Current().rom.list.EggMoveListLines, static_cast<std::size_t>(first),
                   static_cast<std::size_t>(count));
}

val Counters() {
    const EggMoveList& list = Current().rom.list;
    val out = val::object();
    out.set("species", list.SpeciesCount);
    out.set("moves", list.MoveCount);
    out.set("total", list.SpeciesCount + list.MoveCount);
    out.set("free", CountEndMarks(list.EggMoveTable));
    return out;
}

val Choices() {
    const std::vector<std::string> choices = EntryChoices(Current().rom.names);
    return Strings(choices, 0, choices.size());
}

// An action that would edit nothing (no row selected, say) changes nothing.
// Each edit answers the row to select after it, or -1 for the selection as it is.
int Apply(std::optional<Edit> edit) {
    if (!edit) return -1;
    Session& s = Current();
    DoEdit(s.history, s.rom.list, s.rom.names, std::move(*edit));
    return SelectionAfter(s.history.edits.back(), false, s.rom.list);
}

int Change(int row, int choice) {
    const Rom& rom = Current().rom;
    return Apply(ChangeEdit(rom.list, rom.names, row, choice));
}

int Insert(int row, int choice) {
    const Rom& rom = Current().rom;
    return Apply(InsertEdit(rom.list, rom.names, row, choice));
}

int Delete(int row) {
    return Apply(DeleteEdit(Current().rom.list, row));
}

// The drop-down's choice for the entry at row (one of the table's), or -1 to
// leave it as it is.
int ChoiceAt(int row) {
    return ChoiceForEntry(Current().rom.list.EggMoveTable.at(static_cast<std::size_t>(row)));
}

// Insert would drop the table's last entry: the words that say which, or null.
val FullTable() {
    const Rom& rom = Current().rom;
    return IsTableFull(rom.list) ? Pair(FullTableWords(rom.list, rom.names)) : val::null();
}

// Why the table cannot grow (a SaveCause), or 0 (None) when it can.
int GrowthProblemCode() {
    return static_cast<int>(GrowthCause(GrowthProblem(Current().rom)));
}

// A cause of a refused save or growth, in words, for the ROM open.
val CauseWords(int cause) {
    return Pair(SaveCauseWords(static_cast<SaveCause>(cause), Current().rom.path));
}

int Room() {
    Session& s = Current();
    ImageStream file(s.image);
    return RoomToGrow(file, s.rom, static_cast<int>(s.rom.list.EggMoveTable.size()));
}

// count must fit the room to grow, which the page asks first.
int Enlarge(int count) {
    return Apply(EnlargeEdit(Current().rom.list, count));
}

int Undo() {
    Session& s = Current();
    if (!UndoEdit(s.history, s.rom.list, s.rom.names)) return -1;
    return SelectionAfter(s.history.edits[s.history.done], true, s.rom.list);
}

int Redo() {
    Session& s = Current();
    if (!RedoEdit(s.history, s.rom.list, s.rom.names)) return -1;
    return SelectionAfter(s.history.edits[s.history.done - 1], false, s.rom.list);
}

// "change", "insert", "delete", "import", "enlarge", or "" for none.
std::string KindText(std::optional<EditKind> kind) {
    static const char* const names[] = {"change", "insert", "delete", "import", "enlarge"};
    return kind ? names[static_cast<int>(*kind)] : "";
}

std::string NextUndoKind() {
    return KindText(NextUndo(Current().history));
}

std::string NextRedoKind() {
    return KindText(NextRedo(Current().history));
}

bool Modified() {
    return IsModified(Current().history);
}

val Outcome(const SaveOutcome& outcome) {
    const Session& s = Current();
    val out = val::object();
    out.set("result", static_cast<int>(outcome.result));
    out.set("cause", static_cast<int>(outcome.cause));
    out.set("written", outcome.Written());
    if (!outcome.Written())
        out.set("words", Pair(SaveCauseWords(outcome.cause, s.rom.path, outcome.reason)));
    return out;
}

// File, Save into the image, or, with fresh, into the file as the page has just
// read it again into the opening buffer: only the table's bytes (and for a
// grown table the game's words) change, so another program's changes elsewhere
// stay. Bytes it changed where the table is are written over only with overwrite.
val Save(bool overwrite, bool fresh) {
    Session& s = Current();
    s.imageBefore = s.image;
    s.tableBefore = s.rom.table;
    s.afterTableBefore = s.rom.afterTable;
    s.onDiskBefore = s.rom.onDisk;
    if (fresh) {
        s.image = std::move(s.opening);
        s.opening.clear();
    }
    const SaveOutcome outcome = SaveTable(s.rom, s.rom.list.EggMoveTable, overwrite);
    s.savedBefore = s.history.saved;
    if (outcome.Written())
        MarkSaved(s.history);
    else
        s.image.swap(s.imageBefore);
    return Outcome(outcome);
}

// The saved image could not be handed to its file: the edits stay unsaved, and
// the page holds what the file still holds. The system's reason, in words.
val SaveLost(const std::string& reason) {
    Session& s = Current();
    s.history.saved = s.savedBefore;
    s.rom.table = s.tableBefore;
    s.rom.afterTable = s.afterTableBefore;
    s.rom.onDisk = s.onDiskBefore;
    s.image.swap(s.imageBefore);
    return Pair(SaveCauseWords(SaveCause::CannotWrite, s.rom.path, reason));
}

// Save a Copy: the image with the table written into it as Save writes it, the
// page's ROM left as it is.
val CopyImage() {
    Session& s = Current();
    const std::string kept = s.image;
    Rom rom = s.rom;
    const SaveOutcome outcome = SaveTable(rom, rom.list.EggMoveTable, true);
    val out = Outcome(outcome);
    if (outcome.Written()) out.set("bytes", Bytes(s.image));
    s.image = kept;
    return out;
}

val Image() {
    return Bytes(Current().image);
}

val PlaceOfTable() {
    const TableLocation& table = Current().rom.table;
    val out = val::object();
    out.set("entries", table.entryCount);
    out.set("offset", Hex(static_cast<std::uint32_t>(table.EggMoveOffset), 1));
    return out;
}

// A list, CSV, JSON or C source file, the format by the file's name. Refused, it answers
// the line and why; for more lines than the table, the growth question, and
// with grow (the answer Yes to it) the table is enlarged first (an undo step of its own) when there
// is room. Taken, the summary of what changed, and the row to select; nothing changed makes no
// edit.
val Import(const std::string& text, const std::string& fileName, bool grow) {
    Session& s = Current();
    const TableFormat format = FormatOfPath(fileName);
    TableText table = ReadTable(text, format, s.rom);
    val out = val::object();
    if (grow) {
        const int more = table.rows - static_cast<int>(s.rom.list.EggMoveTable.size());
        if (more > Room()) {
            const SaveResult problem = GrowthProblem(s.rom);
            out.set("problem",
                    Pair(SaveCauseWords(
                        GrowthCause(problem == SaveResult::Saved ? SaveResult::NoRoom : problem),
                        s.rom.path)));
            return out;
        }
        table = ReadTable(text, format, s.rom, table.rows);
        if (table.Taken()) Apply(EnlargeEdit(s.rom.list, more));
    } else if (const std::optional<Words> question = GrowthQuestion(table, s.rom)) {
        out.set("growth", Pair(*question));
        return out;
    }
    if (!table.Taken()) {
        out.set("line", table.line);
        out.set("problem", Pair(table.problem));
        return out;
    }
    const ImportSummary summary = SummaryOf(s.rom, table.entries);
    out.set("message", Pair(summary.message));
    val details = val::array();
    for (const std::string& line : summary.details) details.call<void>("push", line);
    out.set("details", details);
    out.set("select", summary.changes ? Apply(ImportEdit(s.rom.list, table.entries)) : -1);
    return out;
}

// The table as the command line's export writes it: 0 list, 1 CSV, 2 JSON, 3 C source.
val Export(int format) {
    std::ostringstream out;
    WriteTable(out, Current().rom, static_cast<TableFormat>(format));
    return Bytes(out.str());
}

// The check's findings, each its row, whether the game misreads the table, and
// its line in words; the line for none; and the question before saving a table
// with an error.
val Findings() {
    const Rom& rom = Current().rom;
    const EntryNamer name = [&rom](std::uint16_t entry) { return EntryName(rom.names, entry); };
    const std::vector<Finding> findings = RomFindings(rom);
    val out = val::object();
    val items = val::array();
    for (const Finding& finding : findings) {
        val f = val::object();
        f.set("row", finding.row);
        f.set("error", SeverityOf(finding.rule) == Severity::Error);
        f.set("line", Pair(FindingLine(finding, rom.list.EggMoveTable, name)));
        items.call<void>("push", f);
    }
    out.set("items", items);
    out.set("none", Pair(NoFindingWords()));
    if (const std::optional<Finding> error = FirstError(findings))
        out.set("misread", Pair(MisreadQuestion(FindingLine(*error, rom.list.EggMoveTable, name))));
    return out;
}

int FindFrom(const std::string& text, int from) {
    return FindRow(Current().rom.list.EggMoveListLines, text, from);
}

// What the command line's identify says of the ROM open, as JSON.
std::string IdentityJson() {
    return Identity(Current().rom).dump();
}

// How the table of the ROM open was found, and where its names were when not
// where the release keeps them: the pairs of words the identity line adds.
val Source() {
    const Rom& rom = Current().rom;
    val out = val::array();
    out.call<void>("push", Pair(TableSourceWords(rom.table)));
    if (rom.namesAt.found != NamesFound::Known)
        out.call<void>("push", Pair(NamesSourceWords(rom.namesAt)));
    return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quenmark) {
    emscripten::function("openingBuffer", &OpeningBuffer);
    emscripten::function("openingView", &OpeningView);
    emscripten::function("warm", &Warm);
    emscripten::function("inspect", &Inspect);
    emscripten::function("load", &Load);
    emscripten::function("complete", &Complete);
    emscripten::function("rowCount", &RowCount);
    emscripten::function("rows", &Rows);
    emscripten::function("counters", &Counters);
    emscripten::function("choices", &Choices);
    emscripten::function("change", &Change);
    emscripten::function("insert", &Insert);
    emscripten::function("remove", &Delete);
    emscripten::function("growthProblem", &GrowthProblemCode);
    emscripten::function("roomToGrow", &Room);
    emscripten::function("enlarge", &Enlarge);
    emscripten::function("undo", &Undo);
    emscripten::function("redo", &Redo);
    emscripten::function("nextUndo", &NextUndoKind);
    emscripten::function("nextRedo", &NextRedoKind);
    emscripten::function("modified", &Modified);
    emscripten::function("save", &Save);
    emscripten::function("saveLost", &SaveLost);
    emscripten::function("copyImage", &CopyImage);
    emscripten::function("causeWords", &CauseWords);
    emscripten::function("choiceAt", &ChoiceAt);
    emscripten::function("fullTable", &FullTable);
    emscripten::function("image", &Image);
    emscripten::function("tablePlace", &PlaceOfTable);
    emscripten::function("importTable", &Import);
    emscripten::function("exportTable", &Export);
    emscripten::function("identity", &IdentityJson);
    emscripten::function("source", &Source);
    emscripten::function("findings", &Findings);
    emscripten::function("findRow", &FindFrom);
}
