#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DiskTextFileReader.h"
#include "TempFolder.h"

namespace orvel {
namespace {

using testing_support::TempFolder;

std::vector<std::string> ReadAll(const std::string& bytes) {
    TempFolder folder;
    const auto file = folder.Write("lines.txt", bytes);
    DiskTextFileReader reader;
    reader.Open(file);
    std::vector<std::string> lines;
    while (!reader.AtEnd()) {
        lines.emplace_back(reader.ReadLine());
    }
    reader.Close();
    return lines;
}

struct LineEndCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class DiskTextFileReaderLines : public testing::TestWithParam<LineEndCase> {};

TEST_P(DiskTextFileReaderLines, SplitsAtEveryLineEnd) {
    EXPECT_EQ(ReadAll(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, DiskTextFileReaderLines,
    testing::Values(
        LineEndCase{"Empty", "", {}}, LineEndCase{"NoFinalLineEnd", "a\nb", {"a", "b"}},
        LineEndCase{"FinalLfAddsNoLine", "a\nb\n", {"a", "b"}},
        LineEndCase{"CrLf", "a\r\nb\r\n", {"a", "b"}}, LineEndCase{"LoneCr", "a\rb\r", {"a", "b"}},
        LineEndCase{"Mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        LineEndCase{"EmptyLinesKept", "\n\r\n\r", {"", "", ""}},
        LineEndCase{"CrThenLfIsOneEnd", "a\r\n\nb", {"a", "", "b"}},
        LineEndCase{"LfThenCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
        LineEndCase{"NulAndInvalidUtf8Kept",
                    std::string("a\0b\xff\xfe,\xc3\n", 8),
                    {std::string("a\0b\xff\xfe,\xc3", 7)}},
        LineEndCase{"ByteOrderMarkIsPartOfLineOne", "\xEF\xBB\xBFh\nx", {"\xEF\xBB\xBFh", "x"}}),
    [](const testing::TestParamInfo<LineEndCase>& info) { return info.param.name; });

TEST(DiskTextFileReader, LinesLongerThanOneBlockAndCrLfAcrossBlocks) {
    // The reader fills 1 MiB blocks: put a CR as the block's last byte and its
    // LF as the next block's first, and a line that spans several blocks.
    const std::size_t block = 1 << 20;
    std::string first(block - 1, 'x');
    std::string longLine(3 * block + 17, 'y');
    const auto lines = ReadAll(first + "\r\n" + longLine + "\r\nz");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1], longLine);
    EXPECT_EQ(lines[2], "z");

    // A spanning line ending in a CR whose LF opens the following block, and
    // a CR that is the last byte of a block with no LF after it.
    const std::string spanning(2 * block - 6, 's');  // its CR is block 2's last byte
    const auto crossing = ReadAll("ab\n" + spanning + "cd\r\nnext");
    ASSERT_EQ(crossing.size(), 3u);
    EXPECT_EQ(crossing[1], spanning + "cd");
    EXPECT_EQ(crossing[2], "next");
    const auto emptyAfterCrLf = ReadAll(std::string(block - 2, 'e') + "\r\n\nz");
    ASSERT_EQ(emptyAfterCrLf.size(), 3u);
    EXPECT_EQ(emptyAfterCrLf[1], "");
    const auto loneCr = ReadAll(first + "\rz\n");
    ASSERT_EQ(loneCr.size(), 2u);
    EXPECT_EQ(loneCr[1], "z");
}

TEST(DiskTextFileReader, FailuresAreInputOutputErrors) {
    TempFolder folder;
    DiskTextFileReader reader;
    EXPECT_FALSE(reader.Exists(folder.Path() / "absent"));
    EXPECT_THROW(reader.Open(folder.Path() / "absent"), TIOError);
    std::filesystem::create_directory(folder.Path() / "a folder");
    EXPECT_TRUE(reader.Exists(folder.Path() / "a folder"));
    EXPECT_THROW(reader.Open(folder.Path() / "a folder"), TIOError);
    EXPECT_TRUE(reader.AtEnd());
}

}  // namespace
}  // namespace orvel
