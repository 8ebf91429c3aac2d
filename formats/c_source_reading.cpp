// The decompilations' egg_moves.h read back: the one gEggMoves array, as a C
// compiler would see it, whatever the comments, guards and spacing around it.
#include <algorithm>
#include <charconv>

#include "formats/c_source.h"
#include "formats/decomp_constants.h"
#include "formats/reading.h"
#include "formats/text.h"

namespace {

constexpr std::uint16_t Terminator = EndMarkEntry;

struct Token {
    char kind;  // 'a' a name, '0' a number, or the punctuation character itself
    std::string_view text;
    int line;
};

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// What the compiler reads: comments and preprocessor lines (with their
// continuations) left out.
std::vector<Token> Tokens(std::string_view text) {
    std::vector<Token> tokens;
    int line = 1;
    bool lineStart = true;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\n' || c == ' ' || c == '\t') {
            line += c == '\n';
            lineStart = lineStart || c == '\n';
            ++i;
        } else if (text.substr(i, 2) == "//" || (c == '#' && lineStart)) {
            for (; i < text.size() && text[i] != '\n'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\n') ++i, ++line;
            }
        } else if (text.substr(i, 2) == "/*") {
            const std::size_t end = std::min(text.find("*/", i + 2), text.size());
            line += static_cast<int>(std::count(text.begin() + i, text.begin() + end, '\n'));
            i = end + 2;
        } else {
            lineStart = false;
            std::size_t end = i + 1;
            if (IsNameChar(c))
                while (end < text.size() && IsNameChar(text[end])) ++end;
            const char kind = std::isdigit(static_cast<unsigned char>(c)) ? '0'
                              : IsNameChar(c)                             ? 'a'
                                                                          : c;
            tokens.push_back({kind, text.substr(i, end - i), line});
            i = end;
        }
    }
    return tokens;
}

struct Constant {
    std::string name;
    std::uint32_t value;
};

std::vector<Constant> MakeConstants() {
    std::vector<Constant> all = {{"EGG_MOVES_SPECIES_OFFSET", SpeciesEntryBase},
                                 {"EGG_MOVES_TERMINATOR", Terminator}};
    for (int s = 0; s < SpeciesNameCount; ++s)
        all.push_back(
            {"SPECIES_" + std::string(SpeciesConstants[s]), static_cast<std::uint32_t>(s)});
    for (int m = 0; m <= MoveNameCount; ++m)
        all.push_back({"MOVE_" + std::string(MoveConstants[m]), static_cast<std::uint32_t>(m)});
    return all;
}

const std::vector<Constant>& Constants() {
    static const std::vector<Constant> all = MakeConstants();
    return all;
}

// The nearest of names to name, if one is near.
std::string Nearest(std::string_view name, const std::vector<std::string_view>& names) {
    std::string_view best;
    std::size_t least = 2 + name.size() / 3;
    for (const std::string_view known : names) {
        const std::size_t distance = EditDistance(name, known);
        if (distance < least) least = distance, best = known;
    }
    return std::string(best);
}

struct Failure {
    int line;
    Words problem;
};

Words Unknown(std::string_view what, std::string_view name, const std::string& near) {
    const std::string n(name);
    return {"unknown " + std::string(what) + " " + n +
                (near.empty() ? "" : "; did you mean " + near + "?"),
            (what == "species" ? "espèce inconnue " : "constante inconnue ") + n +
                (near.empty() ? "" : " ; vouliez-vous dire " + near + " ?")};
}

// The items of the array, one token at a time; each failure throws.
class ArrayReader {
  public:
    ArrayReader(const std::vector<Token>& tokens, std::size_t at) : tokens_(tokens), at_(at) {}

    SourceRows Items() {
        SourceRows rows;
        while (!Next('}')) {
            const int line = Peek().line;
            if (Peek().text == "egg_moves" && Peek(1).kind == '(') {
                at_ += 2;
                rows.values.push_back(SpeciesArgument());
                rows.lines.push_back(line);
                while (Next(',')) {
                    rows.lines.push_back(Peek().line);
                    rows.values.push_back(Sum());
                }
                Expect(')', {"\")\" was expected here", "« ) » était attendu ici"});
            } else {
                rows.values.push_back(Sum());
                rows.lines.push_back(line);
            }
            if (!Next(',') && Peek().kind != '}')
                Fail(Peek().line,
                     {"\",\" or \"}\" was expected here", "« , » ou « } » était attendu ici"});
        }
        if (rows.values.empty() || rows.values.back() != Terminator)
            Fail(tokens_[at_ - 1].line,
                 {"the array does not end with its terminator, EGG_MOVES_TERMINATOR or 0xFFFF",
                  "le tableau ne se termine pas par sa fin, EGG_MOVES_TERMINATOR ou 0xFFFF"});
        rows.values.pop_back();
        rows.lines.pop_back();
        return rows;
    }

  private:
    [[noreturn]] static void Fail(int line, Words problem) {
        throw Failure{line, std::move(problem)};
    }

    const Token& Peek(std::size_t ahead = 0) const {
        if (at_ + ahead < tokens_.size()) return tokens_[at_ + ahead];
        const int line = tokens_.empty() ? 1 : tokens_.back().line;
        Fail(line, {"the file ends inside the gEggMoves array",
                    "le fichier se termine dans le tableau gEggMoves"});
    }
    bool Next(char kind) {
        if (Peek().kind != kind) return false;
        ++at_;
        return true;
    }
    void Expect(char kind, Words problem) {
        if (!Next(kind)) Fail(Peek().line, std::move(problem));
    }

    std::uint16_t SpeciesArgument() {
        const Token name = Peek();
        const auto found = std::find(SpeciesConstants.begin(), SpeciesConstants.end(), name.text);
        if (name.kind != 'a' || found == SpeciesConstants.end()) {
            const std::vector<std::string_view> names(SpeciesConstants.begin(),
                                                      SpeciesConstants.end());
            Fail(name.line, Unknown("species", name.text, Nearest(name.text, names)));
        }
        ++at_;
        return static_cast<std::uint16_t>(SpeciesEntryBase + (found - SpeciesConstants.begin()));
    }

    // A constant, a number, or a sum of them, in parentheses or not.
    std::uint16_t Sum() {
        const int line = Peek().line;
        std::uint32_t sum = Term();
        // Each term fits in 16 bits, so the sum is checked before it could wrap.
        while (Next('+')) {
            sum += Term();
            if (sum > 0xFFFF)
                Fail(line, {std::to_string(sum) + " does not fit in 16 bits",
                            std::to_string(sum) + " ne tient pas sur 16 bits"});
        }
        return static_cast<std::uint16_t>(sum);
    }

    std::uint32_t Term() {
        const Token token = Peek();
        ++at_;
        if (token.kind == '(') {
            // No real file nests deeply; a deeper one must not exhaust the stack.
            if (++depth_ > MostNested)
                Fail(token.line, {"the parentheses are nested too deeply",
                                  "les parenthèses sont trop imbriquées"});
            const std::uint32_t sum = Sum();
            --depth_;
            Expect(')', {"\")\" was expected here", "« ) » était attendu ici"});
            return sum;
        }
        if (token.kind == '0') return Number(token);
        if (token.kind != 'a')
            Fail(token.line, {"a constant, a number or egg_moves(...) was expected here",
                              "une constante, un nombre ou egg_moves(...) était attendu ici"});
        std::vector<std::string_view> names;
        for (const Constant& constant : Constants()) {
            if (constant.name == token.text) return constant.value;
            names.push_back(constant.name);
        }
        Fail(token.line, Unknown("constant", token.text, Nearest(token.text, names)));
    }

    // Decimal, 0x hexadecimal, or octal after a 0, as C reads them.
    static std::uint32_t Number(const Token& token) {
        std::string_view digits = token.text;
        int base = 10;
        if (digits.size() > 2 && (digits.starts_with("0x") || digits.starts_with("0X")))
            digits.remove_prefix(2), base = 16;
        else if (digits.size() > 1 && digits[0] == '0')
            digits.remove_prefix(1), base = 8;
        std::uint32_t value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
        if (error == std::errc::result_out_of_range || (error == std::errc() && value > 0xFFFF))
            Fail(token.line, {std::string(token.text) + " does not fit in 16 bits",
                              std::string(token.text) + " ne tient pas sur 16 bits"});
        if (error != std::errc() || end != digits.data() + digits.size())
            Fail(token.line, {std::string(token.text) + " is not a number",
                              std::string(token.text) + " n'est pas un nombre"});
        return value;
    }

    static constexpr int MostNested = 100;
    const std::vector<Token>& tokens_;
    std::size_t at_;
    int depth_ = 0;
};

// Where an array definition "NAME[...] = {" starts its items, or 0.
std::size_t ArrayStart(const std::vector<Token>& tokens, std::size_t name) {
    std::size_t i = name + 1;
    if (i >= tokens.size() || tokens[name].kind != 'a' || tokens[i].kind != '[') return 0;
    while (i + 1 < tokens.size() && (tokens[i + 1].kind == 'a' || tokens[i + 1].kind == '0')) ++i;
    if (++i >= tokens.size() || tokens[i].kind != ']') return 0;
    if (i + 2 >= tokens.size() || tokens[i + 1].kind != '=' || tokens[i + 2].kind != '{') return 0;
    return i + 3;
}

}  // namespace

SourceRows ParseSource(std::string_view text) {
    const std::string normal = Normalized(text);
    const std::vector<Token> tokens = Tokens(normal);
    int arrays = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::size_t start = ArrayStart(tokens, i);
        arrays += start > 0;
        if (start == 0 || tokens[i].text != "gEggMoves") continue;
        try {
            return ArrayReader(tokens, start).Items();
        } catch (const Failure& failure) {
            SourceRows refused;
            refused.line = failure.line;
            refused.problem = failure.problem;
            return refused;
        }
    }
    SourceRows refused;
    refused.line = 1;
    refused.problem =
        arrays > 1
            ? Words{"this file holds an array per species; the games read one table, "
                    "gEggMoves, as the decompilations' src/data/pokemon/egg_moves.h writes it",
                    "ce fichier contient un tableau par espèce ; les jeux lisent une seule table, "
                    "gEggMoves, comme l'écrit src/data/pokemon/egg_moves.h des décompilations"}
            : Words{"this file holds no gEggMoves array", "ce fichier ne contient pas de tableau gEggMoves"};
    return refused;
}

TableText ReadSource(std::string_view text, const Rom& rom, int largest) {
    const SourceRows rows = ParseSource(text);
    if (!rows.Taken()) return Refuse(rows.line, rows.problem);
    for (std::size_t i = 0; i < rows.values.size(); ++i) {
        const std::uint16_t value = rows.values[i];
        // As in the other formats, only a row that holds an illegal value now keeps it.
        if (value != EndMarkEntry && !IsLegalEntry(value) &&
            value != Current(rom, static_cast<int>(i)))
            return Refuse(rows.lines[i],
                          {Hex(value) + " is neither a species nor a move entry",
                           Hex(value) + " n'est ni une entrée d'espèce ni une entrée d'attaque"});
    }
    return Take(rows.values, rows.lines, rom, largest);
}
