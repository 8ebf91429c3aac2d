// The web page's view of the core: one ROM image held in memory, its table and
// its edit history. The writers' opener is pointed at that image, so repairs and
// saves change the bytes the page hands back as a download, never their count.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <sstream>
#include <streambuf>

#include "eggmoves/export.h"
#include "eggmoves/find.h"
#include "eggmoves/history.h"
#include "eggmoves/rules.h"
#include "formats/table_files.h"
#include "formats/text.h"
#include "rom/saver.h"
#include "rom/table_place.h"
#include "rom/update_stream.h"
#include "rom/versions.h"

using emscripten::val;

namespace {

// Reads and writes the bytes of a string in place: a write past its end fails,
// as it does on a file opened for update.
class ImageBuffer : public std::streambuf {
  public:
    explicit ImageBuffer(std::string& image) {
        char* begin = image.data();
        setg(begin, begin, begin + image.size());
        setp(begin, begin + image.size());
    }

  protected:
    pos_type seekoff(off_type offset, std::ios::seekdir dir, std::ios::openmode which) override {
        const off_type size = egptr() - eback();
        const off_type base = dir == std::ios::beg ? 0
                              : dir == std::ios::end
                                  ? size
                                  : ((which & std::ios::in) ? gptr() : pptr()) - eback();
        const off_type target = base + offset;
        if (target < 0 || target > size) return pos_type(off_type(-1));
        if (which & std::ios::in) setg(eback(), eback() + target, egptr());
        if (which & std::ios::out) {
            setp(eback(), egptr());
            pbump(static_cast<int>(target));
        }
        return pos_type(target);
    }
    pos_type seekpos(pos_type position, std::ios::openmode which) override {
        return seekoff(off_type(position), std::ios::beg, which);
    }
};

class ImageStream : public std::iostream {
  public:
    explicit ImageStream(std::string& image) : std::iostream(nullptr), buffer_(image) {
        rdbuf(&buffer_);
    }

  private:
    ImageBuffer buffer_;
};

struct Session {
    std::string image;    // the whole ROM as the page holds it
    std::string opening;  // the ROM the page is opening, until it is loaded
    Rom rom;
    EditHistory history;
    std::optional<std::size_t> savedBefore;  // the history's saved mark before the last save
};

Session& Current() {
    static Session session;
    return session;
}

std::unique_ptr<std::iostream> OpenImage(const std::string&) {
    return std::make_unique<ImageStream>(Current().image);
}

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

// Room for a ROM of size bytes, which the page copies in at once: embind would
// pass a 16 MiB array one byte at a time.
val OpeningBuffer(int size) {
    std::string& opening = Current().opening;
    opening.assign(static_cast<std::size_t>(std::max(0, size)), '\0');
    return val(emscripten::typed_memory_view(opening.size(),
                                             reinterpret_cast<unsigned char*>(opening.data())));
}

// What the page must ask before it loads the ROM being opened: the release, the
// read-only warning and how many repair questions may come.
val Inspect() {
    ImageStream file(Current().opening);
    const Rom rom = ReadRom(file, "rom");
    val out = val::object();
    out.set("supported", rom.release.version != nullptr);
    out.set("readOnly", rom.release.version != nullptr && IsReadOnly(rom));
    int illegal = 0;
    for (const Finding& finding : CheckEggMoves(rom.list.EggMoveTable, rom.afterTable))
        illegal += finding.rule == Rule::IllegalEntry;
    out.set("questions", illegal);
    return out;
}

// File, Open: askRepair is called once per illegal entry and answers true for Yes.
std::string Load(const std::string& name, val askRepair) {
    Session& s = Current();
    s.image = std::move(s.opening);
    s.opening.clear();
    s.rom = Rom{};
    s.history = EditHistory{};
    OpenForUpdate = OpenImage;
    ImageStream file(s.image);
    LoadCallbacks callbacks;
    callbacks.repairAccepted = [&askRepair](int, std::uint16_t) { return askRepair().as<bool>(); };
    static const char* const results[] = {"unsupported", "declined", "completed"};
    return results[static_cast<int>(LoadRom(s.rom, file, name, callbacks))];
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
    return out;
}

val Choices() {
    const std::vector<std::string> choices = EntryChoices(Current().rom.names);
    return Strings(choices, 0, choices.size());
}

// An action that would edit nothing (no row selected, say) changes nothing.
void Apply(std::optional<Edit> edit) {
    if (edit) DoEdit(Current().history, Current().rom.list, Current().rom.names, std::move(*edit));
}

void Change(int row, int choice) {
    const Rom& rom = Current().rom;
    Apply(ChangeEdit(rom.list, rom.names, row, choice));
}

void Insert(int row, int choice) {
    const Rom& rom = Current().rom;
    Apply(InsertEdit(rom.list, rom.names, row, choice));
}

void Delete(int row) {
    Apply(DeleteEdit(Current().rom.list, row));
}

// Why the table cannot grow (a SaveResult), or 0 (Saved) when it can.
int GrowthProblemCode() {
    return static_cast<int>(GrowthProblem(Current().rom));
}

int Room() {
    Session& s = Current();
    ImageStream file(s.image);
    return RoomToGrow(file, s.rom, static_cast<int>(s.rom.list.EggMoveTable.size()));
}

void Enlarge(int count) {
    if (count <= Room()) Apply(EnlargeEdit(Current().rom.list, count));
}

void Undo() {
    Session& s = Current();
    UndoEdit(s.history, s.rom.list, s.rom.names);
}

void Redo() {
    Session& s = Current();
    RedoEdit(s.history, s.rom.list, s.rom.names);
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

// File, Save: a SaveResult; the image then holds the table.
int Save() {
    Session& s = Current();
    const SaveResult result = SaveEggMoveTable(s.rom);
    s.savedBefore = s.history.saved;
    if (result == SaveResult::Saved || result == SaveResult::Grown) MarkSaved(s.history);
    return static_cast<int>(result);
}

// The saved image could not be handed to its file: the edits stay unsaved.
void SaveLost() {
    Session& s = Current();
    s.history.saved = s.savedBefore;
}

// Whether the file read again into the opening buffer is still the ROM the page
// holds: as large, the same release, its table read at the same place. Save
// writes the whole image back into it only then.
bool SameRom() {
    Session& s = Current();
    std::string fresh = std::move(s.opening);
    s.opening.clear();
    if (fresh.size() != s.image.size()) return false;
    ImageStream file(fresh);
    const Release release = IdentifyGameVersion(file);
    if (release.version == nullptr || release.version != s.rom.release.version) return false;
    file.clear();
    file.seekg(0);
    return LocateEggMoveTable(file, *release.version) == s.rom.table;
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

// A list, CSV or JSON file of the table's size, as one edit; the format by the
// file's name.
val Import(const std::string& text, const std::string& fileName) {
    Session& s = Current();
    const TableText table = ReadTable(text, FormatOfPath(fileName), s.rom);
    val out = val::object();
    out.set("line", table.line);
    out.set("problem", table.problem.english);
    if (table.Taken()) Apply(ImportEdit(s.rom.list, table.entries));
    return out;
}

// The table as the command line's export writes it: 0 list, 1 CSV, 2 JSON.
val Export(int format) {
    std::ostringstream out;
    WriteTable(out, Current().rom, static_cast<TableFormat>(format));
    return Bytes(out.str());
}

val Findings() {
    const Rom& rom = Current().rom;
    val out = val::array();
    for (const Finding& finding : CheckEggMoves(rom.list.EggMoveTable, rom.afterTable)) {
        val f = val::object();
        f.set("row", finding.row);
        f.set("rule", static_cast<int>(finding.rule));
        f.set("error", SeverityOf(finding.rule) == Severity::Error);
        f.set("species", SpeciesName(rom.names, finding.species));
        f.set("earlierRow", finding.earlierRow);
        out.call<void>("push", f);
    }
    return out;
}

int FindFrom(const std::string& text, int from) {
    return FindRow(Current().rom.list.EggMoveListLines, text, from);
}

// What the command line's identify says of the ROM open, as JSON.
std::string IdentityJson() {
    return Identity(Current().rom).dump();
}

}  // namespace

EMSCRIPTEN_BINDINGS(quenmark) {
    emscripten::function("openingBuffer", &OpeningBuffer);
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
    emscripten::function("sameRom", &SameRom);
    emscripten::function("image", &Image);
    emscripten::function("tablePlace", &PlaceOfTable);
    emscripten::function("importTable", &Import);
    emscripten::function("exportTable", &Export);
    emscripten::function("identity", &IdentityJson);
    emscripten::function("findings", &Findings);
    emscripten::function("findRow", &FindFrom);
}
