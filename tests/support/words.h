// Words compared and printed whole, so that a test names both languages at once.
#pragma once

#include <ostream>

#include "eggmoves/words.h"

inline bool operator==(const Words& a, const Words& b) {
    return a.english == b.english && a.french == b.french;
}
inline std::ostream& operator<<(std::ostream& out, const Words& words) {
    return out << words.english << " / " << words.french;
}
