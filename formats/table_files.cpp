#include "formats/table_files.h"

#include <map>
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

// The lines of a text, without their line ends; a last line end starts no line.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
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

// The value of each record, or the refusal; values[i] sits on lines[i]. A table
// keeps its size, or grows to at most largest rows.
TableText Take(const std::vector<std::uint16_t>& values, const std::vector<int>& lines,
               const Rom& rom, int largest) {
    const int count = static_cast<int>(values.size());
    if (count < Size(rom) || count > std::max(largest, Size(rom))) {
        const int line = count > Size(rom) ? lines[Size(rom)]
                         : lines.empty()   ? 1
                                           : lines.back() + 1;
        TableText refused =
            Refuse(line, "the file describes " + std::to_string(count) +
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

TableText ReadList(std::string_view text, const Rom& rom, int largest) {
    std::multimap<std::string_view, std::uint16_t> byName;
    for (int c = 0; c < EntryChoiceCount; ++c) {
        const EntryChoice choice = EntryForChoice(c, rom.names);
        byName.emplace(c < SpeciesNameCount ? rom.names.SpeciesNames[c]
                                            : rom.names.MoveNames[c - SpeciesNameCount],
                       choice.entry);
    }
    const EggMoveList& now = rom.list;
    const int endMark =
        static_cast<int>(std::find(now.EggMoveTable.begin(), now.EggMoveTable.end(), EndMarkEntry) -
                         now.EggMoveTable.begin());
    std::vector<std::uint16_t> values;
    std::vector<int> numbers;
    for (const std::string_view line : Lines(text)) {
        const int i = static_cast<int>(values.size());
        numbers.push_back(i + 1);
        const std::uint16_t current = Current(rom, i);
        // A line that reads as the row does now keeps the row, even for a name that
        // several species share.
        if (i >= std::max(largest, Size(rom)) ||
            (i < Size(rom) && line == now.EggMoveListLines[i]) ||
            (line.empty() && (!IsLegalEntry(current) || i >= endMark))) {
            values.push_back(current);
            continue;
        }
        if (line.empty())
            return Refuse(i + 1, "an empty line: name a species, or four spaces and a move");
        const bool move = line.starts_with(MoveIndent);
        const std::string_view name = move ? line.substr(4) : line;
        if (name.starts_with(' '))
            return Refuse(i + 1, "a move line starts with exactly four spaces");
        std::vector<std::uint16_t> found;
        for (auto [it, end] = byName.equal_range(name); it != end; ++it)
            if ((EntryKind(it->second) == Kind::Move) == move) found.push_back(it->second);
        const std::string what = std::string(move ? "move" : "species") + " \"" + Utf8(name) + "\"";
        if (found.empty()) return Refuse(i + 1, "this ROM has no " + what);
        if (found.size() > 1)
            return Refuse(
                i + 1, "this ROM has more than one " + what + ", and this row holds none of them");
        values.push_back(found.front());
    }
    return Take(values, numbers, rom, largest);
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
            } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                i += c == '\r' ? 2 : 1;
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

TableText ReadCsv(std::string_view text, const Rom& rom, int largest) {
    // Spreadsheets may start with a byte order mark, and in some languages they
    // separate fields with semicolons.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view first = text.substr(0, text.find('\n'));
    const bool semicolons =
        first.find(',') == std::string_view::npos && first.find(';') != std::string_view::npos;
    std::vector<Record> records;
    int bad = 0;
    if (!ParseCsv(text, semicolons ? ';' : ',', records, bad))
        return Refuse(bad, "a quoted field is not closed, or text follows its closing quote");
    if (records.empty()) return Refuse(1, "the file is empty");
    const auto& header = records.front().fields;
    const auto column =
        std::find(header.begin(), header.end(), std::string("value")) - header.begin();
    if (column == static_cast<std::ptrdiff_t>(header.size()))
        return Refuse(1, "the header has no \"value\" column");
    std::vector<std::uint16_t> values;
    std::vector<int> lines;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const Record& record = records[r];
        const auto value = static_cast<std::size_t>(column) < record.fields.size()
                               ? ParseEntryValue(record.fields[column])
                               : std::nullopt;
        if (!value) return Refuse(record.line, "no entry value in the \"value\" column");
        values.push_back(*value);
        lines.push_back(record.line);
    }
    return Take(values, lines, rom, largest);
}

// The line on which each object inside the outermost one starts: the rows, in a
// file laid out as export writes it or any other way.
std::vector<int> ObjectLines(std::string_view text) {
    std::vector<int> lines;
    int line = 1, depth = 0;
    bool inString = false, escaped = false;
    for (const char c : text) {
        if (c == '\n') ++line;
        if (inString) {
            inString = escaped || c != '"';
            escaped = !escaped && c == '\\';
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

TableText ReadJson(std::string_view text, const Rom& rom, int largest) {
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const Json::parse_error& e) {
        const auto upTo = text.substr(0, std::min<std::size_t>(e.byte, text.size()));
        return Refuse(1 + static_cast<int>(std::count(upTo.begin(), upTo.end(), '\n')), "not JSON");
    }
    if (!doc.is_object() || !doc.contains("rows") || !doc["rows"].is_array())
        return Refuse(1, "no \"rows\" array in the document");
    const std::vector<int> objects = ObjectLines(text);
    std::vector<std::uint16_t> values;
    std::vector<int> lines;
    for (const Json& row : doc["rows"]) {
        const std::size_t r = values.size();
        const int line = r < objects.size() ? objects[r] : 1;
        lines.push_back(line);
        const Json value = row.is_object() && row.contains("value") ? row["value"] : Json();
        std::optional<std::uint16_t> entry;
        if (value.is_string()) entry = ParseEntryValue(value.get<std::string>());
        if (value.is_number_unsigned() && value.get<std::uint64_t>() <= 0xFFFF)
            entry = value.get<std::uint16_t>();
        if (!entry) return Refuse(line, "row " + std::to_string(r) + " has no entry value");
        values.push_back(*entry);
    }
    return Take(values, lines, rom, largest);
}

}  // namespace

std::optional<TableFormat> ParseFormat(std::string_view name) {
    if (name == "list") return TableFormat::List;
    if (name == "csv") return TableFormat::Csv;
    if (name == "json") return TableFormat::Json;
    return std::nullopt;
}

TableFormat FormatOfPath(std::string_view path) {
    if (path.ends_with(".csv")) return TableFormat::Csv;
    if (path.ends_with(".json")) return TableFormat::Json;
    return TableFormat::List;
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
    if (format == TableFormat::Csv) return ReadCsv(text, rom, largest);
    if (format == TableFormat::Json) return ReadJson(text, rom, largest);
    return ReadList(text, rom, largest);
}
