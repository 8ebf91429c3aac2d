// The list as the window writes it, forgiving what editors do to it: names in any
// case, spaces at the ends of lines, a tab for the indent, lines inserted and
// deleted anywhere.
#include <algorithm>

#include "formats/name_index.h"
#include "formats/reading.h"
#include "formats/text.h"

namespace {

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

// Most of the cells a line-by-line comparison of a file's middle may take.
constexpr std::size_t MostCompared = 1 << 22;

// For each of lines, the row of now whose line it is, or -1: the file's lines
// put against the table's as a longest common run, so that a line keeps its
// entry wherever other lines were inserted or deleted around it.
std::vector<int> RowsOfLines(const std::vector<std::string_view>& lines,
                             const std::vector<std::string>& now) {
    const std::size_t n = lines.size(), m = now.size();
    std::vector<int> rows(n, -1);
    std::size_t first = 0, last = 0;  // alike at the start, and at the end
    for (; first < std::min(n, m) && lines[first] == now[first]; ++first)
        rows[first] = static_cast<int>(first);
    for (; last < std::min(n, m) - first && lines[n - 1 - last] == now[m - 1 - last]; ++last)
        rows[n - 1 - last] = static_cast<int>(m - 1 - last);
    const std::size_t a = n - first - last, b = m - first - last;
    if (a == 0 || b == 0 || a * b > MostCompared) return rows;
    // common[i * (b + 1) + j]: the longest common run of the middles from i and j on.
    std::vector<std::uint16_t> common((a + 1) * (b + 1), 0);
    const auto at = [&](std::size_t i, std::size_t j) -> std::uint16_t& {
        return common[i * (b + 1) + j];
    };
    for (std::size_t i = a; i-- > 0;)
        for (std::size_t j = b; j-- > 0;)
            at(i, j) = lines[first + i] == now[first + j]
                           ? static_cast<std::uint16_t>(at(i + 1, j + 1) + 1)
                           : std::max(at(i + 1, j), at(i, j + 1));
    for (std::size_t i = 0, j = 0; i < a && j < b;) {
        if (lines[first + i] == now[first + j])
            rows[first + i++] = static_cast<int>(first + j++);
        else if (at(i + 1, j) >= at(i, j + 1))
            ++i;
        else
            ++j;
    }
    return rows;
}

}  // namespace

TableText ReadList(std::string_view text, const Rom& rom, int largest) {
    std::vector<std::string_view> raw = Lines(text), lines;
    for (const std::string_view line : raw) lines.push_back(TrimmedEnd(line));
    std::vector<std::string> now;
    for (const std::string& line : rom.list.EggMoveListLines)
        now.emplace_back(TrimmedEnd(Utf8(line)));
    // Blank lines at the end are what editors leave, not rows, unless their rows
    // show blank now (end marks, illegal entries): those keep what they hold.
    while (!lines.empty() && lines.back().empty() &&
           (lines.size() > now.size() || !now[lines.size() - 1].empty())) {
        lines.pop_back();
        raw.pop_back();
    }
    std::size_t blankEnd = lines.size();
    while (blankEnd > 0 && lines[blankEnd - 1].empty()) --blankEnd;
    if (lines.empty()) return Refuse(1, {"the file is empty", "le fichier est vide"});
    const std::vector<int> rows = RowsOfLines(lines, now);
    const NameIndex index(rom.names);
    std::vector<std::uint16_t> values;
    std::vector<int> numbers;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        numbers.push_back(number);
        if (rows[i] >= 0) {
            values.push_back(Current(rom, rows[i]));
            continue;
        }
        const std::size_t indent = raw[i].starts_with(MoveIndent) ? 4 : raw[i].starts_with('\t');
        // Within the blank end, a line that is no row's now is as the rows past the file.
        if (i >= blankEnd && indent == 0) {
            values.push_back(EndMarkEntry);
            continue;
        }
        if (lines[i].empty() && indent == 0)
            return Refuse(number, {"an empty line: name a species, or four spaces and a move "
                                   "(delete the line to remove its entry)",
                                   "une ligne vide : nommez une espèce, ou quatre espaces et une "
                                   "attaque (supprimez la ligne pour retirer son entrée)"});
        const std::string_view name = TrimmedEnd(raw[i].substr(indent));
        if (name.starts_with(' ') || name.starts_with('\t'))
            return Refuse(number, {"a move line starts with exactly four spaces or a tab",
                                   "une ligne d'attaque commence par exactement quatre espaces ou "
                                   "une tabulation"});
        const Kind kind = indent ? Kind::Move : Kind::Species;
        const Found found = index.Find(name, kind, {Current(rom, static_cast<int>(i))});
        if (found.problem.english.empty()) {
            values.push_back(found.entry);
            continue;
        }
        if (kind == Kind::Move && name.empty())
            return Refuse(number, {"the line is indented but holds no name: write a move after "
                                   "the indent (delete the line to remove its entry)",
                                   "la ligne est indentée mais ne contient aucun nom : écrivez "
                                   "une attaque après le retrait (supprimez la ligne pour retirer "
                                   "son entrée)"});
        const std::string quoted(name);
        if (kind == Kind::Species && index.Names(name, Kind::Move))
            return Refuse(number, {"\"" + quoted +
                                       "\" is a move, and move lines start with four "
                                       "spaces or a tab",
                                   "« " + quoted +
                                       " » est une attaque, et les lignes d'attaque "
                                       "commencent par quatre espaces ou une tabulation"});
        if (kind == Kind::Move && index.Names(name, Kind::Species))
            return Refuse(number, {"\"" + quoted +
                                       "\" is a species, and species lines are not "
                                       "indented",
                                   "« " + quoted +
                                       " » est une espèce, et les lignes d'espèce ne "
                                       "sont pas indentées"});
        return Refuse(number, found.problem);
    }
    return Take(std::move(values), numbers, rom, largest);
}
