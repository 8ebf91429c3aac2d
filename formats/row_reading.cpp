// CSV and JSON: the table's rows keyed by their row cells, in any order, as
// spreadsheets and scripts leave them.
#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>

#include "formats/name_index.h"
#include "formats/reading.h"
#include "formats/text.h"

using Json = nlohmann::ordered_json;

namespace {

std::string Count(std::int64_t n) {
    return std::to_string(n);
}

// What one CSV record or JSON row says, each cell as text without spaces and tabs
// at its ends; an absent cell is empty.
struct Cells {
    int line = 0;
    std::string row, value, kind, id, name;
};

// The entry a row's cells give: the one that the cells differing from the row's
// entry now name, as a spreadsheet user edits one cell and leaves the others.
std::optional<std::uint16_t> CellsEntry(const Cells& cells, const NameIndex& index,
                                        const RomNames& names, std::uint16_t current,
                                        Words& problem) {
    std::vector<std::pair<std::string, std::uint16_t>> said;
    std::vector<std::string> named;  // cells that hold a name: value, name
    if (!cells.value.empty()) {
        // A name in the value cell is taken as a name.
        if (const auto value = ParseEntryValue(cells.value))
            said.emplace_back("value", *value);
        else
            named.push_back("value");
    }
    if (cells.kind == "end") {
        said.emplace_back("kind", EndMarkEntry);
    } else if (!cells.id.empty()) {
        const auto id = ParseOffset(cells.id);
        const bool species = cells.kind == "species";
        if (!id || (!species && cells.kind != "move") || *id < !species ||
            *id > (species ? SpeciesNameCount - 1 : MoveNameCount)) {
            problem = {"id \"" + cells.id + "\" of kind \"" + cells.kind +
                           "\" is no species or move of this ROM",
                       "l'id « " + cells.id + " » de kind « " + cells.kind +
                           " » n'est ni une espèce ni une attaque de cette rom"};
            return std::nullopt;
        }
        said.emplace_back("id", static_cast<std::uint16_t>(*id + (species ? SpeciesEntryBase : 0)));
    }
    if (!cells.name.empty() && cells.name != Trimmed(EntryName(names, current)))
        named.push_back("name");
    // A name several entries share is the one the row's other cells name, if any.
    std::vector<std::uint16_t> hints;
    for (const auto& [cell, entry] : said) hints.push_back(entry);
    hints.push_back(current);
    for (const std::string& cell : named) {
        const Found found =
            index.Find(cell == "value" ? cells.value : cells.name, Kind::Neither, hints);
        problem = found.problem;
        if (!problem.english.empty()) return std::nullopt;
        said.emplace_back(cell, found.entry);
    }
    std::optional<std::uint16_t> changed;
    bool agree = true;
    for (const auto& [cell, entry] : said) {
        if (entry == current) continue;
        agree = agree && (!changed || *changed == entry);
        changed = entry;
    }
    if (!agree) {
        problem = {"its cells name different entries:",
                   "ses cellules nomment des entrées différentes :"};
        std::string separator = " ";
        for (const auto& [cell, entry] : said) {
            const Words what = Described(names, entry);
            problem.english += separator + cell + " says " + Hex(entry) + " " + what.english;
            problem.french += separator + cell + " dit " + Hex(entry) + " " + what.french;
            separator = ", ";
        }
        return std::nullopt;
    }
    const std::uint16_t entry = changed.value_or(current);
    // An entry that is neither legal nor the end mark can only stay where it is.
    if (!IsLegalEntry(entry) && entry != EndMarkEntry && entry != current) {
        problem = {Hex(entry) + " is not a legal entry, and this row does not hold it now",
                   Hex(entry) + " n'est pas une entrée valide, et ce rang ne la contient pas"};
        return std::nullopt;
    }
    return entry;
}

// Rows 0 to N - 1 once each, or with largest, rows 0 to M - 1 for some M from N
// to largest.
TableText ReadRows(const std::vector<Cells>& rows, const Rom& rom, int largest) {
    const NameIndex index(rom.names);
    const int limit = std::max(largest, Size(rom));
    std::vector<int> lineOf(static_cast<std::size_t>(limit), 0);
    std::vector<std::uint16_t> values(lineOf.size());
    int lastLine = 1;
    for (const Cells& cells : rows) {
        lastLine = cells.line;
        const auto row = ParseOffset(cells.row);
        if (!row)
            return Refuse(cells.line, {"\"" + cells.row + "\" is no row number",
                                       "« " + cells.row + " » n'est pas un numéro de rang"});
        const Words named = {"row " + Count(*row), "rang " + Count(*row)};
        if (*row >= limit) {
            TableText refused = Refuse(
                cells.line, {named.english + " is past the table's last row, " + Count(limit - 1),
                             "le " + named.french + " est après le dernier rang de la table, " +
                                 Count(limit - 1)});
            refused.rows = static_cast<int>(std::min<std::int64_t>(*row + 1, MaxEntryCount + 1));
            return refused;
        }
        if (lineOf[*row])
            return Refuse(cells.line, {named.english + " is here again (first on line " +
                                           Count(lineOf[*row]) + ")",
                                       "le " + named.french + " revient (d'abord à la ligne " +
                                           Count(lineOf[*row]) + ")"});
        lineOf[*row] = cells.line;
        Words problem;
        const auto entry = CellsEntry(cells, index, rom.names, Current(rom, *row), problem);
        if (!entry)
            return Refuse(cells.line, {named.english + ": " + problem.english,
                                       named.french + " : " + problem.french});
        values[*row] = *entry;
    }
    const int count = static_cast<int>(std::find(lineOf.begin(), lineOf.end(), 0) - lineOf.begin());
    const auto after = std::find_if(lineOf.begin() + count, lineOf.end(), [](int l) { return l; });
    if (count < Size(rom) || after != lineOf.end())
        return Refuse(
            after != lineOf.end() ? *after : lastLine + 1,
            {"row " + Count(count) + " is missing", "le rang " + Count(count) + " manque"});
    values.resize(count);
    lineOf.resize(count);
    return Take(std::move(values), lineOf, rom, largest);
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
                else if (text.substr(i + 1, 1) == "\"")  // "" inside quotes: one quote
                    record.fields.back() += text[++i];
                else
                    quoted = false;
            } else if (c == '"' && Trimmed(record.fields.back()).empty() && !wasQuoted) {
                record.fields.back().clear();
                quoted = wasQuoted = true;
            } else if (c == separator) {
                record.fields.emplace_back();
                wasQuoted = false;
            } else if (c == '\n') {
                ++i;
                ++line;
                break;
            } else if (wasQuoted && c != ' ' && c != '\t') {
                badLine = record.line;
                return false;
            } else if (!wasQuoted) {
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
    if (cell.is_string()) return std::string(Trimmed(cell.get<std::string>()));
    return cell.is_number_unsigned() ? std::to_string(cell.get<std::uint64_t>()) : "";
}

}  // namespace

TableText ReadCsv(std::string_view text, const Rom& rom, int largest) {
    std::vector<Record> records;
    int bad = 0;
    if (!ParseCsv(text, Separator(text), records, bad))
        return Refuse(bad, {"a quoted field is not closed, or text follows its closing quote",
                            "un champ entre guillemets n'est pas fermé, ou du texte suit son "
                            "guillemet fermant"});
    if (records.empty()) return Refuse(1, {"the file is empty", "le fichier est vide"});
    std::vector<std::string> header;
    for (const std::string& field : records.front().fields) header.emplace_back(Trimmed(field));
    const auto column = [&](const char* name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) -
                                        header.begin());
    };
    const std::array<std::size_t, 5> columns = {column("row"), column("value"), column("kind"),
                                                column("id"), column("name")};
    if (columns[0] == header.size())
        return Refuse(1,
                      {"the header has no \"row\" column", "l'en-tête n'a pas de colonne « row »"});
    if (columns[1] == header.size() && columns[3] == header.size() && columns[4] == header.size())
        return Refuse(1, {"the header has no \"value\", \"id\" or \"name\" column",
                          "l'en-tête n'a pas de colonne « value », « id » ou « name »"});
    std::vector<Cells> rows;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const auto& fields = records[r].fields;
        std::array<std::string, 5> cell;
        for (std::size_t c = 0; c < cell.size(); ++c)
            if (columns[c] < fields.size()) cell[c] = Trimmed(fields[columns[c]]);
        rows.push_back({records[r].line, cell[0], cell[1], cell[2], cell[3], cell[4]});
    }
    return ReadRows(rows, rom, largest);
}

TableText ReadJson(std::string_view text, const Rom& rom, int largest) {
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const Json::parse_error& e) {
        const auto upTo = text.substr(0, std::min<std::size_t>(e.byte, text.size()));
        return Refuse(1 + static_cast<int>(std::count(upTo.begin(), upTo.end(), '\n')),
                      {"not JSON", "ce n'est pas du JSON"});
    }
    if (!doc.is_object() || !doc["rows"].is_array())
        return Refuse(
            1, {"no \"rows\" array in the document", "pas de tableau « rows » dans le document"});
    const std::vector<int> objects = ObjectLines(text);
    std::vector<Cells> rows;
    for (const Json& row : doc["rows"]) {
        const std::size_t r = rows.size();
        const int line = r < objects.size() ? objects[r] : 1;
        if (!row.is_object())
            return Refuse(line, {"a row that is not an object", "un rang qui n'est pas un objet"});
        rows.push_back({line, CellText(row, "row"), CellText(row, "value"), CellText(row, "kind"),
                        CellText(row, "id"), CellText(row, "name")});
    }
    return ReadRows(rows, rom, largest);
}
