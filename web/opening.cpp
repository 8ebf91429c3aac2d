// Opening a ROM in the page: the buffer the page reads the file into, what must
// be asked before the load, and the load itself into the session.
#include <algorithm>

#include "eggmoves/rules.h"
#include "rom/open_problem.h"
#include "rom/place_words.h"
#include "rom/repair.h"
#include "rom/update_stream.h"
#include "web/image_stream.h"
#include "web/session.h"

using emscripten::val;

Session& Current() {
    static Session session;
    return session;
}

std::unique_ptr<std::iostream> OpenImage(const std::string&) {
    return std::make_unique<ImageStream>(Current().image);
}

val Pair(const Words& words) {
    val out = val::array();
    out.call<void>("push", words.english);
    out.call<void>("push", words.french);
    return out;
}

// The buffer of the ROM being opened, which the page fills a piece at a time:
// embind would pass a 16 MiB array one byte at a time. A view ends when the
// module's memory grows, so the page asks for one again after each wait.
val OpeningView() {
    std::string& opening = Current().opening;
    return val(emscripten::typed_memory_view(opening.size(),
                                             reinterpret_cast<unsigned char*>(opening.data())));
}

// Room for a ROM of size bytes, and its view.
val OpeningBuffer(int size) {
    Current().opening.assign(static_cast<std::size_t>(std::max(0, size)), '\0');
    return OpeningView();
}

// Touches the memory of two ROM images of size bytes (the one opening and the
// one it replaces) while the page waits for the first: fresh memory costs the
// first two opens more than the rest of an open.
void Warm(int size) {
    Session& s = Current();
    if (!s.image.empty() || !s.opening.empty()) return;
    s.image.assign(static_cast<std::size_t>(std::max(0, size)), '\0');
    s.opening.assign(s.image.size(), '\0');
    s.image.clear();
    s.opening.clear();
}

// What the page must ask before it loads the ROM being opened: a file too short
// for a header, the release, the read-only or cut-short warning and the repair
// questions' second lines, one per illegal entry.
val Inspect(const std::string& name) {
    Session& s = Current();
    ImageStream file(s.opening);
    val out = val::object();
    if (CheckRomStream(file) == OpenProblem::TooShort) {
        out.set("problem", Pair(OpenProblemWords({OpenProblem::TooShort, {}}, name)));
        return out;
    }
    file.clear();
    file.seekg(0);
    const Rom rom = ReadRom(file, name);
    if (HasNoTable(rom)) {
        out.set("problem", Pair(NoTableWords()));
        return out;
    }
    out.set("supported", rom.release.version != nullptr);
    if (!rom.release.version) return out;
    val warnings = val::array();
    for (const Words& warning : LoadWarnings(rom)) warnings.call<void>("push", Pair(warning));
    out.set("warnings", warnings);
    // The routine found at several places has said that nothing will be written.
    if (!rom.regionWhole)
        out.set("warning", Pair(CutShortWords(rom)));
    else if (IsReadOnly(rom) && rom.table.routine != RoutineFind::Several)
        out.set("readOnly", true);
    val questions = val::array();
    // A build whose code moved is never asked: its entries are kept as they are.
    for (const Finding& finding : CheckEggMoves(rom.list.EggMoveTable, rom.afterTable))
        if (finding.rule == Rule::IllegalEntry && !IsMovedBuild(rom.table))
            questions.call<void>(
                "push", Pair(RepairQuestionWords(finding.row, rom.list.EggMoveTable[finding.row],
                                                 rom.names)));
    out.set("questions", questions);
    s.openedOnDisk = rom.onDisk;
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
    const LoadResult result = LoadRom(s.rom, file, name, callbacks);
    if (s.rom.complete) s.rom.onDisk = s.openedOnDisk;
    static const char* const results[] = {"unsupported", "declined", "completed", "notable"};
    return results[static_cast<int>(result)];
}
