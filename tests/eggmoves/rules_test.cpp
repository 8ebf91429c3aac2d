#include "eggmoves/rules.h"

#include <gtest/gtest.h>

#include "eggmoves/finding_words.h"
#include "tests/support/words.h"
#include "tools/synthetic_rom.h"

namespace {

constexpr std::uint16_t End = EndMarkEntry;
constexpr std::uint16_t S0 = SpeciesFillerEntry, S1 = 20001, S2 = 20002;

// Each rule where the game starts and stops applying it, as table -> findings.
TEST(Rules, WhereTheGameDoesNotDoWhatTheListSays) {
    const struct {
        EggMoveEntries table;
        std::uint16_t after;
        std::vector<Finding> findings;
    } cases[] = {
        {{}, 0, {}},
        {{S1, 5, End}, 0, {}},
        {{S1, 5}, S2, {}},
        // Species 0 is read as a move, so it heads nothing that runs on.
        {{S1, 5, S0, 7}, 0, {{2, Rule::FillerSpecies, 1}, {3, Rule::MovesRunOn, 1}}},
        {{S0}, 0, {{0, Rule::FillerSpecies}, {0, Rule::MoveBeforeSpecies}, {0, Rule::MovesRunOn}}},
        {{S1, 5}, S0, {{1, Rule::MovesRunOn, 1}}},
        {{5, S1, 6, End}, End, {{0, Rule::MoveBeforeSpecies}}},
        // clang-format off
        {{S1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, S2}, 0, {{11, Rule::TooManyMoves, 1}, {12, Rule::SpeciesAtEnd, 2}}},
        {{S1, 3, 3, S1, 4, End, 0x0163, 0x0000, S2, End}, 0,
         {{2, Rule::MoveAgain, 1, 1}, {3, Rule::SpeciesAgain, 1, 0}, {6, Rule::IllegalAfterEndMark}, {7, Rule::IllegalAfterEndMark}}},
        // clang-format on
        {{S1, 0x0163, 0x4FBC, End}, 0, {{1, Rule::IllegalEntry, 1}, {2, Rule::IllegalEntry, 1}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckEggMoves(c.table, c.after), c.findings) << ::testing::PrintToString(c.table);
    EXPECT_EQ(FirstError(CheckEggMoves({S1, 5, End, 0}, 0)), std::nullopt);
    EXPECT_EQ(FirstError(CheckEggMoves({S1, 5, 5, 0x0163, 6}, 0)),
              (Finding{3, Rule::IllegalEntry, 1}));
    EXPECT_EQ(FirstError({{-1, Rule::TableCut}, {2, Rule::MoveBeforeSpecies}}),
              (Finding{2, Rule::MoveBeforeSpecies}));
}

// The words of a finding in both languages, with its names and rows filled in.
TEST(Rules, FindingsInWords) {
    RomNames names;
    for (int s = 0; s < SpeciesNameCount; ++s) names.SpeciesNames[s] = DefaultSpeciesName(s);
    for (int k = 0; k < MoveNameCount; ++k) names.MoveNames[k] = DefaultMoveName(k + 1);
    const EntryNamer name = [&names](std::uint16_t e) {
        return EntryKind(e) == Kind::Species ? names.SpeciesNames[e - SpeciesEntryBase]
                                             : names.MoveNames[e - 1];
    };
    const EggMoveEntries table = {5, S1, 3, S0, 3, End, 0x0200};
    const struct {
        Finding finding;
        Words line;
    } cases[] = {
        // clang-format off
        {{0, Rule::MoveBeforeSpecies},
         {"Row 0: (no species): MOVE5 comes before any species: the game gives the first 10 such moves to every species without egg moves",
          "Ligne 0 : (aucune espèce) : MOVE5 vient avant toute espèce : le jeu donne les 10 premières de ces attaques à toute espèce sans attaques des oeufs"}},
        {{3, Rule::FillerSpecies, 1},
         {"Row 3: SPECIES1: holds species 0 (??????????, the repair filler), which the game reads as a move",
          "Ligne 3 : SPECIES1 : contient l'espèce 0 (??????????, le remplissage de la réparation), que le jeu lit comme une attaque"}},
        {{4, Rule::MoveAgain, 1, 2},
         {"Row 4: SPECIES1: MOVE3 is listed twice (first at row 2)", "Ligne 4 : SPECIES1 : MOVE3 est listée deux fois (d'abord ligne 2)"}},
        {{6, Rule::IllegalAfterEndMark},
         {"Row 6: (past the end mark): 0x0200 past the end mark is not a legal entry; it is kept as it is",
          "Ligne 6 : (après la marque de fin) : 0x0200 après la marque de fin n'est pas une entrée légale ; elle est gardée telle quelle"}},
        {{-1, Rule::TableCut},
         {"the file ends inside the egg-move table", "le fichier se termine dans la table des attaques des oeufs"}},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(FindingLine(c.finding, table, name), c.line);
    EXPECT_STREQ(RuleName(Rule::MovesRunOn), "moves-run-on");
    EXPECT_EQ(MisreadQuestion({"A", "B"}),
              (Words{"The game will misread this table: A. Save anyway?",
                     "Le jeu lira mal cette table : B. Sauvegarder quand même ?"}));
}

}  // namespace
