#include "formats/name_index.h"

#include <algorithm>

#include "formats/text.h"

namespace {

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

// "A, B or C".
std::string Listed(const std::vector<std::string>& names, const std::string& orWord) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? orWord : ", ") + names[i];
    return text;
}

bool OfKind(std::uint16_t entry, Kind kind) {
    return kind == Kind::Neither || EntryKind(entry) == kind;
}

}  // namespace

NameIndex::NameIndex(const RomNames& names) {
    for (int c = 0; c < EntryChoiceCount; ++c) {
        const std::uint16_t entry = EntryForChoice(c, names).entry;
        std::string name = EntryName(names, entry);
        names_.push_back({entry, Folded(name), std::move(name)});
    }
}

Found NameIndex::Find(std::string_view name, Kind kind,
                      const std::vector<std::uint16_t>& hints) const {
    const std::string quoted = std::string(name);
    const Words what = kind == Kind::Move      ? Words{"move", "attaque"}
                       : kind == Kind::Species ? Words{"species", "espèce"}
                                               : Words{"species or move", "espèce ou attaque"};
    if (!FitsWindows1252(name))
        return {0,
                {"\"" + quoted + "\" holds a character that no name of a ROM can hold",
                 "« " + quoted + " » contient un caractère qu'aucun nom d'une rom ne peut avoir"}};
    const std::string folded = Folded(name);
    for (const bool withoutCase : {false, true}) {
        std::vector<std::uint16_t> found;
        for (const Name& n : names_)
            if (OfKind(n.entry, kind) && (withoutCase ? n.folded == folded : n.name == name))
                found.push_back(n.entry);
        for (const std::uint16_t hint : hints)
            if (std::find(found.begin(), found.end(), hint) != found.end()) return {hint, {}};
        if (found.size() == 1) return {found.front(), {}};
        if (found.size() > 1)
            return {0,
                    {"this ROM has more than one " + what.english + " \"" + quoted + "\"" +
                         (withoutCase ? " when case is ignored" : "") +
                         ", and this row holds none of them",
                     "cette rom a plus d'une " + what.french + " « " + quoted + " »" +
                         (withoutCase ? " sans tenir compte de la casse" : "") +
                         ", et ce rang n'en contient aucune"}};
    }
    const std::vector<std::string> near = Suggestions(folded, kind);
    return {0,
            {"this ROM has no " + what.english + " \"" + quoted + "\"" +
                 (near.empty() ? "" : "; did you mean " + Listed(near, " or ") + "?"),
             "cette rom n'a aucune " + what.french + " « " + quoted + " »" +
                 (near.empty() ? "" : " ; vouliez-vous dire " + Listed(near, " ou ") + " ?")}};
}

bool NameIndex::Names(std::string_view name, Kind kind) const {
    const std::string folded = Folded(name);
    return std::any_of(names_.begin(), names_.end(), [&](const Name& n) {
        return EntryKind(n.entry) == kind && n.folded == folded;
    });
}

// The nearest names, at most three, if any is near.
std::vector<std::string> NameIndex::Suggestions(const std::string& folded, Kind kind) const {
    std::vector<std::pair<std::size_t, std::string>> near;
    for (const Name& n : names_) {
        const std::size_t distance = EditDistance(folded, n.folded);
        if (OfKind(n.entry, kind) && distance <= 1 + folded.size() / 3)
            near.emplace_back(distance, n.name);
    }
    std::sort(near.begin(), near.end());
    near.erase(std::unique(near.begin(), near.end()), near.end());
    std::vector<std::string> names;
    for (std::size_t i = 0; i < std::min<std::size_t>(near.size(), 3); ++i)
        names.push_back(near[i].second);
    return names;
}
