#include "formats/table_files.h"

#include <algorithm>
#include <array>
#include <vector>

#include "eggmoves/export.h"
#include "formats/c_source.h"
#include "formats/reading.h"
#include "formats/text.h"

using Json = nlohmann::ordered_json;

namespace {

std::string_view PlaceName(TablePlace place) {
    switch (place) {
        case TablePlace::Moved:
            return "moved";
        case TablePlace::Foreign:
            return "read-only";
        case TablePlace::Missing:
            return "none";
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

}  // namespace

std::optional<TableFormat> ParseFormat(std::string_view name) {
    if (name == "list") return TableFormat::List;
    if (name == "csv") return TableFormat::Csv;
    if (name == "json") return TableFormat::Json;
    if (name == "c") return TableFormat::C;
    return std::nullopt;
}

TableFormat FormatOfPath(std::string_view path) {
    std::string end(path.substr(path.size() - std::min<std::size_t>(path.size(), 5)));
    std::transform(end.begin(), end.end(), end.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (end.ends_with(".csv")) return TableFormat::Csv;
    if (end == ".json") return TableFormat::Json;
    if (end.ends_with(".h")) return TableFormat::C;
    return TableFormat::List;
}

TableFormat SniffFormat(std::string_view text) {
    const std::string normal = Normalized(text);
    const auto start = normal.find_first_not_of(" \t\n");
    if (start != std::string::npos && normal[start] == '{') return TableFormat::Json;
    // No name of a list, CSV cell or JSON key holds the array's name.
    if (normal.find("gEggMoves") != std::string::npos) return TableFormat::C;
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
    if (format == TableFormat::C) WriteSource(out, rom.list.EggMoveTable);
}
