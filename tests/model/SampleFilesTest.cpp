// Every real sample file, loaded and indexed, compared with a plain scan of
// the same file written here without any of the document's machinery.
#include "support/SampleFiles.h"
#include "ModelTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace {

// A number of at most ten digits below 2^31, or nothing.
std::optional<std::int32_t> PlainNumber(const std::string& strDigits)
{
    const std::size_t nFirst = std::min(strDigits.find_first_not_of('0'), strDigits.size());
    if (strDigits.empty() || strDigits.size() - nFirst > 10)
        return std::nullopt;
    const long long nValue = strDigits.size() == nFirst ? 0 : std::stoll(strDigits.substr(nFirst));
    if (nValue > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(nValue);
}

std::string DigitsAt(const std::string& strText, std::size_t nPos)
{
    if (nPos >= strText.size())
        return {};
    std::size_t nEnd = nPos;
    while (nEnd < strText.size() && std::isdigit(static_cast<unsigned char>(strText[nEnd])))
        ++nEnd;
    return strText.substr(nPos, nEnd - nPos);
}

struct PlainScan {
    std::map<std::int32_t, std::string> mapTexts;
    std::vector<std::int32_t> aOrder;
    std::int32_t nMax = 0;
    std::map<std::int32_t, std::vector<std::int32_t>> mapReferrers;
};

PlainScan ScanPlainly(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    const std::string strFile((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> aLines;
    std::istringstream lines(strFile);
    for (std::string strLine; std::getline(lines, strLine);) {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        aLines.push_back(strLine);
    }

    PlainScan scan;
    std::vector<std::deque<std::int32_t>> aBuckets(100001);
    std::size_t nLine = 0;
    std::string strCurrent;
    while (nLine < aLines.size() && (aLines[nLine].empty() || aLines[nLine][0] != '#'))
        strCurrent += aLines[nLine++];
    std::int32_t nCurrent = 0;
    const auto store = [&] {
        if (!scan.mapTexts.count(nCurrent))
            aBuckets[(static_cast<std::uint32_t>(nCurrent) >> 4) % 100001].push_front(nCurrent);
        scan.mapTexts[nCurrent] = strCurrent;
    };
    for (; nLine < aLines.size(); ++nLine) {
        const std::string& strLine = aLines[nLine];
        const std::string strDigits = DigitsAt(strLine, 1);
        const std::size_t nAfter = strLine.find_first_not_of(" \t", 1 + strDigits.size());
        const std::optional<std::int32_t> n = PlainNumber(strDigits);
        if (n && nAfter != std::string::npos && strLine[nAfter] == '=') {
            store();
            strCurrent = strLine;
            nCurrent = *n;
            scan.nMax = std::max(scan.nMax, *n);
        } else {
            strCurrent += strLine;
        }
    }
    store();

    for (const std::deque<std::int32_t>& bucket : aBuckets)
        scan.aOrder.insert(scan.aOrder.end(), bucket.begin(), bucket.end());
    for (std::int32_t nReferrer : scan.aOrder) {
        const std::string& strText = scan.mapTexts[nReferrer];
        for (std::size_t nHash = strText.find('#', 1); nHash != std::string::npos;
             nHash = strText.find('#', nHash + 1)) {
            if (const std::optional<std::int32_t> n = PlainNumber(DigitsAt(strText, nHash + 1)))
                scan.mapReferrers[*n].push_back(nReferrer);
        }
    }
    return scan;
}

// One empty name stands for all when the samples are missing, so that the
// suite reports one skipped test instead of vanishing.
std::vector<std::string> SampleFilesOrNone()
{
    std::vector<std::string> aPaths = testsupport::SampleIfcFiles();
    if (aPaths.empty())
        aPaths.emplace_back();
    return aPaths;
}

TEST(SampleFilesTest, SamplesArePresent)
{
    SKIP_WITHOUT_SAMPLES();
    EXPECT_GE(testsupport::SampleIfcFiles().size(), 9u) << testsupport::SamplesDir();
}

class SampleFileTest : public ::testing::TestWithParam<std::string> { };

TEST_P(SampleFileTest, LoaderAndIndexMatchAPlainScan)
{
    SKIP_WITHOUT_SAMPLES();
    const PlainScan scan = ScanPlainly(GetParam());
    CKantorDoc doc;
    ASSERT_TRUE(doc.LoadEntityFile(GetParam()));

    EXPECT_EQ(doc.GetMaxEntityNumber(), scan.nMax);
    EXPECT_EQ(doc.GetEntityMap().GetCount(), scan.mapTexts.size());
    for (const auto& [n, strText] : scan.mapTexts)
        ASSERT_EQ(EntityText(doc, n), strText) << "entity " << n;
    EXPECT_EQ(scan.mapTexts.at(0).rfind("ISO-10303-21;HEADER;", 0), 0u) << scan.mapTexts.at(0);
    EXPECT_EQ(IterationOrder(doc), scan.aOrder);

    CompleteInverse(doc);
    for (const auto& [n, aReferrers] : scan.mapReferrers)
        ASSERT_EQ(Referrers(doc, n), aReferrers) << "referrers of " << n;
    for (std::int32_t n = 0; n <= scan.nMax + 16; ++n)
        ASSERT_TRUE(scan.mapReferrers.count(n) || Referrers(doc, n).empty()) << "referrers of " << n;
    EXPECT_FALSE(scan.mapReferrers.empty());
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleFileTest, ::testing::ValuesIn(SampleFilesOrNone()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             if (info.param.empty())
                                 return std::string("NoSamples");
                             std::string strName = std::filesystem::path(info.param).stem().string();
                             std::replace_if(
                                 strName.begin(), strName.end(),
                                 [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return strName;
                         });

} // namespace
