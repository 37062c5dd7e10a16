// Line-by-line reading in text mode.
#include "framework/StdioFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> ReadAll(const std::string& bytes)
{
    CTempFolder dir;
    const std::string path = dir.Write("lines.txt", bytes);
    CStdioFile file;
    EXPECT_TRUE(file.Open(path)) << file.GetErrorText();
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadString(line))
        lines.push_back(line);
    EXPECT_EQ(file.GetPosition(), bytes.size());
    EXPECT_TRUE(file.GetErrorText().empty());
    return lines;
}

using Lines = std::vector<std::string>;

// Line feed and carriage return line feed end lines, a lone carriage return
// stays; empty files and empty lines.
TEST(StdioFile, LineEnds)
{
    const std::pair<const char*, Lines> cases[] = {
        {"a\nb\n", {"a", "b"}}, {"a\r\nb\r\n", {"a", "b"}}, {"a\rb\nc", {"a\rb", "c"}},
        {"a\r\r\n", {"a\r"}},   {"end\r", {"end\r"}},       {"", {}},
        {"\n", {""}},           {"\n\r\n\n", {"", "", ""}}, {"no end", {"no end"}}};
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(ReadAll(bytes), lines) << bytes;
}

TEST(StdioFile, LinesLongerThanAnyBufferAndLineEndsSplitAcrossReads)
{
    const std::string huge(300000, 'x');
    EXPECT_EQ(ReadAll(huge + "\r\n" + huge), (Lines{huge, huge}));
    // The CR of a CR LF falls at the end of one read and the LF at the
    // start of the next, wherever the reads are cut.
    for (size_t cut : {65535u, 65536u, 65537u}) {
        const std::string first(cut - 1, 'y');
        EXPECT_EQ(ReadAll(first + "\r\nz\n"), (Lines{first, "z"})) << cut;
    }
}

TEST(StdioFile, OpenFailuresSayWhy)
{
    CTempFolder dir;
    CStdioFile file;
    EXPECT_FALSE(file.Open((dir.GetPath() / "absent.txt").string()));
    EXPECT_EQ(file.GetErrorText(), "the file does not exist");
    EXPECT_FALSE(file.Open(dir.GetPath().string()));
    EXPECT_EQ(file.GetErrorText(), "it is a folder, not a file");
    std::string line;
    EXPECT_FALSE(file.ReadString(line));
}

} // namespace
