#include "eggmoves/export.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "eggmoves/table.h"
#include "tests/support/program_state.h"
#include "tools/synthetic_rom.h"

namespace {

TEST(Export, OneWindows1252LinePerEntryReplacingAnyEarlierFile) {
    ResetProgramState();
    for (auto& line : EggMoveListLines) line = "SPECIES0";
    EggMoveListLines[0] = "Pok\xE9mon";
    EggMoveListLines[1] = "    Line\\nBreak";
    EggMoveListLines[2] = "";
    TempDir dir;
    const auto path = dir / "EggMoves.txt";
    WriteFileBytes(path, Bytes(100000, 'x'));
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(ExportListLines(path));
        const Bytes bytes = ReadFileBytes(path);
        const std::string text(bytes.begin(), bytes.end());
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), EggMoveEntryCount);
        EXPECT_EQ(text.rfind("Pok\xE9mon\n    Line\\nBreak\n\nSPECIES0\n", 0), 0u);
        EXPECT_EQ(text.substr(text.size() - 9), "SPECIES0\n");
        EXPECT_EQ(text.find('x'), std::string::npos);
    }
    EXPECT_FALSE(ExportListLines(dir / "no-such-folder" / "list.txt"));
    EXPECT_FALSE(ExportListLines(dir.path()));
}

}  // namespace
