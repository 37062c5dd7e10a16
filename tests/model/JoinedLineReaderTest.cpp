// Block reading with lines joined in place: lines across block boundaries, a
// CR LF split between two blocks, and a buffer that must grow because the
// file is longer than expected.
#include "model/JoinedLineReader.h"
#include "ModelTestFiles.h"
#include "model/PlainTextSource.h"

#include <gtest/gtest.h>

namespace {

struct ReadResult {
    std::vector<std::string> aLines;
    std::string strJoined;
};

ReadResult ReadWithHint(const std::string& strPath, std::size_t nSizeHint)
{
    ReadResult result;
    std::unique_ptr<ITextSource> pSource = CPlainTextSource::Open(strPath);
    EXPECT_NE(pSource, nullptr);
    CJoinedLineReader reader(*pSource, nSizeHint);
    std::size_t nExpectedStart = 0;
    EXPECT_TRUE(reader.ReadLines([&](std::size_t nStart, std::string_view strLine) {
        EXPECT_EQ(nStart, nExpectedStart);
        nExpectedStart += strLine.size();
        result.aLines.emplace_back(strLine);
    }));
    result.strJoined.assign(reader.GetText(), reader.GetLength());
    return result;
}

TEST(JoinedLineReaderTest, SplitsAndJoinsAcrossBlocksWhateverTheSizeHint)
{
    constexpr std::size_t kBlock = std::size_t{1} << 20;
    // The CR of a CR LF ends the first block, its LF starts the second.
    std::string strFirst(kBlock - 1, 'a');
    std::string strSecond(2 * kBlock + 5, 'b');
    const std::string strFile = strFirst + "\r\n" + "x\ry\n" + strSecond + "\n\n" + "last";
    CTempFolder folder;
    const std::string strPath = folder.Write("blocks.ifc", strFile);

    const std::vector<std::string> aExpected = {strFirst, "x\ry", strSecond, "", "last"};
    for (std::size_t nHint : {strFile.size(), std::size_t{0}, std::size_t{1000}}) {
        const ReadResult result = ReadWithHint(strPath, nHint);
        EXPECT_EQ(result.aLines, aExpected) << "size hint " << nHint;
        EXPECT_EQ(result.strJoined, strFirst + "x\ry" + strSecond + "last") << "size hint " << nHint;
    }
}

} // namespace
