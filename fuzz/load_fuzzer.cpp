// libFuzzer target: arbitrary bytes made into a ROM image held in memory, loaded
// through the stream seams answering every repair question Yes (or every one No),
// then a save of the unedited table. Traps as soon as something that must always
// hold does not. The input:
//
//   byte 0    the game code: that of row b % 17 of the version table; 16 is a code
//             of no release
//   byte 1    the header's version byte, which with the code gives the release
//   byte 2    the routine's words in its low bits: 0 no routine at all, 1 pointing
//             at the usual table, 2 at a table moved to 0x800000, 3 taken from the
//             next 12 bytes of the input; bits 2-3 where the routine is: 0 or 3 the
//             release's place, 1 a 2-aligned place the next two bytes give, 2 that
//             place and one 0x1000 above it; its high bit answers the questions No
//   byte 3    where the file ends: 0 after everything, k inside or just past the
//             table, 9 (k - 1) bytes into it
//   then      up to 2276 bytes laid over the table from its first entry
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <span>
#include <streambuf>

#include "rom/saver.h"
#include "rom/update_stream.h"
#include "tools/synthetic_rom.h"

#define FUZZ_CHECK(condition) ((condition) ? void() : Broken(#condition, __LINE__))

[[noreturn]] void Broken(const char* what, int line) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, line, what);
    __builtin_trap();
}

namespace {

constexpr std::int64_t MovedTable = 0x800000;

// The file: pieces over zero bytes, and every write made to it since, latest last.
struct Image {
    std::vector<Piece> pieces;
    std::uint64_t size = 0;
    std::vector<Piece> writes;
    bool extended = false;

    // out.size() bytes from at into out, as the file held them at first or holds them
    // now; 0xFF past its end. Into the caller's buffer: the core reads megabytes at a time.
    void ReadInto(std::uint64_t at, std::span<std::uint8_t> out, bool now) const {
        const std::size_t n = out.size();
        std::fill(out.begin(), out.end(), 0);
        const auto lay = [&](const Piece& p) {
            const std::uint64_t from = std::max(at, p.offset), to = std::min(at + n, p.end());
            if (from < to)
                std::copy(&p.bytes[from - p.offset], &p.bytes[to - p.offset], &out[from - at]);
        };
        for (const Piece& p : pieces) lay(p);
        for (const Piece& w : writes) now ? lay(w) : void();
        for (std::uint64_t k = size > at ? size - at : 0; k < n; ++k) out[k] = 0xFF;
    }
    Bytes Read(std::uint64_t at, std::size_t n, bool now) const {
        Bytes out(n);
        ReadInto(at, out, now);
        return out;
    }
};

// A stream over the image with a position of its own, as each open file has. The
// core reads and writes blocks, so only the block calls are needed.
struct ImageStream : private std::streambuf, public std::iostream {
    explicit ImageStream(Image& image) : std::iostream(this), image(image) {}
    std::streamsize xsgetn(char* out, std::streamsize n) override {
        const auto got = pos < image.size ? std::min<std::uint64_t>(n, image.size - pos) : 0;
        image.ReadInto(pos, {reinterpret_cast<std::uint8_t*>(out), got}, true);
        pos += got;
        return static_cast<std::streamsize>(got);
    }
    std::streamsize xsputn(const char* in, std::streamsize n) override {
        image.extended |= pos + static_cast<std::uint64_t>(n) > image.size;
        image.writes.push_back({pos, Bytes(in, in + n)});
        pos += static_cast<std::uint64_t>(n);
        return n;
    }
    pos_type seekoff(off_type off, std::ios::seekdir dir, std::ios::openmode) override {
        const auto base = dir == std::ios::beg ? 0 : dir == std::ios::cur ? pos : image.size;
        return pos = static_cast<std::uint64_t>(static_cast<off_type>(base) + off);
    }
    pos_type seekpos(pos_type at, std::ios::openmode) override { return pos = at; }

    Image& image;
    std::uint64_t pos = 0;
};

Image* Current = nullptr;
std::unique_ptr<std::iostream> OpenCurrent(const std::string&) {
    return std::make_unique<ImageStream>(*Current);
}

Image Decode(const std::uint8_t* data, std::size_t size) {
    const auto byte = [&](std::size_t i) -> std::uint8_t { return i < size ? data[i] : 0; };
    // The row the code and version byte identify, so that names lie where they are read.
    const std::size_t row = byte(0) % (GameVersionTable.size() + 1);
    const GameVersion* v = row < GameVersionTable.size()
                               ? FindGameVersion(GameVersionTable[row].code, byte(1))
                               : nullptr;
    // Each release's image once, with one-letter names so that the time goes to the table;
    // species 0 keeps its "??????????", so the names are found at once by their shape.
    static std::map<const GameVersion*, SyntheticRom> roms;
    static const std::vector<std::uint16_t> table = DefaultRom().table;
    auto it = roms.find(v);
    if (it == roms.end()) {
        it = roms.emplace(v, DefaultRom(v ? v->code : "BPRX")).first;
        for (auto* names : {&it->second.species, &it->second.moves})
            for (std::size_t n = names == &it->second.species; n < names->size(); ++n)
                (*names)[n] = {static_cast<std::uint8_t>(0xBB + n % 26)};
    }
    SyntheticRom& rom = it->second;
    rom.table = table;
    rom.words.clear();
    rom.tableAt = -1;
    rom.revision = byte(1);
    std::size_t next = 4;
    rom.routines = {SyntheticRom::KnownRoutine};
    if (const int place = byte(2) >> 2 & 3; place == 1 || place == 2) {
        const std::int64_t at = 0x100 + 2 * (byte(next) | byte(next + 1) << 8) * 16;
        rom.routines = place == 1 ? std::vector{at} : std::vector{at, at + 0x1000};
        next += 2;
    }
    if (byte(2) % 4 == 0) rom.routines.clear();
    if (byte(2) % 4 == 1 && v) rom.words = GameWordsFor(v->EggMoveOffset);
    if (byte(2) % 4 == 2) rom.tableAt = MovedTable, rom.words = GameWordsFor(MovedTable);
    for (; byte(2) % 4 == 3 && rom.words.size() < 3; next += 4)
        rom.words.push_back(byte(next) | byte(next + 1) << 8 | byte(next + 2) << 16 |
                            std::uint32_t(byte(next + 3)) << 24);
    for (std::size_t i = 0; next < size && i < 2 * rom.table.size(); ++i, ++next)
        rom.table[i / 2] = i % 2 ? (rom.table[i / 2] & 0xFF) | data[next] << 8
                                 : (rom.table[i / 2] & 0xFF00) | data[next];
    Image image;
    image.pieces = RomPieces(rom);
    const std::uint64_t at = rom.tableAt >= 0 ? rom.tableAt : TableOffset(rom.code, rom.revision);
    image.size = RomSize(rom);
    if (v && byte(3)) image.size = at + 9 * (byte(3) - 1u);
    return image;
}

// What the table bytes alone say a load must do, read here on their own: the
// questions, and the table once every one is answered Yes.
std::vector<std::uint16_t> Expect(const Image& image, std::int64_t offset, int count,
                                  int& repairs) {
    const Bytes bytes = image.Read(static_cast<std::uint64_t>(offset), 2 * count, false);
    std::vector<std::uint16_t> table;
    bool endMark = false;
    for (int i = 0; i < count; ++i) {
        std::uint16_t value = static_cast<std::uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
        endMark = endMark || value == 0xFFFF;
        if (!endMark && !IsLegalEntry(value)) value = value >> 8 <= 1 ? 0x0001 : 0x4E20, ++repairs;
        table.push_back(value);
    }
    return table;
}

// Nothing was written outside the table where it was read, every byte written
// there holds the repaired table, and the file grew by none.
bool HoldsOnly(const Image& image, std::int64_t offset, const std::vector<std::uint16_t>& table) {
    const auto start = static_cast<std::uint64_t>(offset);
    const Bytes now = image.Read(start, 2 * table.size(), true);
    for (const Piece& w : image.writes) {
        if (w.offset < start || w.end() > start + 2 * table.size()) return false;
        for (std::uint64_t at = w.offset - start; at < w.end() - start; ++at)
            if (now[at] != (table[at / 2] >> (at % 2 * 8) & 0xFF)) return false;
    }
    return !image.extended;
}

void Pass(Image image, bool yes) {
    Current = &image;
    ImageStream file(image);
    Rom rom;
    int choices = 0, questions = 0, warnings = 0;
    bool askedEarly = false;
    const auto ask = [&](int, std::uint16_t) {
        askedEarly |= choices == 0 || (IsReadOnly(rom) && warnings == 0);
        ++questions;
        return yes;
    };
    const LoadResult result =
        LoadRom(rom, file, "image", {[&] { ++choices; }, [&] { ++warnings; }, ask});
    if (!rom.release.version || result == LoadResult::NoTable) {
        FUZZ_CHECK((result == LoadResult::Unsupported || result == LoadResult::NoTable) &&
                   choices + questions + warnings == 0);
        FUZZ_CHECK(SaveEggMoveTable(rom) == SaveResult::NothingToSave && image.writes.empty());
        return;
    }
    FUZZ_CHECK(choices == 1 && !askedEarly && warnings == IsReadOnly(rom));
    const std::int64_t offset = rom.table.EggMoveOffset;
    const int count = rom.table.entryCount;
    const bool whole = offset + 2 * count <= static_cast<std::int64_t>(image.size);
    // Read where the routine found says, or at the release's place.
    FUZZ_CHECK(rom.table.place == TablePlace::Moved || IsMovedBuild(rom.table)
                   ? whole || rom.table.place == TablePlace::Foreign
                   : offset == rom.release.version->EggMoveOffset);
    int repairs = 0;
    std::vector<std::uint16_t> table = Expect(image, offset, count, repairs);
    // A build whose code moved is never asked, and keeps every entry as it is.
    if (IsMovedBuild(rom.table)) {
        repairs = 0;
        table = ReadEggMoveEntries(file, offset, count);
    }
    // A No stops at the first question; a Yes goes through all of them.
    FUZZ_CHECK(questions == (yes ? repairs : std::min(repairs, 1)));
    if (!yes && repairs) {
        FUZZ_CHECK(result == LoadResult::Declined && image.writes.empty());
        FUZZ_CHECK(SaveEggMoveTable(rom) == SaveResult::NothingToSave);
        return;
    }
    FUZZ_CHECK(result == LoadResult::Completed);
    FUZZ_CHECK(table == rom.list.EggMoveTable);
    FUZZ_CHECK(IsReadOnly(rom) ? image.writes.empty() : HoldsOnly(image, offset, table));
    // Saving an unedited table writes back the file's own bytes, or nothing at all.
    const std::size_t writes = image.writes.size();
    const SaveResult saved = SaveEggMoveTable(rom);
    // A file cut short says so before a table the game does not read.
    FUZZ_CHECK(saved == (!whole            ? SaveResult::Failed
                         : IsReadOnly(rom) ? SaveResult::ReadOnly
                                           : SaveResult::Saved));
    FUZZ_CHECK(image.writes.size() == writes + (saved == SaveResult::Saved));
    FUZZ_CHECK(IsReadOnly(rom) || HoldsOnly(image, offset, table));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    OpenForUpdate = OpenCurrent;
    Pass(Decode(data, size), size < 3 || data[2] < 0x80);
    return 0;
}
