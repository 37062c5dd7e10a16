// Every real sample file, loaded and indexed, compared with a plain scan of
// the same file without any of the document's machinery.
#include "support/SampleFiles.h"
#include "ModelTestFiles.h"
#include "fuzz/PlainReading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace {

struct PlainScan {
    std::map<std::int32_t, std::string> mapTexts;
    std::vector<std::int32_t> aOrder;
    std::int32_t nMax = 0;
    std::map<std::int32_t, std::vector<std::int32_t>> mapReferrers;
};

// The file's texts by the plain reading the fuzz targets use, put in the
// store's order (buckets of number >> 4, the latest first given first).
PlainScan ScanPlainly(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    const std::string strFile((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const plain::File plainFile = plain::ReadFile(strFile);
    PlainScan scan;
    scan.nMax = plainFile.maxNumber;
    std::vector<std::deque<std::int32_t>> aBuckets(100001);
    for (const auto& [n, strText] : plainFile.texts) {
        if (!scan.mapTexts.count(n))
            aBuckets[(static_cast<std::uint32_t>(n) >> 4) % 100001].push_front(n);
        scan.mapTexts[n] = strText;
    }
    for (const std::deque<std::int32_t>& bucket : aBuckets)
        scan.aOrder.insert(scan.aOrder.end(), bucket.begin(), bucket.end());
    for (std::int32_t nReferrer : scan.aOrder)
        for (std::int32_t n : plain::References(scan.mapTexts[nReferrer]))
            scan.mapReferrers[n].push_back(nReferrer);
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
