// libFuzzer target: arbitrary bytes made into a ROM image held in memory, loaded
// through the stream seams answering every repair question Yes (or every one No),
// then a save of the unedited table. Traps as soon as something
// that must always hold does not. The input:
//
//   byte 0    the game code: that of row b % 17 of the version table; 16 is a code
//             of no release
//   byte 1    the header's version byte, which with the code gives the release
//   byte 2    the game's words in its low bits: 0 none, 1 pointing at the usual
//             table, 2 at a table moved to 0x800000, 3 taken from the next 12 bytes
//             of the input; its high bit set answers the repair questions No
//   byte 3    where the file ends: 0 after everything, 255 inside the move names,
//             k inside or just past the table, 9 (k - 1) bytes into it
//   then      up to 2276 bytes laid over the table from its first entry, and the
//             rest laid over the species names
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <streambuf>
#include <string>
#include <vector>

#include "eggmoves/table.h"
#include "rom/loader.h"
#include "rom/saver.h"
#include "rom/update_stream.h"
#include "tools/synthetic_rom.h"

#define FUZZ_CHECK(condition)                                                            \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            __builtin_trap();                                                            \
        }                                                                                \
    } while (false)

namespace {

constexpr std::int64_t MovedTable = 0x800000;

// The file: pieces over zero bytes, and every write made to it since, latest last.
struct Image {
    std::vector<Piece> pieces;
    std::uint64_t size = 0;
    std::vector<Piece> writes;
    bool extended = false;

    // n bytes from at, as the file held them at first or holds them now.
    void Read(std::uint64_t at, std::uint8_t* out, std::size_t n, bool now) const {
        std::fill_n(out, n, 0);
        const auto lay = [&](const Piece& p) {
            const std::uint64_t from = std::max(at, p.offset), to = std::min(at + n, p.end());
            if (from < to)
                std::copy(&p.bytes[from - p.offset], &p.bytes[to - p.offset], out + (from - at));
        };
        for (const Piece& p : pieces) lay(p);
        if (now)
            for (const Piece& w : writes) lay(w);
    }
    std::uint8_t At(std::uint64_t at) const {
        std::uint8_t b;
        Read(at, &b, 1, true);
        return b;
    }
};

// A stream over the image with a position of its own, as each open file has.
class ImageBuf : public std::streambuf {
  public:
    explicit ImageBuf(Image& image) : image_(image) {}

  protected:
    int_type underflow() override {
        return pos_ < image_.size ? traits_type::to_int_type(static_cast<char>(image_.At(pos_)))
                                  : traits_type::eof();
    }
    int_type uflow() override {
        const int_type c = underflow();
        if (c != traits_type::eof()) ++pos_;
        return c;
    }
    std::streamsize xsgetn(char* out, std::streamsize n) override {
        const auto got = pos_ < image_.size ? std::min<std::uint64_t>(n, image_.size - pos_) : 0;
        image_.Read(pos_, reinterpret_cast<std::uint8_t*>(out), got, true);
        pos_ += got;
        return static_cast<std::streamsize>(got);
    }
    std::streamsize xsputn(const char* in, std::streamsize n) override {
        image_.extended |= pos_ + static_cast<std::uint64_t>(n) > image_.size;
        image_.writes.push_back({pos_, Bytes(in, in + n)});
        pos_ += static_cast<std::uint64_t>(n);
        return n;
    }
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }
    pos_type seekoff(off_type off, std::ios::seekdir dir, std::ios::openmode) override {
        const auto base = dir == std::ios::beg ? 0 : dir == std::ios::cur ? pos_ : image_.size;
        return seekpos(static_cast<off_type>(base) + off, std::ios::in | std::ios::out);
    }
    pos_type seekpos(pos_type at, std::ios::openmode) override {
        if (at < 0) return pos_type(off_type(-1));
        pos_ = static_cast<std::uint64_t>(at);
        return at;
    }

  private:
    Image& image_;
    std::uint64_t pos_ = 0;
};

class ImageStream : public std::iostream {
  public:
    explicit ImageStream(Image& image) : std::iostream(nullptr), buf_(image) { rdbuf(&buf_); }

  private:
    ImageBuf buf_;
};

Image* Current = nullptr;
std::unique_ptr<std::iostream> OpenCurrent(const std::string&) {
    return std::make_unique<ImageStream>(*Current);
}

// The synthetic image of each release, built once, with one-letter names so that
// the time goes to the table.
const std::vector<Piece>& BasePieces(const GameVersion* version) {
    static std::map<const GameVersion*, std::vector<Piece>> cache;
    auto [it, fresh] = cache.try_emplace(version);
    if (fresh) {
        const int revision = version && version->revision != AnyRevision ? version->revision : 0;
        it->second = RomPieces(DefaultRom(version ? version->code : "BPRX", revision));
        for (auto [piece, count] : {std::pair{1, SpeciesNameCount}, {2, MoveNameCount}}) {
            Bytes& names = it->second[piece].bytes;
            names.assign(piece == 2 ? 2 : 0, 0);  // move names start in the padding of move 0
            for (int n = 0; n < count; ++n)
                names.insert(names.end(), {static_cast<std::uint8_t>(0xBB + n % 26), 0xFF});
        }
    }
    return it->second;
}

Image Decode(const std::uint8_t* data, std::size_t size) {
    const auto byte = [&](std::size_t i) -> std::uint8_t { return i < size ? data[i] : 0; };
    // The row the code and version byte identify, so that names lie where they are read.
    const std::size_t row = byte(0) % (GameVersionTable.size() + 1);
    const GameVersion* v = row < GameVersionTable.size()
                               ? FindGameVersion(GameVersionTable[row].code, byte(1))
                               : nullptr;
    Image image;
    image.pieces = BasePieces(v);
    image.pieces.front().bytes[RevisionOffset] = byte(1);
    std::size_t next = 4;
    std::vector<std::uint32_t> words;
    const std::uint64_t table = v ? v->EggMoveOffset : 0;
    if (byte(2) % 4 == 1) words = GameWordsFor(table);
    if (byte(2) % 4 == 2) words = GameWordsFor(MovedTable);
    for (; byte(2) % 4 == 3 && words.size() < 3; next += 4)
        words.push_back(byte(next) | byte(next + 1) << 8 | byte(next + 2) << 16 |
                        std::uint32_t(byte(next + 3)) << 24);
    if (v && !words.empty()) {
        const GameWords& w = v->words;
        const std::int32_t places[] = {w.tablePointer1, w.tablePointer2, w.searchLimit};
        for (int i = 0; i < 3 && places[i]; ++i) {
            Bytes b;
            for (int shift = 0; shift < 32; shift += 8)
                b.push_back(static_cast<std::uint8_t>(words[i] >> shift));
            image.pieces.push_back({static_cast<std::uint64_t>(places[i]), b});
        }
    }
    // The table is the last base piece, the species names the second (after the header).
    Piece& tablePiece = image.pieces[3];
    if (v && byte(2) % 4 == 2) tablePiece.offset = MovedTable;
    for (std::size_t i = 0; next < size && i < EggMoveTableSize; ++i)
        tablePiece.bytes[i] = data[next++];
    for (std::size_t i = 0; next < size && i < image.pieces[1].bytes.size(); ++i)
        image.pieces[1].bytes[i] = data[next++];
    image.size = 0;
    for (const Piece& p : image.pieces) image.size = std::max(image.size, p.end());
    if (v && byte(3) == 255) image.size = static_cast<std::uint64_t>(v->MoveNameOffset) + 500;
    if (v && byte(3) && byte(3) < 255) image.size = tablePiece.offset + 9 * (byte(3) - 1u);
    return image;
}

// What the table bytes alone say a load must do, with the rules of the format
// written out again here, so a fault in the loader's own checks cannot hide.
struct Expectation {
    std::vector<int> repairs;          // the questions, in table order
    std::vector<std::uint16_t> table;  // the whole table after every Yes
};

Expectation Expect(const Image& image, std::int64_t offset) {
    Bytes bytes(EggMoveTableSize);
    image.Read(static_cast<std::uint64_t>(offset), bytes.data(), bytes.size(), false);
    // Whatever lies past the end of the file reads as 0xFF.
    const auto held = std::max<std::int64_t>(0, static_cast<std::int64_t>(image.size) - offset);
    for (auto i = static_cast<std::size_t>(std::min<std::int64_t>(held, EggMoveTableSize));
         i < bytes.size(); ++i)
        bytes[i] = 0xFF;
    Expectation e;
    bool endMark = false;
    for (int i = 0; i < EggMoveEntryCount; ++i) {
        std::uint16_t value = static_cast<std::uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
        endMark = endMark || value == 0xFFFF;
        const int high = value >> 8;
        const bool move = high <= 0x01;
        const bool legal = move
                               ? value >= 1 && value <= 354
                               : (high == 0x4E || high == 0x4F) && value >= 20000 && value <= 20411;
        if (!endMark && !legal) {
            e.repairs.push_back(i);
            value = move ? 0x0001 : 0x4E20;
        }
        e.table.push_back(value);
    }
    return e;
}

// Every byte written holds what it must: the repaired table where it was read
// (when writes are allowed), the file's own bytes everywhere else.
bool HoldsOnly(const Image& image, std::int64_t offset, const std::vector<std::uint16_t>& table) {
    for (const Piece& w : image.writes) {
        Bytes now(w.bytes.size()), want(w.bytes.size());
        image.Read(w.offset, now.data(), now.size(), true);
        image.Read(w.offset, want.data(), want.size(), false);
        for (std::size_t k = 0; k < want.size(); ++k) {
            const std::int64_t at = static_cast<std::int64_t>(w.offset + k) - offset;
            if (at >= 0 && at < EggMoveTableSize) want[k] = table[at / 2] >> (at % 2 * 8) & 0xFF;
        }
        if (now != want) return false;
    }
    return !image.extended;
}

void Pass(Image image, bool yes) {
    Current = &image;
    ImageStream file(image);
    Rom rom;
    int choices = 0, questions = 0, warnings = 0;
    bool askedEarly = false;
    const LoadResult result = LoadRom(rom, file, "image",
                                      {[&] { ++choices; }, [&] { ++warnings; },
                                       [&] {
                                           askedEarly |=
                                               choices == 0 || (IsReadOnly(rom) && warnings == 0);
                                           ++questions;
                                           return yes;
                                       }});
    if (!rom.release.version) {
        FUZZ_CHECK(result == LoadResult::Unsupported && choices + questions + warnings == 0);
        FUZZ_CHECK(SaveEggMoveTable(rom) == SaveResult::NothingToSave && image.writes.empty());
        return;
    }
    FUZZ_CHECK(choices == 1 && !askedEarly && warnings == IsReadOnly(rom));
    const std::int64_t offset = rom.table.EggMoveOffset;
    FUZZ_CHECK(rom.table.place == TablePlace::Moved
                   ? offset + EggMoveTableSize <= static_cast<std::int64_t>(image.size)
                   : offset == rom.release.version->EggMoveOffset);
    const Expectation e = Expect(image, offset);
    // A No stops at the first question; a Yes goes through all of them.
    FUZZ_CHECK(questions == static_cast<int>(yes || e.repairs.empty() ? e.repairs.size() : 1));
    if (!yes && !e.repairs.empty()) {
        FUZZ_CHECK(result == LoadResult::Declined && image.writes.empty());
        FUZZ_CHECK(SaveEggMoveTable(rom) == SaveResult::NothingToSave);
        return;
    }
    FUZZ_CHECK(result == LoadResult::Completed);
    FUZZ_CHECK(std::equal(e.table.begin(), e.table.end(), rom.list.EggMoveTable.begin()));
    int species = 0, moves = 0;
    for (int i = 0; i < EggMoveEntryCount; ++i) {
        const std::uint16_t entry = rom.list.EggMoveTable[i];
        species += EntryKind(entry) == Kind::Species;
        moves += EntryKind(entry) == Kind::Move;
        FUZZ_CHECK(rom.list.EggMoveListLines[i] == EntryLine(entry, rom.names));
    }
    FUZZ_CHECK(rom.list.SpeciesCount == species && rom.list.MoveCount == moves);
    FUZZ_CHECK(IsReadOnly(rom) ? image.writes.empty() : HoldsOnly(image, offset, e.table));
    // Saving an unedited table writes back the file's own bytes, or nothing at all.
    const bool whole = offset + EggMoveTableSize <= static_cast<std::int64_t>(image.size);
    const std::size_t writes = image.writes.size();
    const SaveResult saved = SaveEggMoveTable(rom);
    FUZZ_CHECK(saved == (IsReadOnly(rom) ? SaveResult::ReadOnly
                         : whole         ? SaveResult::Saved
                                         : SaveResult::Failed));
    FUZZ_CHECK(image.writes.size() == writes + (saved == SaveResult::Saved));
    FUZZ_CHECK(IsReadOnly(rom) || HoldsOnly(image, offset, e.table));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    OpenForUpdate = OpenCurrent;
    Pass(Decode(data, size), size < 3 || data[2] < 0x80);
    return 0;
}
