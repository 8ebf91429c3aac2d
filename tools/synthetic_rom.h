// Synthetic ROM images for tests, benchmarks, the fuzzer and the demonstration
// ROM: a header, two name tables in the game's character set and shape, an
// egg-move table, and the game's egg-move routine with its words pointing at it.
// The routine's code is the one fact about the games they hold; never their data.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "rom/loader.h"
#include "rom/rom_file.h"

// Game text for a Windows-1252 string whose characters all have a one-character
// code ("Pok\xE9mon"); no 0xFF terminator.
Bytes GameText(std::string_view text);

struct SyntheticRom {
    std::string code = "BPRE";
    std::uint8_t revision = 0;         // the header's version byte
    std::vector<Bytes> species;        // 412 raw names, without their 0xFF
    std::vector<Bytes> moves;          // 354 raw names
    std::vector<std::uint16_t> table;  // 1138 entries, then the game's own 0xFFFF
    std::uint64_t size = 0;            // file size; 0 = just past the last piece
    std::int64_t tableAt = -1;         // where the table lies; -1 = the release's place
    // Where the egg-move routine is planted; KnownRoutine stands for the release's
    // own place, and is left out for a release that has none. Empty: no routine.
    std::vector<std::int64_t> routines = {KnownRoutine};
    // Written into each routine: the two table pointers, then the search limit;
    // empty: those of an untouched game, pointing at the table.
    std::vector<std::uint32_t> words;
    // Where the species names start (the move names 0x11B4 bytes later); -1 = the
    // release's place. With fillOldNames, the release's place holds 0xFF instead.
    std::int64_t namesAt = -1;
    bool fillOldNames = false;
    std::uint64_t padFrom = 0;  // 0xFF from here to the end of the file, as games end; 0: none

    static constexpr std::int64_t KnownRoutine = -1;
};

// Names "??????????" (species 0, as in the games), "SPECIES1".."SPECIES411" ("?"
// for the unused 252..276) and "MOVE1".."MOVE354", and a table of 165 species
// groups holding 973 moves in all, every entry legal; the routine at the
// release's own place. The German codes ("AXVD") name species 2
// and 4 and move 8 with Ä, Ö and Ü instead.
SyntheticRom DefaultRom(std::string_view code = "BPRE", std::uint8_t revision = 0);
std::string DefaultSpeciesName(int species);
std::string DefaultMoveName(int move);

// The words of an untouched game whose table lies at offset.
std::vector<std::uint32_t> GameWordsFor(std::uint64_t offset);
// File offset of the release's own table.
std::uint64_t TableOffset(std::string_view code, std::uint8_t revision = 0);

struct Piece {
    std::uint64_t offset = 0;
    Bytes bytes;
    std::uint64_t end() const { return offset + bytes.size(); }
};
// The image as the pieces that hold data; the rest is zero.
std::vector<Piece> RomPieces(const SyntheticRom& rom);
std::uint64_t RomSize(const SyntheticRom& rom);
// Writes the image as a sparse file, so that a huge ROM costs no disk.
void WriteRom(const std::filesystem::path& path, const SyntheticRom& rom);

Bytes ReadFileBytes(const std::filesystem::path& path);
// The image written to a scratch file and read back as a ROM.
Rom ReadImage(const SyntheticRom& rom);

// A fresh directory removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};
