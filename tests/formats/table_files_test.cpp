#include "formats/table_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <sstream>

#include "formats/text.h"
#include "tools/synthetic_rom.h"

namespace {

using Lines = std::vector<std::string>;
using Edit = std::function<void(Lines&)>;
// The rows a read changes, and their new entries.
using Changed = std::map<int, std::uint16_t>;

constexpr std::uint16_t Species(int s) {
    return static_cast<std::uint16_t>(SpeciesEntryBase + s);
}

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
    static std::string Joined(const Lines& lines, std::string_view end = "\n") {
        std::string text;
        for (const std::string& line : lines) text += line + std::string(end);
        return text;
    }
    static std::string Edited(TableFormat format, const Edit& edit) {
        Lines lines = Split(Written(format));
        edit(lines);
        return Joined(lines);
    }
    static Changed ChangesOf(const TableText& table) {
        Changed changed;
        const EggMoveEntries& now = rom->list.EggMoveTable;
        for (std::size_t i = 0; i < table.entries.size(); ++i)
            if (i >= now.size() || table.entries[i] != now[i])
                changed[static_cast<int>(i)] = table.entries[i];
        return changed;
    }
    // The CSV line of row r, with one cell replaced (0 row, 1 value, 2 kind, 3 id, 4 name).
    static void SetCell(Lines& lines, int r, int cell, const std::string& text) {
        std::string& line = lines[r + 1];
        std::size_t start = 0;
        for (int c = 0; c < cell; ++c) start = line.find(',', start) + 1;
        const std::size_t end = std::min(line.find(',', start), line.size());
        line.replace(start, end - start, text);
    }

    static inline Rom* rom = nullptr;
};

// Row 2 holds MOVE32 and belongs to species 1.
constexpr int Row = 2;

TEST_F(Formats, OrderLineEndsAndMarksChangeNothing) {
    std::mt19937 random(7);
    const auto body = [](Lines& lines,
                         const std::function<void(Lines::iterator, Lines::iterator)>& f) {
        f(lines.begin() + 1, lines.end());
    };
    const auto byName = [](const std::string& a, const std::string& b) {
        return a.substr(a.rfind(',')) < b.substr(b.rfind(','));
    };
    const std::pair<const char*, std::function<std::string()>> cases[] = {
        {"sorted by name",
         [&] {
             return Edited(TableFormat::Csv, [&](Lines& l) {
                 body(l, [&](auto a, auto b) { std::stable_sort(a, b, byName); });
             });
         }},
        {"sorted by value, descending",
         [&] {
             return Edited(TableFormat::Csv, [&](Lines& l) {
                 body(l, [](auto a, auto b) { std::sort(a, b, std::greater<>()); });
             });
         }},
        {"shuffled",
         [&] {
             return Edited(TableFormat::Csv, [&](Lines& l) {
                 body(l, [&](auto a, auto b) { std::shuffle(a, b, random); });
             });
         }},
        {"semicolons",
         [&] {
             return Edited(TableFormat::Csv, [](Lines& l) {
                 l[0] = "row;value";
                 for (std::size_t i = 1; i < l.size(); ++i)
                     l[i] = std::to_string(i - 1) + ";" + Hex(rom->list.EggMoveTable[i - 1]);
             });
         }},
        {"CSV with CRLF", [] { return Joined(Split(Written(TableFormat::Csv)), "\r\n"); }},
        {"CSV with CR", [] { return Joined(Split(Written(TableFormat::Csv)), "\r"); }},
        {"CSV with a byte order mark", [] { return "\xEF\xBB\xBF" + Written(TableFormat::Csv); }},
        {"JSON reversed",
         [] {
             return Edited(TableFormat::Json, [](Lines& l) {
                 const auto first = std::find(l.begin(), l.end(), "  \"rows\": [") + 1;
                 const auto last = l.end() - 2;
                 std::reverse(first, last);
                 for (auto i = first; i != last; ++i)
                     if (i->ends_with(',')) i->pop_back();
                 for (auto i = first; i + 1 != last; ++i) *i += ',';
             });
         }},
        {"JSON with CR", [] { return Joined(Split(Written(TableFormat::Json)), "\r"); }},
    };
    for (const auto& [name, make] : cases) {
        const std::string text = make();
        const TableFormat format = SniffFormat(text);
        const TableText table = ReadTable(text, format, *rom);
        EXPECT_EQ(table.problem, "") << name;
        EXPECT_EQ(table.entries, rom->list.EggMoveTable) << name;
    }
}

TEST_F(Formats, TheEditedCellWins) {
    const struct {
        const char* name;
        Edit edit;
        Changed changed;
    } cases[] = {
        {"value", [](Lines& l) { SetCell(l, Row, 1, "0x0007"); }, {{Row, 7}}},
        {"value in decimal", [](Lines& l) { SetCell(l, Row, 1, "20005"); }, {{Row, Species(5)}}},
        {"a name in the value cell", [](Lines& l) { SetCell(l, Row, 1, "move7"); }, {{Row, 7}}},
        {"id", [](Lines& l) { SetCell(l, Row, 3, "7"); }, {{Row, 7}}},
        {"kind and id",
         [](Lines& l) {
             SetCell(l, Row, 3, "411");
             SetCell(l, Row, 2, "species");
         },
         {{Row, Species(411)}}},
        {"name", [](Lines& l) { SetCell(l, Row, 4, "DRAGON CLAW"); }, {{Row, 200}}},
        {"name without case", [](Lines& l) { SetCell(l, Row, 4, "dragon dance"); }, {{Row, 201}}},
        {"a species name",
         [](Lines& l) { SetCell(l, Row, 4, "Pok\xC3\xA9mon"); },
         {{Row, Species(1)}}},
        {"value and name agree",
         [](Lines& l) {
             SetCell(l, Row, 1, "0x0009");
             SetCell(l, Row, 4, "MOVE9");
         },
         {{Row, 9}}},
        {"empty cells",
         [](Lines& l) {
             for (int cell = 1; cell < 5; ++cell) SetCell(l, Row, cell, "");
         },
         {}},
        {"the name in another case", [](Lines& l) { SetCell(l, Row, 4, "move32"); }, {}},
        {"JSON value as a number",
         [](Lines& l) { l[13] = "{\"row\": 2, \"value\": 7},"; },
         {{Row, 7}}},
    };
    for (const auto& [name, edit, changed] : cases) {
        const std::string text = Edited(
            std::string_view(name).starts_with("JSON") ? TableFormat::Json : TableFormat::Csv,
            edit);
        const TableText table = ReadTable(text, SniffFormat(text), *rom);
        EXPECT_EQ(table.problem, "") << name;
        EXPECT_EQ(ChangesOf(table), changed) << name;
    }
}

TEST_F(Formats, RowsAndCellsRefused) {
    const struct {
        TableFormat format;
        Edit edit;
        int line;
        const char* problem;
    } cases[] = {
        {TableFormat::Csv, [](Lines& l) { l.erase(l.begin() + 6); }, 7, "row 5 is missing"},
        {TableFormat::Csv, [](Lines& l) { l.pop_back(); }, 1139, "row 1137 is missing"},
        {TableFormat::Csv, [](Lines& l) { l.push_back(l[7]); }, 1140,
         "row 6 is here again (first on line 8)"},
        {TableFormat::Csv, [](Lines& l) { SetCell(l, 4, 0, "1138"); }, 6,
         "row 1138 is past the table's last row, 1137"},
        {TableFormat::Csv, [](Lines& l) { SetCell(l, 4, 0, "four"); }, 6,
         "\"four\" is no row number"},
        {TableFormat::Csv,
         [](Lines& l) {
             SetCell(l, Row, 1, "0x0007");
             SetCell(l, Row, 3, "8");
             SetCell(l, Row, 4, "MOVE9");
         },
         4,
         "row 2: its cells name different entries: value says 0x0007 MOVE7, id says 0x0008 MOVE8, "
         "name says 0x0009 MOVE9"},
        {TableFormat::Csv,
         [](Lines& l) {
             SetCell(l, Row, 1, "0xFFFF");
             SetCell(l, Row, 4, "MOVE7");
         },
         4, "value says 0xFFFF (end mark), id says 0x0020 MOVE32, name says 0x0007 MOVE7"},
        {TableFormat::Csv, [](Lines& l) { SetCell(l, Row, 3, "355"); }, 4,
         "id \"355\" of kind \"move\" is no species or move"},
        {TableFormat::Csv, [](Lines& l) { SetCell(l, Row, 3, "0"); }, 4,
         "id \"0\" of kind \"move\""},
        {TableFormat::Csv,
         [](Lines& l) {
             SetCell(l, Row, 3, "412");
             SetCell(l, Row, 2, "species");
         },
         4, "id \"412\" of kind \"species\""},
        {TableFormat::Csv,
         [](Lines& l) {
             SetCell(l, Row, 3, "1");
             SetCell(l, Row, 2, "end");
         },
         4, "of kind \"end\""},
        {TableFormat::Csv, [](Lines& l) { SetCell(l, Row, 4, "DRAGN CLAW"); }, 4,
         "row 2: this ROM has no species or move \"DRAGN CLAW\"; did you mean DRAGON CLAW?"},
        {TableFormat::Csv, [](Lines& l) { SetCell(l, Row, 1, "0x0000"); }, 4,
         "0x0000 is not a legal entry, and row 2"},
        {TableFormat::Csv, [](Lines& l) { l[9] += ",\"MOVE"; }, 10, "a quoted field is not closed"},
        {TableFormat::Csv, [](Lines& l) { l[0] = "number,value"; }, 1,
         "the header has no \"row\" column"},
        {TableFormat::Csv, [](Lines& l) { l[0] = "row,kind"; }, 1,
         "the header has no \"value\", \"id\" or \"name\" column"},
        {TableFormat::Csv, [](Lines& l) { l.clear(); }, 1, "the file is empty"},
        {TableFormat::Json, [](Lines& l) { l.resize(40); }, 41, "not JSON"},
        {TableFormat::Json, [](Lines& l) { l = {"[]"}; }, 1, "no \"rows\" array"},
        {TableFormat::Json, [](Lines& l) { l[13] = "{\"row\": 2,\n\"value\": \"}{\"},"; }, 14,
         "row 2: this ROM has no species or move \"}{\""},
        {TableFormat::Json, [](Lines& l) { l[13] = "{\"row\": 2, \"name\": \"\\\"{\"}, 7,"; }, 15,
         "a row that is not an object"},
    };
    for (const auto& [format, edit, line, problem] : cases) {
        const TableText table = ReadTable(Edited(format, edit), format, *rom);
        EXPECT_EQ(table.line, line) << problem;
        EXPECT_NE(table.problem.find(problem), std::string::npos) << table.problem;
        EXPECT_TRUE(table.entries.empty()) << problem;
    }
}

TEST_F(Formats, TheListForgivesWhatEditorsDo) {
    const auto eachLine = [](const std::function<void(std::string&)>& f) {
        return [f](Lines& l) { std::for_each(l.begin(), l.end(), f); };
    };
    const struct {
        const char* name;
        Edit edit;
        Changed changed;
    } cases[] = {
        {"lower case",
         eachLine([](std::string& s) {
             for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
         }),
         {}},
        {"trailing spaces and tabs", eachLine([](std::string& s) { s += " \t "; }), {}},
        {"tab indents",
         eachLine([](std::string& s) {
             if (s.starts_with("    ")) s.replace(0, 4, "\t");
         }),
         {}},
        {"blank lines at the end",
         [](Lines& l) {
             l.insert(l.end(), {"", "  "});
         },
         {}},
        {"a move edited", [](Lines& l) { l[Row] = "    dragon claw "; }, {{Row, 200}}},
        {"a move edited after a tab", [](Lines& l) { l[Row] = "\tMOVE7"; }, {{Row, 7}}},
        {"a species edited", [](Lines& l) { l[Row] = "pok\xE9mon"; }, {{Row, Species(1)}}},
    };
    for (const auto& [name, edit, changed] : cases) {
        const std::string text = Edited(TableFormat::List, edit);
        for (const std::string& variant :
             {text, "\xEF\xBB\xBF" + Utf8(text), Joined(Split(text), "\r\n"),
              Joined(Split(text), "\r")}) {
            const TableText table = ReadTable(variant, TableFormat::List, *rom);
            EXPECT_EQ(table.problem, "") << name;
            EXPECT_EQ(ChangesOf(table), changed) << name;
        }
    }
}

TEST_F(Formats, ListLinesRefused) {
    const struct {
        Edit edit;
        int line;
        const char* problem;
    } cases[] = {
        {[](Lines& l) { l[4] = "    DRAGN CLAW"; }, 5,
         "this ROM has no move \"DRAGN CLAW\"; did you mean DRAGON CLAW?"},
        {[](Lines& l) { l[4] = "    MOVE7x"; }, 5, "did you mean MOVE7, MOVE70 or MOVE71?"},
        {[](Lines& l) {
             l[4] = "    MOVE7";
             l[5] = "    QWERTYUIOP";
         },
         6, "this ROM has no move \"QWERTYUIOP\""},
        {[](Lines& l) { l[4] = "    fly"; }, 5, "more than one move \"fly\" when case is ignored"},
        {[](Lines& l) { l[4] = "?"; }, 5, "more than one species \"?\", and this row holds none"},
        {[](Lines& l) { l[4] = "  MOVE7"; }, 5,
         "a move line starts with exactly four spaces or a tab"},
        {[](Lines& l) { l[4] = "\t MOVE7"; }, 5, "exactly four spaces or a tab"},
        {[](Lines& l) { l[4] = "    SPECIES5"; }, 5, "this ROM has no move \"SPECIES5\""},
        {[](Lines& l) { l[4] = ""; }, 5, "an empty line"},
        {[](Lines& l) { l.pop_back(); }, 1138,
         "the file describes 1137 entries; the table holds 1138"},
        {[](Lines& l) { l.push_back("SPECIES4"); }, 1139, "the file describes 1139 entries"},
    };
    for (const auto& [edit, line, problem] : cases) {
        const TableText table = ReadTable(Edited(TableFormat::List, edit), TableFormat::List, *rom);
        EXPECT_EQ(table.line, line) << problem;
        EXPECT_NE(table.problem.find(problem), std::string::npos) << table.problem;
        // No name near enough, no suggestion.
        if (std::string_view(problem).ends_with('"')) {
            EXPECT_TRUE(table.problem.ends_with('"')) << table.problem;
        }
    }
}

TEST_F(Formats, GrownRowsFollowTheTable) {
    const auto rows = [](std::initializer_list<int> added) {
        return Edited(TableFormat::Csv, [added](Lines& l) {
            for (const int r : added) l.push_back(std::to_string(r) + ",0x0009");
        });
    };
    const TableText grown = ReadTable(rows({1139, 1138}), TableFormat::Csv, *rom, 1140);
    EXPECT_EQ(ChangesOf(grown), (Changed{{1138, 9}, {1139, 9}}));
    EXPECT_EQ(ReadTable(rows({1140}), TableFormat::Csv, *rom, 1141).problem, "row 1138 is missing");
    const TableText tooMany = ReadTable(rows({1138}), TableFormat::Csv, *rom);
    EXPECT_EQ(tooMany.rows, 1139);
    const std::vector<RowChange> changes = Changes(*rom, grown.entries);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(ChangeLine(changes[0]), "1138: SPECIES165: (end mark) -> MOVE9 (0xFFFF -> 0x0009)");
    EXPECT_EQ(ChangeJson(changes[1]).dump(),
              R"x({"row":1139,"species":"SPECIES165","old":"(end mark)","new":"MOVE9",)x"
              R"x("oldValue":"0xFFFF","newValue":"0x0009"})x");
}

TEST_F(Formats, ChangesInWords) {
    EggMoveEntries entries = rom->list.EggMoveTable;
    entries[0] = Species(3);
    entries[Row] = 0x0163;
    EXPECT_EQ(ChangeLine(Changes(*rom, entries)[0]),
              "0: Pok\xC3\xA9mon: Pok\xC3\xA9mon -> MR. \"Q\", JR (0x4E21 -> 0x4E23)");
    EXPECT_EQ(ChangeLine(Changes(*rom, entries)[1]),
              "2: Pok\xC3\xA9mon: MOVE32 -> (illegal) (0x0020 -> 0x0163)");
}

TEST(FormatChoice, ByNameAndByContent) {
    const std::pair<const char*, TableFormat> names[] = {
        {"eggmoves.csv", TableFormat::Csv},
        {"EGGMOVES.CSV", TableFormat::Csv},
        {"a.Json", TableFormat::Json},
        {"dir.csv/notes.txt", TableFormat::List},
        {"x.json.txt", TableFormat::List},
        {"csv", TableFormat::List},
        {"", TableFormat::List},
        {"j.json", TableFormat::Json},
    };
    for (const auto& [name, format] : names) EXPECT_EQ(FormatOfPath(name), format) << name;
    const std::pair<const char*, TableFormat> texts[] = {
        {"{\"rows\": []}", TableFormat::Json},
        {"\xEF\xBB\xBF\r\n {", TableFormat::Json},
        {"row,value,kind\n0,0x4E21,species", TableFormat::Csv},
        {"\xEF\xBB\xBFname;value;row\r\n", TableFormat::Csv},
        {"row,kind\n", TableFormat::List},
        {"rows,values\n", TableFormat::List},
        {"value\n", TableFormat::List},
        {"SPECIES1\n    MOVE1\n{", TableFormat::List},
        {"", TableFormat::List},
    };
    for (const auto& [text, format] : texts) EXPECT_EQ(SniffFormat(text), format) << text;
}

TEST(Text, Utf8OfWindows1252) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"A~\x7F", "A~\x7F"},
        {"\x80", "\xE2\x82\xAC"},
        {"\x81\x9D", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\x9F", "\xC5\xB8"},
        {"\xA0\xE9\xFF", "\xC2\xA0\xC3\xA9\xC3\xBF"},
        {"\x8C\x9C", "\xC5\x92\xC5\x93"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(Utf8(in), out) << in;
}

}  // namespace
