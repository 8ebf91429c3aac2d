// Synthetic ROM images for tests, benchmarks and fuzz seeds: a game code, two
// name tables in the game's character set and an egg-move table, at the offsets
// of the chosen release. Never a real game's data.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Game text for a Windows-1252 string whose characters all have a one-character
// code ("Pok\xE9mon"); no 0xFF terminator.
Bytes GameText(std::string_view text);

struct SyntheticRom {
    std::string code = "BPRE";
    std::vector<Bytes> species;        // 412 raw names, without their 0xFF
    std::vector<Bytes> moves;          // 354 raw names
    std::vector<std::uint16_t> table;  // 1138 entries
    std::uint64_t size = 0;            // file size; 0 = just past the table and its end mark
    bool terminator = true;            // the game's own 0xFFFF right after the table
};

// Names "SPECIES0".."SPECIES411" and "MOVE1".."MOVE354" and a table of 165
// species groups holding 973 moves in all, every entry legal.
SyntheticRom DefaultRom(std::string_view code = "BPRE");

// The default table alone.
std::vector<std::uint16_t> DefaultTable();

// The display name a default name table gives.
std::string DefaultSpeciesName(int species);
std::string DefaultMoveName(int move);

struct Piece {
    std::uint64_t offset = 0;
    Bytes bytes;
    std::uint64_t end() const { return offset + bytes.size(); }
};
// The image as the pieces that hold data (the rest of the file is zero).
std::vector<Piece> RomPieces(const SyntheticRom& rom);
// Writes the image as a sparse file, so that a huge ROM costs no disk.
void WriteRom(const std::filesystem::path& path, const SyntheticRom& rom);
// Creates or empties the file, writes the pieces that lie inside size and makes
// it size bytes long; the gaps stay holes. False when a step failed.
bool WritePieces(const std::filesystem::path& path, const std::vector<Piece>& pieces,
                 std::uint64_t size);
Bytes BuildRomBytes(const SyntheticRom& rom);

Bytes ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes);

// File offset of the table of a release code.
std::uint64_t TableOffset(std::string_view code);

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
