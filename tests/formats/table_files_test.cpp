#include "formats/table_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <sstream>

#include "formats/text.h"
#include "tests/support/words.h"
#include "tools/synthetic_rom.h"

namespace {

using enum TableFormat;
using Lines = std::vector<std::string>;
// The rows a read changes, and their new entries.
using Changed = std::map<int, std::uint16_t>;

// One change to an exported file: line is an index into its lines (the CSV's
// header is 0, so row r is r + 1); cell 0 to 4 replaces that CSV cell (row,
// value, kind, id, name), Line the whole line, Erase drops it, Append adds text,
// Insert puts text before it.
enum { Line = -1, Erase = -2, Append = -3, Insert = -4 };
struct Edit {
    int line, cell;
    std::string text;
};
using Edits = std::vector<Edit>;

constexpr std::uint16_t Species(int s) {
    return static_cast<std::uint16_t>(SpeciesEntryBase + s);
}
// Row 2 holds MOVE32, under species 1.
constexpr int R = 2;

// A synthetic ROM whose names hold what editors and spreadsheets meet: an accent,
// a comma and quotes, names alike but for their case, two moves a letter apart.
class Formats : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        SyntheticRom image = DefaultRom();
        image.species[1] = GameText("Pok\xE9mon");
        image.species[3] = GameText("MR. \"Q\", JR");
        image.moves[199] = GameText("DRAGON CLAW");
        image.moves[200] = GameText("DRAGON DANCE");
        image.moves[201] = GameText("Fly");
        image.moves[202] = GameText("FLY");
        image.moves[203] = GameText("ZAP");
        rom = new Rom(ReadImage(image));
    }
    static void TearDownTestSuite() { delete rom; }

    static std::string Written(TableFormat format) {
        std::ostringstream out;
        WriteTable(out, *rom, format);
        return out.str();
    }
    static Lines Split(const std::string& text) {
        Lines lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    static std::string Joined(const Lines& lines, const std::string& end = "\n") {
        std::string text;
        for (const std::string& line : lines) text += line + end;
        return text;
    }
    static std::string Edited(TableFormat format, const Edits& edits) {
        Lines lines = Split(Written(format));
        for (const auto& [line, cell, text] : edits) {
            if (cell == Append) lines.push_back(text);
            if (cell == Erase) lines.erase(lines.begin() + line);
            if (cell == Line) lines[line] = text;
            if (cell == Insert) lines.insert(lines.begin() + line, text);
            if (cell < 0) continue;
            std::string& edited = lines[line];
            std::size_t start = 0;
            for (int c = 0; c < cell; ++c) start = edited.find(',', start) + 1;
            edited.replace(start, std::min(edited.find(',', start), edited.size()) - start, text);
        }
        return Joined(lines);
    }
    static Changed ChangesOf(const TableText& table) {
        Changed changed;
        for (std::size_t i = 0; i < table.entries.size(); ++i)
            if (i >= rom->list.EggMoveTable.size() || table.entries[i] != rom->list.EggMoveTable[i])
                changed[static_cast<int>(i)] = table.entries[i];
        return changed;
    }
    // A file that is read: what it changes; a file that is refused: its line and why.
    static void ExpectRead(const std::string& text, TableFormat format, const Changed& changed,
                           const std::string& name) {
        const TableText table = ReadTable(text, format, *rom);
        EXPECT_EQ(table.problem.english, "") << name;
        EXPECT_EQ(ChangesOf(table), changed) << name;
    }
    static void ExpectRefused(const std::string& text, TableFormat format, int line,
                              const std::string& problem) {
        const TableText table = ReadTable(text, format, *rom);
        EXPECT_EQ(table.line, line) << problem;
        EXPECT_NE(table.problem.english.find(problem), std::string::npos) << table.problem.english;
        EXPECT_TRUE(table.entries.empty()) << problem;
    }

    static inline Rom* rom = nullptr;
};

TEST_F(Formats, OrderLineEndsAndMarksChangeNothing) {
    const Lines csv = Split(Written(Csv));
    Lines shuffled = csv, semicolons = {"row;value"}, noted = csv;
    noted[0] += ",\"note; kept\"";  // commas still separate a header with a semicolon
    Lines rowOnly = csv;
    rowOnly[5] = "4";  // a row whose other cells are gone says nothing
    std::shuffle(shuffled.begin() + 1, shuffled.end(), std::mt19937(7));
    for (std::size_t r = 0; r < rom->list.EggMoveTable.size(); ++r)
        semicolons.push_back(std::to_string(r) + ";" + Hex(rom->list.EggMoveTable[r]));
    nlohmann::json json = nlohmann::json::parse(Written(Json));
    std::reverse(json["rows"].begin(), json["rows"].end());
    for (const std::string& text :
         {Joined(shuffled), Joined(semicolons), Joined(noted), Joined(rowOnly),
          Joined(csv, "\r\n") + "\r\n\r\n", Joined(csv, "\r"), "\xEF\xBB\xBF" + Joined(csv),
          json.dump(1), Joined(Split(json.dump(2)), "\r")})
        ExpectRead(text, SniffFormat(text), {}, text.substr(0, 40));
}

TEST_F(Formats, TheEditedCellWins) {
    const struct {
        Edits edits;
        Changed changed;
    } cases[] = {
        {{{R + 1, 1, "0x0007"}}, {{R, 7}}},
        {{{R + 1, 1, "20005"}}, {{R, Species(5)}}},
        {{{R + 1, 1, "move7"}}, {{R, 7}}},  // a name in the value cell
        {{{R + 1, 3, "7"}}, {{R, 7}}},
        {{{R + 1, 3, "411"}, {R + 1, 2, "species"}}, {{R, Species(411)}}},
        {{{R + 1, 4, "DRAGON CLAW"}}, {{R, 200}}},
        {{{R + 1, 4, "dragon dance"}}, {{R, 201}}},
        {{{R + 1, 4, "Pok\xC3\xA9mon"}}, {{R, Species(1)}}},
        {{{R + 1, 1, "0x0009"}, {R + 1, 4, "MOVE9"}}, {{R, 9}}},
        {{{R + 1, 1, ""}, {R + 1, 2, ""}, {R + 1, 3, ""}, {R + 1, 4, ""}}, {}},
        {{{R + 1, 1, " 0x0007\t"}, {R + 1, 4, "\tMOVE7 "}},
         {{R, 7}}},  // as spreadsheets leave them
        {{{R + 1, 4, " \"MOVE9\" "}}, {{R, 9}}},
        {{{R + 1, 1, "0xFFFF"}}, {{R, 0xFFFF}}},  // the end mark, by value or by kind
        {{{R + 1, 2, "end"}, {R + 1, 3, "1"}}, {{R, 0xFFFF}}},
        {{{1138, 2, "end"}, {1138, 1, "65535"}}, {{1137, 0xFFFF}}},
        {{{R + 1, 4, "move32"}}, {}},  // the name as it is, in another case
    };
    for (const auto& [edits, changed] : cases)
        ExpectRead(Edited(Csv, edits), Csv, changed, edits[0].text);
    ExpectRead(Edited(Json, {{13, Line, R"({"row": 2, "value": 7},)"}}), Json, {{R, 7}},
               "a JSON value as a number");
}

TEST_F(Formats, RowsAndCellsRefused) {
    const struct {
        TableFormat format;
        Edits edits;
        int line;
        const char* problem;
    } cases[] = {
        // clang-format off
        {Csv, {{6, Erase, ""}}, 7, "row 5 is missing"},
        {Csv, {{1138, Erase, ""}}, 1139, "row 1137 is missing"},
        {Csv, {{0, Append, "6,0x0001"}}, 1140, "row 6 is here again (first on line 8)"},
        {Csv, {{5, 0, "1138"}}, 6, "row 1138 is past the table's last row, 1137"},
        {Csv, {{5, 0, "four"}}, 6, "\"four\" is no row number"},
        {Csv, {{R + 1, 1, "0x0007"}, {R + 1, 3, "8"}, {R + 1, 4, "MOVE9"}}, 4, "row 2: its cells "
         "name different entries: value says 0x0007 MOVE7, id says 0x0008 MOVE8, name says 0x0009 MOVE9"},
        {Csv, {{R + 1, 1, "0xFFFF"}, {R + 1, 4, "MOVE7"}}, 4,
         "value says 0xFFFF (end mark), id says 0x0020 MOVE32, name says 0x0007 MOVE7"},
        {Csv, {{R + 1, 3, "355"}}, 4, "id \"355\" of kind \"move\" is no species or move"},
        {Csv, {{R + 1, 3, "0"}}, 4, "id \"0\" of kind \"move\""},
        {Csv, {{R + 1, 3, "412"}, {R + 1, 2, "species"}}, 4, "id \"412\" of kind \"species\""},
        {Csv, {{R + 1, 3, "1"}, {R + 1, 2, "illegal"}}, 4, "of kind \"illegal\""},
        {Csv, {{R + 1, 4, "DRAGN CLAW"}}, 4,
         "row 2: this ROM has no species or move \"DRAGN CLAW\"; did you mean DRAGON CLAW?"},
        {Csv, {{R + 1, 1, "0x0000"}}, 4, "row 2: 0x0000 is not a legal entry, and this row"},
        {Csv, {{R + 1, 1, "0x1FFFFFFFFFFFFFFFFF"}}, 4, "no species or move \"0x1FFFFFFFFFFFFFFFFF\""},
        {Csv, {{9, 4, "\"MOVE"}}, 10, "a quoted field is not closed"},
        {Csv, {{1138, 4, "\"MOVE"}}, 1139, "a quoted field is not closed"},  // at the end
        {Csv, {{0, Line, "number,value"}}, 1, "the header has no \"row\" column"},
        {Csv, {{0, Line, "row,kind"}}, 1, "the header has no \"value\", \"id\" or \"name\""},
        {Json, {{40, Line, "}"}}, 41, "not JSON"},
        {Json, {{13, Line, "{\"row\": 2,\n\"value\": \"}{\"},"}}, 14, "row 2: this ROM has no species or move \"}{\""},
        {Json, {{13, Line, R"({"row": 2, "name": "\"{"}, 7,)"}}, 15, "a row that is not an object"},
        // clang-format on
    };
    for (const auto& [format, edits, line, problem] : cases)
        ExpectRefused(Edited(format, edits), format, line, problem);
    ExpectRefused("", Csv, 1, "the file is empty");
    for (const char* json : {"[]", "{}", "{\"rows\": {}}"})
        ExpectRefused(json, Json, 1, "no \"rows\" array");
    ExpectRefused(" \n\t\n", List, 1, "the file is empty");
}

TEST_F(Formats, TheListForgivesWhatEditorsDo) {
    Lines lower = Split(Written(List)), spaced = lower, tabbed = lower;
    for (std::string& line : lower)
        std::transform(line.begin(), line.end(), line.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (std::string& line : spaced) line += " \t ";
    for (std::string& line : tabbed)
        if (line.starts_with("    ")) line.replace(0, 4, "\t");
    const std::pair<std::string, Changed> cases[] = {
        {Joined(lower), {}},
        {Joined(spaced), {}},
        {Joined(tabbed), {}},
        {Edited(List, {{0, Append, ""}, {0, Append, "  "}}), {}},
        {Edited(List, {{R, Line, "    dragon claw "}}), {{R, 200}}},
        {Edited(List, {{R, Line, "\tMOVE7"}}), {{R, 7}}},
        {Edited(List, {{R, Line, "pok\xE9mon"}}), {{R, Species(1)}}},
        {Edited(List, {{R, Line, "POK\xC9MON"}, {R + 1, Line, "    zap"}}),
         {{R, Species(1)}, {R + 1, 204}}},
    };
    // Notepad's "Unicode", either byte order, with its mark (these names are Latin-1).
    const auto utf16 = [](const std::string& text, bool big) {
        std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
        for (const char c : text) out += big ? std::string{'\0', c} : std::string{c, '\0'};
        return out;
    };
    for (const auto& [text, changed] : cases)
        for (const std::string& variant :
             {text, "\xEF\xBB\xBF" + Utf8(text), Utf8(text), Joined(Split(text), "\r\n"),
              Joined(Split(text), "\r"), utf16(Joined(Split(text), "\r\n"), false),
              utf16(text, true)})
            ExpectRead(variant, List, changed, text.substr(0, 40));
}

TEST_F(Formats, ListLinesRefused) {
    const struct {
        Edits edits;
        int line;
        const char* problem;
    } cases[] = {
        // clang-format off
        {{{4, Line, "    DRAGN CLAW"}}, 5, "this ROM has no move \"DRAGN CLAW\"; did you mean DRAGON CLAW?"},
        {{{4, Line, "    MOVE7xyz"}}, 5, "did you mean MOVE7, MOVE70 or MOVE71?"},
        {{{4, Line, "    MOVE7"}, {5, Line, "    QWERTYUIOP"}}, 6, "this ROM has no move \"QWERTYUIOP\""},
        {{{4, Line, "    ON CLAW"}}, 5, "this ROM has no move \"ON CLAW\""},  // four edits away
        {{{4, Line, "    fly"}}, 5, "more than one move \"fly\" when case is ignored"},
        {{{4, Line, "?"}}, 5, "more than one species \"?\", and this row holds none"},
        {{{4, Line, "  MOVE7"}}, 5, "a move line starts with exactly four spaces or a tab"},
        {{{4, Line, "\t MOVE7"}}, 5, "exactly four spaces or a tab"},
        {{{4, Line, "    SPECIES5"}}, 5, "\"SPECIES5\" is a species, and species lines are not indented"},
        {{{4, Line, "move7"}}, 5, "\"move7\" is a move, and move lines start with four spaces or a tab"},
        {{{4, Line, "QWERTYUIOP"}}, 5, "this ROM has no species \"QWERTYUIOP\""},
        {{{4, Line, ""}}, 5, "an empty line"},
        {{{0, Append, "SPECIES4"}}, 1139, "the file describes 1139 entries; the table holds 1138"},
        {{{4, Line, "    "}}, 5, "the line is indented but holds no name"},
        {{{4, Line, "\t  "}}, 5, "the line is indented but holds no name"},
        // clang-format on
    };
    for (const auto& [edits, line, problem] : cases) {
        ExpectRefused(Edited(List, edits), List, line, problem);
        // Where no name is near enough, no suggestion either.
        if (std::string_view(problem).ends_with('"')) {
            EXPECT_TRUE(ReadTable(Edited(List, edits), List, *rom).problem.english.ends_with('"'));
        }
    }
}

TEST_F(Formats, GrownRowsAndChangesInWords) {
    const std::string grown = Edited(Csv, {{0, Append, "1139,0x0009"}, {0, Append, "1138,9"}});
    const TableText table = ReadTable(grown, Csv, *rom, 1140);
    EXPECT_EQ(ChangesOf(table), (Changed{{1138, 9}, {1139, 9}}));
    const TableText missing = ReadTable(Edited(Csv, {{0, Append, "1140,9"}}), Csv, *rom, 1141);
    EXPECT_EQ(missing.problem, (Words{"row 1138 is missing", "le rang 1138 manque"}));
    EXPECT_EQ(ReadTable(grown, Csv, *rom).rows, 1140);
    EggMoveEntries entries = table.entries;
    entries[0] = Species(3);
    entries[R] = 0x0163;
    const std::vector<RowChange> changes = Changes(*rom, entries);
    ASSERT_EQ(changes.size(), 4u);
    const char* lines[] = {"0: Pok\xC3\xA9mon: Pok\xC3\xA9mon -> MR. \"Q\", JR (0x4E21 -> 0x4E23)",
                           "2: Pok\xC3\xA9mon: MOVE32 -> (illegal) (0x0020 -> 0x0163)",
                           "1138: SPECIES165: (end mark) -> MOVE9 (0xFFFF -> 0x0009)"};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(ChangeLine(changes[i]), lines[i]);
    EXPECT_EQ(ChangeJson(changes[3]).dump(),
              R"x({"row":1139,"species":"SPECIES165","old":"(end mark)","new":"MOVE9",)x"
              R"x("oldValue":"0xFFFF","newValue":"0x0009"})x");
    const struct {
        EggMoveEntries entries;
        Words message;
    } summaries[] = {
        // clang-format off
        {rom->list.EggMoveTable, {"Nothing changed: the file describes the table as it is.", "Rien n'a changé : le fichier décrit la table telle qu'elle est."}},
        {EggMoveEntries(entries.begin(), entries.begin() + 1138), {"2 rows changed.", "2 lignes modifiées."}},
        {table.entries, {"2 rows changed.", "2 lignes modifiées."}},
        // clang-format on
    };
    for (const auto& [after, message] : summaries) {
        const ImportSummary summary = SummaryOf(*rom, after);
        EXPECT_EQ(summary.message, message);
        EXPECT_EQ(summary.changes, message.english != summaries[0].message.english);
    }
    const ImportSummary one =
        SummaryOf(*rom, ReadTable(Edited(Csv, {{R + 1, 4, "zap"}}), Csv, *rom).entries);
    EXPECT_EQ(one.message, (Words{"1 row changed.", "1 ligne modifiée."}));
    EXPECT_EQ(one.details, Lines{"2: Pok\xC3\xA9mon: MOVE32 -> ZAP (0x0020 -> 0x00CC)"});
    // Refusals in both languages; a name no ROM can spell, in a UTF-8 list.
    const TableText near = ReadTable(Edited(List, {{4, Line, "    MOVE7x"}}), List, *rom);
    EXPECT_EQ(
        near.problem.french,
        "cette rom n'a aucune attaque « MOVE7x » ; vouliez-vous dire MOVE7, MOVE70 ou MOVE71 ?");
    const TableText omega =
        ReadTable(Utf8(Edited(List, {})) + "    \xE2\x84\xA6\n", List, *rom, 1139);
    EXPECT_EQ(omega.line, 1139);
    EXPECT_EQ(omega.problem.english,
              "\"\xE2\x84\xA6\" holds a character that no name of a ROM can hold");
}

TEST_F(Formats, TheListIsTheTableInOrder) {
    const auto table = [](const Edits& edits) {
        EggMoveEntries entries = rom->list.EggMoveTable;
        for (const auto& [line, cell, text] : edits)
            if (cell == Erase)
                entries.erase(entries.begin() + line);
            else
                entries.insert(entries.begin() + line, ReadTable(text, List, *rom, 1).entries[0]);
        entries.resize(std::max<std::size_t>(entries.size(), 1138), EndMarkEntry);
        return entries;
    };
    const Edits cases[] = {
        {{3, Erase, ""}},
        {{1137, Erase, ""}, {1000, Erase, ""}, {0, Erase, ""}},
        {{3, Insert, "    MOVE9"}, {9, Erase, ""}},
        {{1, Erase, ""}, {1, Insert, "    move32"}},
    };
    for (const Edits& edits : cases) {
        const TableText read = ReadTable(Edited(List, edits), List, *rom);
        EXPECT_EQ(read.rows, 0) << edits[0].text;
        EXPECT_EQ(read.entries, table(edits)) << edits[0].text;
    }
    // No question where growing would not take the file either.
    const TableText bad =
        ReadTable(Edited(List, {{0, Append, "x"}, {0, Append, "    y"}}), List, *rom);
    EXPECT_EQ(bad.rows, 0);
    EXPECT_EQ(GrowthQuestion(bad, *rom), std::nullopt);
    TableText held = bad;
    held.rows = 1138;  // as many as the table holds: nothing to grow
    EXPECT_EQ(GrowthQuestion(held, *rom), std::nullopt);
    // Blank lines at the end are never rows, and a table's own end marks are room:
    // it grows only by the rows that do not fit. A table of 1148 rows ends with 10
    // end marks; files that add lines to its export, with blank lines left after them.
    const std::string blanks = Edited(List, {}) + "\n\n";
    for (const int largest : {0, MaxEntryCount}) {
        const TableText read = ReadTable(blanks, List, *rom, largest);
        EXPECT_EQ(read.entries, rom->list.EggMoveTable) << largest;
        EXPECT_EQ(read.rows, 0) << largest;
    }
    Rom roomy = *rom;
    EggMoveEntries ten = rom->list.EggMoveTable;
    ten.resize(1148, EndMarkEntry);
    roomy.list = MakeList(ten, roomy.names);
    std::ostringstream exported;
    WriteTable(exported, roomy, List);
    const struct {
        int added, blank;  // lines inserted after row 3, blank lines appended
        int rows;          // the question's, or 0 when the table takes the file
    } roomCases[] = {{1, 0, 0}, {1, 2, 0}, {10, 3, 0}, {11, 0, 1149}, {13, 2, 1151}};
    for (const auto& [added, blank, rows] : roomCases) {
        Lines lines = Split(exported.str());
        lines.insert(lines.begin() + 4, added, "    MOVE9");
        lines.insert(lines.end(), blank, "");
        const std::string text = Joined(lines);
        const TableText read = ReadTable(text, List, roomy);
        EXPECT_EQ(read.rows, rows) << added << " " << blank;
        EggMoveEntries expected = ten;
        expected.insert(expected.begin() + 4, added, 9);
        expected.resize(std::max(1148, rows), EndMarkEntry);
        if (rows > 0) {
            // Refused, with the question; taken grown, but not one row short.
            const std::string n = std::to_string(rows), k = std::to_string(rows - 1148);
            EXPECT_EQ(GrowthQuestion(read, roomy),
                      (Words{"The file describes " + n +
                                 " entries; the table holds 1148. Enlarge the table by " + k + "?",
                             "Le fichier décrit " + n +
                                 " entrées ; la table en contient 1148. Agrandir la table de " + k +
                                 " ?"}));
            EXPECT_EQ(ReadTable(text, List, roomy, rows - 1).rows, rows);
        } else {
            // What the list names, then end marks: the blank lines that fit are room.
            expected.resize(1148);
            std::fill(expected.begin() + 1138 + added, expected.end(), EndMarkEntry);
        }
        EXPECT_EQ(ReadTable(text, List, roomy, std::max(1148, rows)).entries, expected)
            << added << " " << blank;
    }
    // Lines deleted, and blank lines added past the table's own: room all the same.
    Lines fewer = Split(exported.str());
    fewer.erase(fewer.begin() + 4, fewer.begin() + 9);
    fewer.insert(fewer.end(), 3, "");
    EggMoveEntries less = ten;
    less.erase(less.begin() + 4, less.begin() + 9);
    less.resize(1148, EndMarkEntry);
    EXPECT_EQ(ReadTable(Joined(fewer), List, roomy).entries, less);
}

// Images of every release with names that are empty, shared by two entries or
// accented, a table holding an illegal entry and ending with end marks, grown
// where the release has its routine: every format reads its own export back as
// it was, and CSV, JSON and the C form read into another image of the release.
TEST(RoundTrip, EveryReleaseReadsItsOwnExportBack) {
    for (const GameVersion& v : GameVersionTable) {
        if (!v.EggMoveOffset) continue;  // found only by search
        const std::string code(v.code);
        SyntheticRom image = DefaultRom(code, static_cast<std::uint8_t>(v.revision));
        image.species[1] = GameText("Pok\xE9mon");
        image.species[5].clear();
        image.species[89] = image.species[161] = GameText("BELVES");
        image.moves[2].clear();
        image.moves[9] = image.moves[10] = GameText("TWIN");
        if (v.RoutineOffset) {
            image.words = GameWordsFor(v.EggMoveOffset);
            image.words[2] = EggMoveEntryCount + 99;
            image.table.resize(EggMoveEntryCount + 100, EndMarkEntry);
        }
        SyntheticRom other = image;
        const std::uint16_t rows[] = {3, 10, 11, 0x0200, Species(89), Species(161), Species(5)};
        std::copy(std::begin(rows), std::end(rows), image.table.begin() + 1);
        std::fill(image.table.begin() + 1130, image.table.end(), EndMarkEntry);
        other.table[4] = 0x0200;
        const Rom rom = ReadImage(image), second = ReadImage(other);
        ASSERT_EQ(rom.list.EggMoveTable, image.table) << code;
        for (const TableFormat format : {List, Csv, Json, C}) {
            std::ostringstream out;
            WriteTable(out, rom, format);
            std::vector<std::string> texts = {out.str()};
            if (format == List) texts.push_back(Utf8(out.str()));
            for (const std::string& text : texts) {
                const TableText table = ReadTable(text, format, rom);
                EXPECT_EQ(table.problem.english, "") << code;
                EXPECT_EQ(table.entries, image.table) << code << static_cast<int>(format);
            }
            if (format == List) {
                // Inserted lines use the end marks' room; lines keep their entries.
                EggMoveEntries inserted = image.table;
                inserted.insert(inserted.begin() + 1, 9);
                inserted.pop_back();
                std::string moved = out.str();
                moved.insert(moved.find('\n') + 1, "    MOVE9\n");
                EXPECT_EQ(ReadTable(moved, List, rom).entries, inserted) << code;
                // A list that ends on the illegal entry's empty line keeps it, then end marks.
                EggMoveEntries cut(image.table.begin(), image.table.begin() + 5);
                cut.resize(image.table.size(), EndMarkEntry);
                std::size_t end = 0;
                for (int line = 0; line < 5; ++line) end = out.str().find('\n', end) + 1;
                EXPECT_EQ(ReadTable(out.str().substr(0, end), List, rom).entries, cut) << code;
                continue;
            }
            // The C form names constants, whatever the ROM calls its species.
            if (format == C) {
                EXPECT_NE(out.str().find("egg_moves(BULBASAUR,"), std::string::npos) << code;
            }
            const TableText elsewhere = ReadTable(out.str(), format, second);
            EXPECT_EQ(elsewhere.problem.english, "") << code;
            EXPECT_EQ(elsewhere.entries, image.table) << code;
        }
    }
}

TEST(FormatChoice, ByNameAndByContent) {
    const std::pair<const char*, TableFormat> names[] = {
        {"eggmoves.csv", Csv}, {"EGGMOVES.CSV", Csv},
        {"a.Json", Json},      {"j.json", Json},
        {"d.csv/n.txt", List}, {"x.json.txt", List},
        {"csv", List},         {"", List},
        {"egg_moves.h", C},    {"E.H", C},
        {"h", List},           {"a.hh", List},
    };
    for (const auto& [name, format] : names) EXPECT_EQ(FormatOfPath(name), format) << name;
    const std::pair<const char*, TableFormat> texts[] = {
        // clang-format off
        {"{\"rows\": []}", Json}, {"\xEF\xBB\xBF\r\n\t {", Json}, {"row,value,kind\n0", Csv},
        {"\xEF\xBB\xBFname;value;row\r\n", Csv}, {"row,kind\n", List}, {"rows,values\n", List},
        {"value\n", List}, {"SPECIES1\n    MOVE1\n{", List}, {"", List},
        {"// x\nconst u16 gEggMoves[] = {", C}, {"row,value\ngEggMoves", C},
        // clang-format on
    };
    for (const auto& [text, format] : texts) EXPECT_EQ(SniffFormat(text), format) << text;
    EXPECT_EQ(ParseFormat("c"), C);
    EXPECT_EQ(ParseFormat("h"), std::nullopt);
}

TEST(Text, Utf8OfWindows1252) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        // clang-format off
        {"A~\x7F", "A~\x7F"}, {"\x80", "\xE2\x82\xAC"}, {"\x81\x9D", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\x9F", "\xC5\xB8"}, {"\xA0\xE9\xFF", "\xC2\xA0\xC3\xA9\xC3\xBF"}, {"\x8C\x9C", "\xC5\x92\xC5\x93"},
        // clang-format on
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(Utf8(in), out) << in;
    const struct {
        std::string_view text;
        bool utf8, fits;
    } texts[] = {
        // clang-format off
        {"", true, true}, {"A\xC3\xA9\xC3\xBF\xC2\xA0", true, true}, {"\xC5\x92\xE2\x82\xAC\xE2\x84\xA2", true, true},
        {"\xC2\x80", true, false}, {"\xC2\x9F", true, false}, {"\xE2\x84\xA6", true, false},
        {"\xEF\xBF\xBD", true, false}, {"\xF0\x9F\x98\x80", true, false}, {"\xF4\x8F\xBF\xBF", true, false},
        {"\xE9", false, false}, {"\xC3", false, false}, {"\xC3(", false, false}, {"\xC1\xBF", false, false},
        {"\xE0\x9F\xBF", false, false}, {"\xED\xA0\x80", false, false}, {"\xF4\x90\x80\x80", false, false},
        {"\xF5\x80\x80\x80", false, false}, {"\xF0\x8F\xBF\xBF", false, false}, {"\x80", false, false},
        {"\xE2\x82", false, false},
        // clang-format on
    };
    for (const auto& [text, utf8, fits] : texts) {
        EXPECT_EQ(IsUtf8(text), utf8) << text;
        EXPECT_EQ(FitsWindows1252(text), fits) << text;
    }
    using namespace std::literals;
    const struct {
        std::string_view le, be, utf8;
    } utf16[] = {
        // clang-format off
        {""sv, ""sv, ""sv}, {"A\0"sv, "\0A"sv, "A"sv}, {"\xE9\0"sv, "\0\xE9"sv, "\xC3\xA9"sv}, {"\xFF\x07"sv, "\x07\xFF"sv, "\xDF\xBF"sv},
        {"\x00\x08"sv, "\x08\x00"sv, "\xE0\xA0\x80"sv}, {"\x26\x21"sv, "\x21\x26"sv, "\xE2\x84\xA6"sv},
        {"\xFF\xFF"sv, "\xFF\xFF"sv, "\xEF\xBF\xBF"sv},
        {"\x3D\xD8\x00\xDE"sv, "\xD8\x3D\xDE\x00"sv, "\xF0\x9F\x98\x80"sv},
        {"\xFF\xDB\xFF\xDF"sv, "\xDB\xFF\xDF\xFF"sv, "\xF4\x8F\xBF\xBF"sv},
        {"\x00\xD8"sv, "\xD8\x00"sv, "\xEF\xBF\xBD"sv}, {"\x00\xDC\x41\x00"sv, "\xDC\x00\x00\x41"sv, "\xEF\xBF\xBD" "A"sv},
        {"\x00\xD8\x41\x00"sv, "\xD8\x00\x00\x41"sv, "\xEF\xBF\xBD" "A"sv}, {"\x00\xD8\x00\xE0"sv, "\xD8\x00\xE0\x00"sv, "\xEF\xBF\xBD\xEE\x80\x80"sv},
        {"\xFF\xD7"sv, "\xD7\xFF"sv, "\xED\x9F\xBF"sv}, {"\x7F\0"sv, "\0\x7F"sv, "\x7F"sv}, {"\x80\0"sv, "\0\x80"sv, "\xC2\x80"sv},
        {"\x00\xD8\x00\xDC"sv, "\xD8\x00\xDC\x00"sv, "\xF0\x90\x80\x80"sv}, {"A\0B"sv, "\0AB"sv, "A\xEF\xBF\xBD"sv},
        // clang-format on
    };
    for (const auto& [le, be, utf8] : utf16) {
        EXPECT_EQ(Utf8OfUtf16(le, false), utf8) << utf8;
        EXPECT_EQ(Utf8OfUtf16(be, true), utf8) << utf8;
    }
    EXPECT_EQ(Trimmed(" \t a b\t "), "a b");
    EXPECT_EQ(TrimmedEnd(" \t a b\t "), " \t a b");
}

}  // namespace
