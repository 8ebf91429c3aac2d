// The names of one ROM as the files name them: as the ROM spells them, or
// without case, settled by the row's own entries where several share a name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "eggmoves/table.h"
#include "eggmoves/words.h"

struct Found {
    std::uint16_t entry = 0;
    Words problem;  // empty when the name was found
};

class NameIndex {
  public:
    explicit NameIndex(const RomNames& names);

    // The entry of kind (Neither: of either kind) that the UTF-8 name names:
    // written as the ROM spells it, or else without case. Where several entries
    // share the name, the first of hints that is one of them.
    Found Find(std::string_view name, Kind kind, const std::vector<std::uint16_t>& hints) const;

    // Whether an entry of kind has the UTF-8 name, in any case.
    bool Names(std::string_view name, Kind kind) const;

  private:
    struct Name {
        std::uint16_t entry;
        std::string folded, name;
    };
    std::vector<std::string> Suggestions(const std::string& folded, Kind kind) const;

    std::vector<Name> names_;
};
