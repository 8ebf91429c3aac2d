#include "eggmoves/export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "eggmoves/table.h"
#include "tests/support/program_state.h"
#include "tools/synthetic_rom.h"

namespace {

class Export : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProgramState();
        for (int i = 0; i < EggMoveEntryCount; ++i) EggMoveListLines[i] = "SPECIES0";
        EggMoveListLines[0] = "Pok\xE9mon";
        EggMoveListLines[1] = "    Line\\nBreak";
        EggMoveListLines[2] = "";
    }
    std::string Exported(const std::filesystem::path& path) {
        const Bytes bytes = ReadFileBytes(path);
        return std::string(bytes.begin(), bytes.end());
    }
    TempDir dir;
};

TEST_F(Export, OneLinePerEntryInWindows1252) {
    ASSERT_TRUE(ExportListLines(dir / "EggMoves.txt"));
    const std::string text = Exported(dir / "EggMoves.txt");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), EggMoveEntryCount);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.rfind("Pok\xE9mon\n    Line\\nBreak\n\nSPECIES0\n", 0), 0u);
}

TEST_F(Export, SecondExportReplacesTheFirst) {
    const auto path = dir / "list.txt";
    WriteFileBytes(path, Bytes(100000, 'x'));
    ASSERT_TRUE(ExportListLines(path));
    const std::string first = Exported(path);
    ASSERT_TRUE(ExportListLines(path));
    EXPECT_EQ(Exported(path), first);
    EXPECT_EQ(first.find('x'), std::string::npos);
}

TEST_F(Export, UnwritablePlaceFailsQuietly) {
    EXPECT_FALSE(ExportListLines(dir / "no-such-folder" / "list.txt"));
    EXPECT_FALSE(ExportListLines(dir.path()));
}

}  // namespace
