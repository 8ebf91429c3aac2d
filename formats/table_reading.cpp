#include "formats/table_reading.h"

#include <algorithm>

#include "formats/reading.h"
#include "formats/text.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string Count(std::size_t n) {
    return std::to_string(n);
}

}  // namespace

TableText Refuse(int line, Words problem) {
    return {{}, line, std::move(problem)};
}

int Size(const Rom& rom) {
    return static_cast<int>(rom.list.EggMoveTable.size());
}

std::uint16_t Current(const Rom& rom, int i) {
    return i < Size(rom) ? rom.list.EggMoveTable[i] : EndMarkEntry;
}

Words Described(const RomNames& names, std::uint16_t entry) {
    if (entry == EndMarkEntry) return {"(end mark)", "(marque de fin)"};
    if (!IsLegalEntry(entry)) return {"(illegal)", "(illégale)"};
    return {EntryName(names, entry), EntryName(names, entry)};
}

TableText Take(std::vector<std::uint16_t> values, const std::vector<int>& lines, const Rom& rom,
               int largest) {
    const std::size_t count = values.size(), size = rom.list.EggMoveTable.size();
    if (count > std::max<std::size_t>(largest, size)) {
        // Refused at the first line past the table.
        TableText refused = Refuse(
            lines[size],
            {"the file describes " + Count(count) + " entries; the table holds " + Count(size),
             "le fichier décrit " + Count(count) + " entrées ; la table en contient " +
                 Count(size)});
        refused.rows = static_cast<int>(count);
        return refused;
    }
    TableText taken;
    taken.entries = std::move(values);
    taken.entries.resize(std::max(count, size), EndMarkEntry);
    return taken;
}

namespace {

// The text as UTF-8, read as its first bytes say.
std::string AsUtf8(std::string_view text) {
    // Notepad's "Unicode" is UTF-16 with its mark, in either byte order.
    for (const bool bigEndian : {false, true})
        if (text.starts_with(bigEndian ? "\xFE\xFF" : "\xFF\xFE"))
            return Utf8OfUtf16(text.substr(2), bigEndian);
    const bool marked = text.starts_with(ByteOrderMark);
    if (marked) text.remove_prefix(ByteOrderMark.size());
    // An editor that saves UTF-8 may leave out the mark; text that is not UTF-8 is
    // Windows-1252, as the window writes its list.
    return marked || IsUtf8(text) ? std::string(text) : Utf8(text);
}

}  // namespace

std::string Normalized(std::string_view text) {
    const std::string utf8 = AsUtf8(text);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        out += utf8[i] == '\r' ? '\n' : utf8[i];
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
    }
    return out;
}

char Separator(std::string_view text) {
    const std::string_view first = text.substr(0, text.find('\n'));
    return first.find(',') == std::string_view::npos && first.find(';') != std::string_view::npos
               ? ';'
               : ',';
}

TableText ReadTable(std::string_view text, TableFormat format, const Rom& rom, int largest) {
    const std::string normal = Normalized(text);
    const auto read = [&](int most) {
        if (format == TableFormat::Csv) return ReadCsv(normal, rom, most);
        if (format == TableFormat::Json) return ReadJson(normal, rom, most);
        if (format == TableFormat::C) return ReadSource(normal, rom, most);
        return ReadList(normal, rom, most);
    };
    TableText table = read(largest);
    if (table.rows == 0 || largest >= MaxEntryCount) return table;
    // Say how many rows the file holds only when a grown table would take it.
    const TableText grown = read(MaxEntryCount);
    table.rows = grown.Taken() ? static_cast<int>(grown.entries.size()) : 0;
    return table;
}

std::optional<Words> GrowthQuestion(const TableText& refused, const Rom& rom) {
    const int size = Size(rom);
    if (refused.rows <= size) return std::nullopt;
    const std::string n = Count(refused.rows), m = Count(size), k = Count(refused.rows - size);
    return Words{"The file describes " + n + " entries; the table holds " + m +
                     ". Enlarge the table by " + k + "?",
                 "Le fichier décrit " + n + " entrées ; la table en contient " + m +
                     ". Agrandir la table de " + k + " ?"};
}
