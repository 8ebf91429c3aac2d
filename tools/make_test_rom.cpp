// make_test_rom CODE[:REVISION] PATH [SIZE] [ROW=HEXVALUE ...] [words=HEX,HEX,HEX|game]
//               [pad=HEXOFFSET] [routine=none|HEXOFFSET,...] [table=HEXOFFSET]
//               [names=HEXOFFSET|none] [per-species] [demo] [hack]
// Writes a synthetic ROM of the release CODE (version byte REVISION, 0 by
// default), with the egg-move routine at the release's own place: ROW=VALUE pairs
// put special entries into the table, words= writes the routine's two table
// pointers and search limit (game: those of an untouched game, the default),
// routine= plants it elsewhere (none: nowhere), table= moves the table, names=
// moves the name tables and fills their old place with 0xFF (none: leaves them
// unfindable), per-species leaves
// the routine out and puts other data at the table's place, pad= fills the file
// with 0xFF from that offset on, as games end, and demo gives invented names,
// hack an empty move name and a species name two species share.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "eggmoves/table.h"
#include "tools/synthetic_rom.h"

namespace {

// Invented names, spelled as the games spell theirs: capitals, at most ten letters.
void GiveDemoNames(SyntheticRom& rom) {
    const char* heads[] = {"BRAM",  "QUIL", "MOSS", "PEBB", "FERN", "CIND", "GLIM",
                           "THORN", "DRIF", "EMB",  "FROS", "LOAM", "MURK", "SPRIG",
                           "TID",   "VEX",  "ZEPH", "ORB",  "KELP", "WISP", "NOOK"};
    const char* tails[] = {"BIT",  "OW",   "LING", "SNAIL", "DRAKE", "WING", "PUP",
                           "MOTH", "FIN",  "HOOF", "LET",   "TUSK",  "ROO",  "SHELL",
                           "KIT",  "FANG", "MANE", "BUG",   "TAIL",  "OX"};
    const char* moves[] = {"SPARK", "MUD",   "LEAF",  "STONE", "GUST", "FROST",
                           "SHADE", "FLAME", "TIDAL", "IRON",  "SILK", "THORN",
                           "ECHO",  "DREAM", "SAND",  "EMBER", "MIST", "QUAKE"};
    const char* actions[] = {"JAB",   "WAVE",  "BURST", "VEIL", "SPIN",  "FANG",  "DANCE",
                             "CRASH", "DRILL", "BLOOM", "HOWL", "SNARE", "PULSE", "STRIKE",
                             "COIL",  "SLAM",  "GAZE",  "RUSH", "WARD",  "LASH"};
    rom.species[0] = GameText("??????????");
    for (int s = 1; s < SpeciesNameCount; ++s)
        rom.species[s] = GameText(std::string(heads[(s - 1) % 21]) + tails[(s - 1) / 21]);
    rom.species[2] = GameText("FLAB\xC9\x42\xC9");  // \x42: B, which would join \xC9
    for (int m = 0; m < MoveNameCount; ++m)
        rom.moves[m] = GameText(std::string(moves[m % 18]) + " " + actions[m / 18]);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: make_test_rom CODE[:REVISION] PATH [SIZE] [ROW=HEXVALUE ...] "
                     "[words=HEX,HEX,HEX|game] [pad=HEXOFFSET] [routine=none|HEXOFFSET,...] "
                     "[table=HEXOFFSET] [names=HEXOFFSET|none] [per-species] [demo] [hack]\n");
        return 2;
    }
    const std::string release = argv[1];
    const auto colon = release.find(':');
    SyntheticRom rom = DefaultRom(release.substr(0, colon),
                                  colon == std::string::npos ? 0 : std::atoi(&release[colon + 1]));
    rom.species[1] = GameText("Pok\xE9mon");
    rom.species[3] = GameText("MR. \"Q\", JR");  // quotes and a comma for CSV
    rom.moves[0] = {0xBB, 0xFE, 0xBC};           // a backslash text inside a name
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        if (arg == "demo") {
            GiveDemoNames(rom);
        } else if (arg == "per-species") {
            // Another hack base's data where the table was: no species entry first.
            rom.routines.clear();
            for (std::size_t e = 0; e < rom.table.size(); ++e)
                rom.table[e] = static_cast<std::uint16_t>(0x0800 + 0x0111 * e);
        } else if (arg == "routine=none") {
            rom.routines.clear();
        } else if (arg.starts_with("routine=")) {
            rom.routines.clear();
            std::istringstream places(arg.substr(eq + 1));
            for (std::string place; std::getline(places, place, ',');)
                rom.routines.push_back(std::stoll(place, nullptr, 16));
        } else if (arg.starts_with("table=")) {
            rom.tableAt = std::stoll(arg.substr(eq + 1), nullptr, 16);
        } else if (arg == "names=none") {
            rom.species[0] = GameText("EGG");  // not the shape the names are found by
        } else if (arg.starts_with("names=")) {
            rom.namesAt = std::stoll(arg.substr(eq + 1), nullptr, 16);
            rom.fillOldNames = true;
        } else if (arg == "hack") {
            // Names as hacks leave them: move 3 blanked, species 89 and 161 alike.
            rom.moves[2].clear();
            rom.species[89] = rom.species[161] = GameText("BELVES");
        } else if (eq == std::string::npos) {
            rom.size = std::strtoull(arg.c_str(), nullptr, 0);
        } else if (arg == "words=game") {
            rom.words = GameWordsFor(TableOffset(rom.code, rom.revision));
        } else if (arg.starts_with("pad=")) {
            rom.padFrom = std::stoull(arg.substr(eq + 1), nullptr, 16);
        } else if (arg.starts_with("words=")) {
            std::istringstream words(arg.substr(eq + 1));
            for (std::string word; std::getline(words, word, ',');)
                rom.words.push_back(static_cast<std::uint32_t>(std::stoul(word, nullptr, 16)));
        } else {
            rom.table.at(std::stoul(arg.substr(0, eq))) =
                static_cast<std::uint16_t>(std::stoul(arg.substr(eq + 1), nullptr, 16));
        }
    }
    WriteRom(argv[2], rom);
    return 0;
}
