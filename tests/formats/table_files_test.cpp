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
        const TempDir dir;
        WriteRom(dir / "rom.gba", image);
        rom = new Rom(ReadRom((dir / "rom.gba").string()));
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
    Lines byName = csv, shuffled = csv, descending = csv, semicolons = {"row;value"}, noted = csv;
    noted[0] += ",\"note; kept\"";  // commas still separate a header with a semicolon
    Lines rowOnly = csv;
    rowOnly[5] = "4";  // a row whose other cells are gone says nothing
    std::stable_sort(byName.begin() + 1, byName.end(), [](const auto& a, const auto& b) {
        return a.substr(a.rfind(',')) < b.substr(b.rfind(','));
    });
    std::shuffle(shuffled.begin() + 1, shuffled.end(), std::mt19937(7));
    std::sort(descending.begin() + 1, descending.end(), std::greater<>());
    for (std::size_t r = 0; r < rom->list.EggMoveTable.size(); ++r)
        semicolons.push_back(std::to_string(r) + ";" + Hex(rom->list.EggMoveTable[r]));
    nlohmann::json json = nlohmann::json::parse(Written(Json));
    std::reverse(json["rows"].begin(), json["rows"].end());
    for (const std::string& text :
         {Joined(byName), Joined(shuffled), Joined(descending), Joined(semicolons), Joined(noted),
          Joined(rowOnly), Joined(csv, "\r\n") + "\r\n\r\n", Joined(csv, "\r"),
          "\xEF\xBB\xBF" + Joined(csv), json.dump(1), Joined(Split(json.dump(2)), "\r")})
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
    for (const auto& [text, changed] : cases)
        for (const std::string& variant : {text, "\xEF\xBB\xBF" + Utf8(text), Utf8(text),
                                           Joined(Split(text), "\r\n"), Joined(Split(text), "\r")})
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
        {{{4, Line, "    SPECIES5"}}, 5, "this ROM has no move \"SPECIES5\""},
        {{{4, Line, ""}}, 5, "an empty line"},
        {{{0, Append, "SPECIES4"}}, 1139, "the file describes 1139 entries; the table holds 1138"},
        {{{4, Line, "    "}}, 5, "this ROM has no move \"\""},
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
        {rom->list.EggMoveTable,
         {"Nothing changed: the file describes the table as it is.",
          "Rien n'a changé : le fichier décrit la table telle qu'elle est."}},
        {EggMoveEntries(entries.begin(), entries.begin() + 1138),
         {"2 rows changed.", "2 lignes modifiées."}},
        {table.entries, {"2 rows changed.", "2 lignes modifiées."}},
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
    const struct {
        Edits edits;
        int rows;  // more than the table holds: refused, then taken grown
    } cases[] = {
        {{{3, Erase, ""}}, 0},
        {{{1137, Erase, ""}, {1000, Erase, ""}, {0, Erase, ""}}, 0},
        {{{3, Insert, "    MOVE9"}}, 1139},
        {{{3, Insert, "    MOVE9"}, {3, Insert, "SPECIES7"}}, 1140},
        {{{3, Insert, "    MOVE9"}, {9, Erase, ""}}, 0},
        {{{1, Erase, ""}, {1, Insert, "    move32"}}, 0},
    };
    for (const auto& [edits, rows] : cases) {
        const std::string text = Edited(List, edits);
        const TableText read = ReadTable(text, List, *rom);
        EXPECT_EQ(read.rows, rows) << edits[0].text;
        if (rows == 0) {
            EXPECT_EQ(read.entries, table(edits)) << edits[0].text;
            continue;
        }
        const std::string n = std::to_string(rows), k = std::to_string(rows - 1138);
        const Words question{"The file describes " + n +
                                 " entries; the table holds 1138. Enlarge the table by " + k + "?",
                             "Le fichier décrit " + n +
                                 " entrées ; la table en contient 1138. Agrandir la table de " + k +
                                 " ?"};
        EXPECT_EQ(GrowthQuestion(read, *rom), question);
        EXPECT_EQ(ReadTable(text, List, *rom, read.rows).entries, table(edits));
        EXPECT_EQ(ReadTable(text, List, *rom, read.rows - 1).rows, rows);
    }
    // No question where growing would not take the file either.
    const TableText bad =
        ReadTable(Edited(List, {{0, Append, "x"}, {0, Append, "    y"}}), List, *rom);
    EXPECT_EQ(bad.rows, 0);
    EXPECT_EQ(GrowthQuestion(bad, *rom), std::nullopt);
    TableText held = bad;
    held.rows = 1138;  // as many as the table holds: nothing to grow
    EXPECT_EQ(GrowthQuestion(held, *rom), std::nullopt);
    // Blank lines past the table, as a grown table's export ends: left out, or end
    // marks of the table grown to them.
    const std::string blanks = Edited(List, {}) + "\n\n";
    EXPECT_EQ(ReadTable(blanks, List, *rom).entries, rom->list.EggMoveTable);
    EggMoveEntries grown = rom->list.EggMoveTable;
    grown.resize(1140, EndMarkEntry);
    EXPECT_EQ(ReadTable(blanks, List, *rom, MaxEntryCount).entries, grown);
}

// Images of every release with names that are empty, shared by two entries or
// accented, a table holding an illegal entry and ending with end marks: every
// format reads its own export back as it was, and CSV and JSON read into another
// image of the same release.
TEST(RoundTrip, EveryReleaseReadsItsOwnExportBack) {
    for (const GameVersion& v : GameVersionTable) {
        if (!v.EggMoveOffset) continue;  // found only by search
        const std::string code(v.code);
        SyntheticRom image = DefaultRom(code, static_cast<std::uint8_t>(v.revision)), other = image;
        image.species[1] = GameText("Pok\xE9mon");
        image.species[5].clear();
        image.species[89] = image.species[161] = GameText("BELVES");
        image.moves[2].clear();
        image.moves[9] = image.moves[10] = GameText("TWIN");
        other.species = image.species;
        other.moves = image.moves;
        const std::uint16_t rows[] = {3, 10, 11, 0x0200, Species(89), Species(161), Species(5)};
        std::copy(std::begin(rows), std::end(rows), image.table.begin() + 1);
        std::fill(image.table.begin() + 1130, image.table.end(), EndMarkEntry);
        other.table[4] = 0x0200;
        const TempDir dir;
        WriteRom(dir / "rom.gba", image);
        WriteRom(dir / "other.gba", other);
        const Rom rom = ReadRom((dir / "rom.gba").string());
        const Rom second = ReadRom((dir / "other.gba").string());
        for (const TableFormat format : {List, Csv, Json}) {
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
            const TableText elsewhere = ReadTable(out.str(), format, second);
            EXPECT_EQ(elsewhere.problem.english, "") << code;
            EXPECT_EQ(elsewhere.entries, image.table) << code;
        }
    }
}

TEST(FormatChoice, ByNameAndByContent) {
    const std::pair<const char*, TableFormat> names[] = {
        {"eggmoves.csv", Csv}, {"EGGMOVES.CSV", Csv}, {"a.Json", Json}, {"j.json", Json},
        {"d.csv/n.txt", List}, {"x.json.txt", List},  {"csv", List},    {"", List},
    };
    for (const auto& [name, format] : names) EXPECT_EQ(FormatOfPath(name), format) << name;
    const std::pair<const char*, TableFormat> texts[] = {
        // clang-format off
        {"{\"rows\": []}", Json}, {"\xEF\xBB\xBF\r\n\t {", Json}, {"row,value,kind\n0", Csv},
        {"\xEF\xBB\xBFname;value;row\r\n", Csv}, {"row,kind\n", List}, {"rows,values\n", List},
        {"value\n", List}, {"SPECIES1\n    MOVE1\n{", List}, {"", List},
        // clang-format on
    };
    for (const auto& [text, format] : texts) EXPECT_EQ(SniffFormat(text), format) << text;
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
    EXPECT_EQ(Trimmed(" \t a b\t "), "a b");
    EXPECT_EQ(TrimmedEnd(" \t a b\t "), " \t a b");
}

}  // namespace
