#include "formats/table_files.h"

#include <algorithm>
#include <array>
#include <vector>

#include "eggmoves/export.h"
#include "formats/text.h"

using Json = nlohmann::ordered_json;

namespace {

std::string_view PlaceName(TablePlace place) {
    switch (place) {
        case TablePlace::Moved:
            return "moved";
        case TablePlace::Foreign:
            return "read-only";
        case TablePlace::Usual:
            break;
    }
    return "usual";
}

Json Row(const Rom& rom, int i) {
    const std::uint16_t entry = rom.list.EggMoveTable[i];
    Json row = {{"row", i},
                {"value", Hex(entry)},
                {"kind", KindName(entry)},
                {"id", nullptr},
                {"name", EntryName(rom.names, entry)}};
    if (IsLegalEntry(entry)) row["id"] = EntryNumber(entry);
    return row;
}

int Size(const Rom& rom) {
    return static_cast<int>(rom.list.EggMoveTable.size());
}

void WriteCsv(std::ostream& out, const Rom& rom) {
    out << "row,value,kind,id,name\n";
    for (int i = 0; i < Size(rom); ++i) {
        const std::uint16_t entry = rom.list.EggMoveTable[i];
        out << i << ',' << Hex(entry) << ',' << KindName(entry) << ','
            << (IsLegalEntry(entry) ? std::to_string(EntryNumber(entry)) : "") << ','
            << CsvField(EntryName(rom.names, entry)) << '\n';
    }
}

// One row a line, so that a change shows as a one-line change in version control.
void WriteJson(std::ostream& out, const Rom& rom) {
    out << "{\n";
    const Json identity = Identity(rom);
    for (const auto& [key, value] : identity.items())
        out << "  " << Json(key).dump() << ": " << value.dump() << ",\n";
    out << "  \"rows\": [\n";
    for (int i = 0; i < Size(rom); ++i)
        out << "    " << Row(rom, i).dump() << (i + 1 < Size(rom) ? ",\n" : "\n");
    out << "  ]\n}\n";
}

// The lines of a text whose line ends are all '\n'; a last line end starts no line.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = std::min(text.find('\n'), text.size());
        lines.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

TableText Refuse(int line, std::string problem) {
    return {{}, line, std::move(problem)};
}

// The entry row i holds now; rows a grown table adds hold the end mark.
std::uint16_t Current(const Rom& rom, int i) {
    return i < Size(rom) ? rom.list.EggMoveTable[i] : EndMarkEntry;
}

// An entry as a change shows it: its name, or what it is when it has none.
std::string Described(const RomNames& names, std::uint16_t entry) {
    if (entry == EndMarkEntry) return "(end mark)";
    return IsLegalEntry(entry) ? EntryName(names, entry) : "(illegal)";
}

// The value of each record, or the refusal; values[i] sits on lines[i]. A table
// keeps its size, or grows to at most largest rows.
TableText Take(const std::vector<std::uint16_t>& values, const std::vector<int>& lines,
               const Rom& rom, int largest) {
    const int count = static_cast<int>(values.size());
    // Too few rows are refused after the last line, too many at the first extra one.
    const bool tooMany = count > std::max(largest, Size(rom));
    if (tooMany || count < Size(rom)) {
        TableText refused = Refuse(tooMany         ? lines[Size(rom)]
                                   : lines.empty() ? 1
                                                   : lines.back() + 1,
                                   "the file describes " + std::to_string(count) +
                                       " entries; the table holds " + std::to_string(Size(rom)));
        refused.rows = count;
        return refused;
    }
    TableText table;
    table.entries.resize(values.size());
    for (int i = 0; i < count; ++i) {
        // An entry that is not legal can only stay where it is.
        if (!IsLegalEntry(values[i]) && values[i] != Current(rom, i))
            return Refuse(lines[i], Hex(values[i]) + " is not a legal entry, and row " +
                                        std::to_string(i) + " does not hold it now");
        table.entries[i] = values[i];
    }
    return table;
}

// Letters without their case: ASCII, and the Latin-1 letters as UTF-8 writes them.
std::string Folded(std::string_view utf8) {
    std::string out(utf8);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 32);
        if (c != 0xC3 || i + 1 == out.size()) continue;
        const auto next = static_cast<unsigned char>(out[++i]);
        if (next >= 0x80 && next <= 0x9E && next != 0x97) out[i] = static_cast<char>(next + 0x20);
    }
    return out;
}

// The edits that turn a into b.
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row.back();
}

struct Found {
    std::uint16_t entry = 0;
    std::string problem;  // empty when the name was found
};

// The ROM's names in UTF-8, to find the entries a file names.
class NameIndex {
  public:
    explicit NameIndex(const RomNames& names) {
        for (int c = 0; c < EntryChoiceCount; ++c) {
            const std::uint16_t entry = EntryForChoice(c, names).entry;
            std::string name = EntryName(names, entry);
            names_.push_back({entry, Folded(name), std::move(name)});
        }
    }

    // The entry of kind (Neither: of either kind) that name names: written as the
    // ROM spells it, or else without case. A name several entries share keeps
    // current when it is one of them.
    Found Find(std::string_view name, Kind kind, std::uint16_t current) const {
        const std::string what = std::string(kind == Kind::Move      ? "move"
                                             : kind == Kind::Species ? "species"
                                                                     : "species or move") +
                                 " \"" + std::string(name) + "\"";
        const std::string folded = Folded(name);
        for (const bool withoutCase : {false, true}) {
            std::vector<std::uint16_t> found;
            for (const Name& n : names_)
                if ((kind == Kind::Neither || EntryKind(n.entry) == kind) &&
                    (withoutCase ? n.folded == folded : n.name == name))
                    found.push_back(n.entry);
            if (std::find(found.begin(), found.end(), current) != found.end()) return {current, {}};
            if (found.size() == 1) return {found.front(), {}};
            if (found.size() > 1)
                return {0, "this ROM has more than one " + what +
                               (withoutCase ? " when case is ignored" : "") +
                               ", and this row holds none of them"};
        }
        return {0, "this ROM has no " + what + Suggestions(folded, kind)};
    }

  private:
    struct Name {
        std::uint16_t entry;
        std::string folded, name;
    };

    // "; did you mean A, B or C?" with the nearest names, if any is near.
    std::string Suggestions(const std::string& folded, Kind kind) const {
        std::vector<std::pair<std::size_t, std::string>> near;
        for (const Name& n : names_) {
            const std::size_t distance = Distance(folded, n.folded);
            if ((kind == Kind::Neither || EntryKind(n.entry) == kind) &&
                distance <= 1 + folded.size() / 3)
                near.emplace_back(distance, n.name);
        }
        std::sort(near.begin(), near.end());
        near.erase(std::unique(near.begin(), near.end()), near.end());
        std::string text;
        for (std::size_t i = 0; i < std::min<std::size_t>(near.size(), 3); ++i)
            text += (i == 0                                           ? "; did you mean "
                     : i + 1 == std::min<std::size_t>(near.size(), 3) ? " or "
                                                                      : ", ") +
                    near[i].second;
        return text.empty() ? text : text + "?";
    }

    std::vector<Name> names_;
};

// The list as the window writes it, forgiving what editors do to it: names in any
// case, spaces at the ends of lines, a tab for the indent, blank lines at the end.
TableText ReadList(std::string_view text, const Rom& rom, int largest) {
    const NameIndex index(rom.names);
    const EggMoveList& now = rom.list;
    const int endMark =
        static_cast<int>(std::find(now.EggMoveTable.begin(), now.EggMoveTable.end(), EndMarkEntry) -
                         now.EggMoveTable.begin());
    std::vector<std::string_view> lines = Lines(text);
    for (std::string_view& line : lines)
        while (line.ends_with(' ') || line.ends_with('\t')) line.remove_suffix(1);
    // Blank lines past the table's rows are what editors leave, unless the table may
    // grow: then they are its new rows, end marks, as a grown table exports them.
    while (largest <= Size(rom) && static_cast<int>(lines.size()) > Size(rom) &&
           lines.back().empty())
        lines.pop_back();
    std::vector<std::uint16_t> values;
    std::vector<int> numbers;
    for (const std::string_view line : lines) {
        const int i = static_cast<int>(values.size());
        numbers.push_back(i + 1);
        const std::uint16_t current = Current(rom, i);
        if (i >= std::max(largest, Size(rom)) ||
            (line.empty() && (!IsLegalEntry(current) || i >= endMark))) {
            values.push_back(current);
            continue;
        }
        if (line.empty())
            return Refuse(i + 1, "an empty line: name a species, or four spaces and a move");
        const std::size_t indent = line.starts_with(MoveIndent) ? 4 : line.starts_with('\t');
        const std::string_view name = line.substr(indent);
        if (name.starts_with(' ') || name.starts_with('\t'))
            return Refuse(i + 1, "a move line starts with exactly four spaces or a tab");
        const Found found = index.Find(name, indent ? Kind::Move : Kind::Species, current);
        if (!found.problem.empty()) return Refuse(i + 1, found.problem);
        values.push_back(found.entry);
    }
    return Take(values, numbers, rom, largest);
}

// What one CSV record or JSON row says, each cell as text; an absent cell is empty.
struct Cells {
    int line = 0;
    std::string row, value, kind, id, name;
};

// The entry a row's cells give: the one that the cells differing from the row's
// entry now name, as a spreadsheet user edits one cell and leaves the others.
std::optional<std::uint16_t> CellsEntry(const Cells& cells, const NameIndex& index,
                                        const RomNames& names, std::uint16_t current,
                                        std::string& problem) {
    std::vector<std::pair<std::string_view, std::uint16_t>> said;
    const auto byName = [&](std::string_view cell, const std::string& name) {
        const Found found = index.Find(name, Kind::Neither, current);
        problem = found.problem;
        if (problem.empty()) said.emplace_back(cell, found.entry);
    };
    if (!cells.value.empty()) {
        // A name in the value cell is taken as a name.
        if (const auto value = ParseEntryValue(cells.value))
            said.emplace_back("value", *value);
        else
            byName("value", cells.value);
    }
    if (!cells.id.empty() && problem.empty()) {
        const auto id = ParseOffset(cells.id);
        const bool species = cells.kind == "species";
        if (!id || (!species && cells.kind != "move") || *id < !species ||
            *id > (species ? SpeciesNameCount - 1 : MoveNameCount)) {
            problem = "id \"" + cells.id + "\" of kind \"" + cells.kind +
                      "\" is no species or move of this ROM";
            return std::nullopt;
        }
        said.emplace_back("id", static_cast<std::uint16_t>(*id + (species ? SpeciesEntryBase : 0)));
    }
    if (!cells.name.empty() && problem.empty() && cells.name != EntryName(names, current))
        byName("name", cells.name);
    if (!problem.empty()) return std::nullopt;
    std::optional<std::uint16_t> changed;
    bool agree = true;
    for (const auto& [cell, entry] : said) {
        if (entry == current) continue;
        agree = agree && (!changed || *changed == entry);
        changed = entry;
    }
    if (agree) return changed.value_or(current);
    problem = "its cells name different entries:";
    for (const auto& [cell, entry] : said)
        problem += std::string(cell == "value" ? " " : ", ") + std::string(cell) + " says " +
                   Hex(entry) + " " + Described(names, entry);
    return std::nullopt;
}

// The table rows keyed by their row numbers, in any order: rows 0 to N - 1 once
// each, or with largest, rows 0 to M - 1 for some M from N to largest.
TableText ReadRows(const std::vector<Cells>& rows, const Rom& rom, int largest) {
    const NameIndex index(rom.names);
    const int limit = std::max(largest, Size(rom));
    std::vector<int> lineOf(static_cast<std::size_t>(limit), 0);
    std::vector<std::uint16_t> values(lineOf.size());
    int lastLine = 1;
    for (const Cells& cells : rows) {
        lastLine = cells.line;
        const auto row = ParseOffset(cells.row);
        if (!row) return Refuse(cells.line, "\"" + cells.row + "\" is no row number");
        const std::string named = "row " + std::to_string(*row);
        if (*row >= limit) {
            TableText refused = Refuse(
                cells.line, named + " is past the table's last row, " + std::to_string(limit - 1));
            refused.rows = static_cast<int>(std::min<std::int64_t>(*row + 1, MaxEntryCount + 1));
            return refused;
        }
        if (lineOf[*row])
            return Refuse(cells.line, named + " is here again (first on line " +
                                          std::to_string(lineOf[*row]) + ")");
        lineOf[*row] = cells.line;
        std::string problem;
        const auto entry = CellsEntry(cells, index, rom.names, Current(rom, *row), problem);
        if (!entry) return Refuse(cells.line, named + ": " + problem);
        values[*row] = *entry;
    }
    const int count = static_cast<int>(std::find(lineOf.begin(), lineOf.end(), 0) - lineOf.begin());
    const auto after = std::find_if(lineOf.begin() + count, lineOf.end(), [](int l) { return l; });
    if (count < Size(rom) || after != lineOf.end())
        return Refuse(after != lineOf.end() ? *after : lastLine + 1,
                      "row " + std::to_string(count) + " is missing");
    values.resize(count);
    lineOf.resize(count);
    return Take(values, lineOf, rom, largest);
}

// RFC 4180 records: quoted fields may hold commas, doubled quotes and line breaks.
struct Record {
    int line;
    std::vector<std::string> fields;
};
bool ParseCsv(std::string_view text, char separator, std::vector<Record>& records, int& badLine) {
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        Record record{line, {""}};
        bool quoted = false, wasQuoted = false;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (quoted) {
                if (c == '\n') ++line;
                if (c != '"')
                    record.fields.back() += c;
                else if (i + 1 < text.size() && text[i + 1] == '"')
                    record.fields.back() += text[++i];
                else
                    quoted = false;
            } else if (c == '"' && record.fields.back().empty() && !wasQuoted) {
                quoted = wasQuoted = true;
            } else if (c == separator) {
                record.fields.emplace_back();
                wasQuoted = false;
            } else if (c == '\n') {
                ++i;
                ++line;
                break;
            } else if (wasQuoted) {
                badLine = record.line;
                return false;
            } else {
                record.fields.back() += c;
            }
        }
        if (quoted) {
            badLine = record.line;
            return false;
        }
        if (record.fields.size() > 1 || !record.fields[0].empty())
            records.push_back(std::move(record));
    }
    return true;
}

// In some languages spreadsheets separate fields with semicolons.
char Separator(std::string_view text) {
    const std::string_view first = text.substr(0, text.find('\n'));
    return first.find(',') == std::string_view::npos && first.find(';') != std::string_view::npos
               ? ';'
               : ',';
}

TableText ReadCsv(std::string_view text, const Rom& rom, int largest) {
    std::vector<Record> records;
    int bad = 0;
    if (!ParseCsv(text, Separator(text), records, bad))
        return Refuse(bad, "a quoted field is not closed, or text follows its closing quote");
    if (records.empty()) return Refuse(1, "the file is empty");
    const auto& header = records.front().fields;
    const auto column = [&](const char* name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) -
                                        header.begin());
    };
    const std::array<std::size_t, 5> columns = {column("row"), column("value"), column("kind"),
                                                column("id"), column("name")};
    if (columns[0] == header.size()) return Refuse(1, "the header has no \"row\" column");
    if (columns[1] == header.size() && columns[3] == header.size() && columns[4] == header.size())
        return Refuse(1, "the header has no \"value\", \"id\" or \"name\" column");
    std::vector<Cells> rows;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const auto& fields = records[r].fields;
        std::array<std::string, 5> cell;
        for (std::size_t c = 0; c < cell.size(); ++c)
            if (columns[c] < fields.size()) cell[c] = fields[columns[c]];
        rows.push_back({records[r].line, cell[0], cell[1], cell[2], cell[3], cell[4]});
    }
    return ReadRows(rows, rom, largest);
}

// The line on which each object inside the outermost one starts: the rows, in a
// file laid out as export writes it or any other way.
std::vector<int> ObjectLines(std::string_view text) {
    std::vector<int> lines;
    int line = 1, depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') ++line;
        if (inString) {
            // An escaped character never ends the string; JSON escapes no line break.
            i += c == '\\';
            inString = c != '"';
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' && ++depth == 2) {
            lines.push_back(line);
        } else if (c == '}') {
            --depth;
        }
    }
    return lines;
}

// A JSON cell as text: a number in decimal, a string as it is, anything else empty.
std::string CellText(const Json& row, const char* key) {
    if (!row.contains(key)) return {};
    const Json& cell = row[key];
    if (cell.is_string()) return cell.get<std::string>();
    return cell.is_number_unsigned() ? std::to_string(cell.get<std::uint64_t>()) : "";
}

TableText ReadJson(std::string_view text, const Rom& rom, int largest) {
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const Json::parse_error& e) {
        const auto upTo = text.substr(0, std::min<std::size_t>(e.byte, text.size()));
        return Refuse(1 + static_cast<int>(std::count(upTo.begin(), upTo.end(), '\n')), "not JSON");
    }
    if (!doc.is_object() || !doc["rows"].is_array())
        return Refuse(1, "no \"rows\" array in the document");
    const std::vector<int> objects = ObjectLines(text);
    std::vector<Cells> rows;
    for (const Json& row : doc["rows"]) {
        const std::size_t r = rows.size();
        const int line = r < objects.size() ? objects[r] : 1;
        if (!row.is_object()) return Refuse(line, "a row that is not an object");
        rows.push_back({line, CellText(row, "row"), CellText(row, "value"), CellText(row, "kind"),
                        CellText(row, "id"), CellText(row, "name")});
    }
    return ReadRows(rows, rom, largest);
}

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The text without a byte order mark, every line end made '\n'.
std::string Normalized(std::string_view text) {
    if (text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i] == '\r' ? '\n' : text[i];
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}
}  // namespace

std::optional<TableFormat> ParseFormat(std::string_view name) {
    if (name == "list") return TableFormat::List;
    if (name == "csv") return TableFormat::Csv;
    if (name == "json") return TableFormat::Json;
    return std::nullopt;
}

TableFormat FormatOfPath(std::string_view path) {
    std::string end(path.substr(path.size() - std::min<std::size_t>(path.size(), 5)));
    std::transform(end.begin(), end.end(), end.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (end.ends_with(".csv")) return TableFormat::Csv;
    if (end == ".json") return TableFormat::Json;
    return TableFormat::List;
}

TableFormat SniffFormat(std::string_view text) {
    const std::string normal = Normalized(text);
    const auto start = normal.find_first_not_of(" \t\n");
    if (start != std::string::npos && normal[start] == '{') return TableFormat::Json;
    const std::string_view first = std::string_view(normal).substr(0, normal.find('\n'));
    bool row = false, value = false;
    for (std::size_t at = 0; at <= first.size();) {
        const std::size_t end = std::min(first.find(Separator(first), at), first.size());
        row = row || first.substr(at, end - at) == "row";
        value = value || first.substr(at, end - at) == "value";
        at = end + 1;
    }
    return row && value ? TableFormat::Csv : TableFormat::List;
}

std::string_view KindName(std::uint16_t entry) {
    if (entry == EndMarkEntry) return "end";
    if (!IsLegalEntry(entry)) return "illegal";
    return EntryKind(entry) == Kind::Species ? "species" : "move";
}

Json Identity(const Rom& rom) {
    const GameVersion& v = *rom.release.version;
    const std::string version = VersionName(rom.release);
    return {{"file", rom.path},
            {"code", rom.release.code},
            {"game", v.game},
            {"language", v.language},
            {"version", version.empty() ? Json() : Json(version)},
            {"tableOffset", rom.table.EggMoveOffset},
            {"entries", rom.table.entryCount},
            {"table", PlaceName(rom.table.place)},
            {"whole", rom.regionWhole}};
}

void WriteTable(std::ostream& out, const Rom& rom, TableFormat format) {
    if (format == TableFormat::List) WriteListLines(out, rom.list);
    if (format == TableFormat::Csv) WriteCsv(out, rom);
    if (format == TableFormat::Json) WriteJson(out, rom);
}

TableText ReadTable(std::string_view text, TableFormat format, const Rom& rom, int largest) {
    // A list is Windows-1252, as the window writes it, unless a byte order mark
    // says an editor saved it as UTF-8; CSV and JSON are UTF-8.
    const bool utf8 = format != TableFormat::List || text.starts_with(ByteOrderMark);
    const std::string normal = Normalized(utf8 ? text : std::string_view(Utf8(text)));
    if (format == TableFormat::Csv) return ReadCsv(normal, rom, largest);
    if (format == TableFormat::Json) return ReadJson(normal, rom, largest);
    return ReadList(normal, rom, largest);
}

std::vector<RowChange> Changes(const Rom& rom, const EggMoveEntries& entries) {
    std::vector<RowChange> changes;
    int species = -1;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const std::uint16_t before = Current(rom, i);
        if (EntryKind(before) == Kind::Species) species = EntryNumber(before);
        if (before != entries[i])
            changes.push_back({i, SpeciesName(rom.names, species), before, entries[i],
                               Described(rom.names, before), Described(rom.names, entries[i])});
    }
    return changes;
}

std::string ChangeLine(const RowChange& change) {
    return std::to_string(change.row) + ": " + change.species + ": " + change.beforeName + " -> " +
           change.afterName + " (" + Hex(change.before) + " -> " + Hex(change.after) + ")";
}

Json ChangeJson(const RowChange& change) {
    return {{"row", change.row},
            {"species", change.species},
            {"old", change.beforeName},
            {"new", change.afterName},
            {"oldValue", Hex(change.before)},
            {"newValue", Hex(change.after)}};
}
