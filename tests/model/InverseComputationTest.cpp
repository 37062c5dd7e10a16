// Building the inverse index in slices: lists and their order, percentages in
// the message pane, the restore of the saved text, abandoned computations.
#include "FakeDocumentHost.h"
#include "ModelTestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::string kReady = "Ready";

std::string Progress(int nPercent)
{
    return "Calculate inverse relationships (Progress : " + std::to_string(nPercent) + "  %)";
}

// A header entry and entities 1 .. nCount - 1, each referring to nTarget.
std::string EntitiesReferringTo(std::int32_t nCount, std::int32_t nTarget)
{
    std::string strFile = "HEAD;\n";
    for (std::int32_t n = 1; n < nCount; ++n)
        strFile += "#" + std::to_string(n) + "=A(#" + std::to_string(nTarget) + ");\n";
    return strFile;
}

class InverseComputationTest : public ::testing::Test {
protected:
    InverseComputationTest()
    {
        m_doc.SetHost(&m_host);
        m_host.m_statusBar.m_strMessage = kReady;
    }

    void Load(const std::string& strContent)
    {
        ASSERT_TRUE(m_doc.LoadEntityFile(m_folder.Write("inverse.ifc", strContent)));
    }
    CFakeStatusBar& StatusBar() { return m_host.m_statusBar; }

    CTempFolder m_folder;
    CFakeDocumentHost m_host;
    CKantorDoc m_doc;
};

TEST_F(InverseComputationTest, ListsFollowTheStoreOrder)
{
    Load("#5=A(#6,#7,#6);\n#6=B;\n#7=C(#8,#99);\n#8=A(#8);\n");
    CompleteInverse(m_doc);
    // The store visits 8 before 7 (same bucket, newest first); a number
    // without an entity (99) is indexed all the same.
    EXPECT_EQ(
        (std::vector{Referrers(m_doc, 6), Referrers(m_doc, 7), Referrers(m_doc, 8), Referrers(m_doc, 99)}),
        (std::vector<std::vector<std::int32_t>>{{5, 5}, {5}, {8, 7}, {7}}));
    CEntityNumberArray arr;
    m_doc.GetInverseReferences(6, arr);
    m_doc.GetInverseReferences(5, arr);
    EXPECT_TRUE(arr.IsEmpty());
}

// Slices of 1000 entries, the pane's percentage after each; only the
// referrers scanned so far are visible.
TEST_F(InverseComputationTest, EntriesAreIndexedInSlicesOfAThousand)
{
    const struct {
        std::int32_t nEntries;
        std::vector<std::string> aWrites;
    } cases[] = {
        {2500, {Progress(0), Progress(40), Progress(80), kReady}},
        {1000, {Progress(0), kReady}},
    };
    for (const auto& c : cases) {
        StatusBar().m_aMessageWrites.clear();
        Load(EntitiesReferringTo(c.nEntries, 1));
        EXPECT_EQ(m_doc.GetInversePercent(), 0);
        m_doc.ShowInverseProgress();
        std::size_t nSlices = 1;
        while (m_doc.ComputeInverseStep()) {
            EXPECT_EQ(Referrers(m_doc, 1).size(), 1000 * nSlices - 1) << c.nEntries;
            ++nSlices;
        }
        EXPECT_EQ(m_doc.GetInversePercent(), 100);
        EXPECT_EQ(Referrers(m_doc, 1).size(), static_cast<std::size_t>(c.nEntries - 1));
        EXPECT_EQ(StatusBar().m_aMessageWrites, c.aWrites) << c.nEntries;
    }
}

TEST_F(InverseComputationTest, EmptyPaneAtTheStartIsNotRestored)
{
    StatusBar().m_strMessage.clear();
    Load(EntitiesReferringTo(1500, 1));
    m_doc.ShowInverseProgress();
    EXPECT_TRUE(m_doc.ComputeInverseStep());
    EXPECT_FALSE(m_doc.ComputeInverseStep());
    EXPECT_EQ(StatusBar().m_strMessage, Progress(66));
}

// Mend: the saved text is given back once. Later idle passes neither
// repaint the pane nor overwrite a menu or toolbar prompt shown meanwhile.
TEST_F(InverseComputationTest, FinishedStepsGiveThePaneBackOnce)
{
    Load(EntitiesReferringTo(10, 1));
    m_doc.ShowInverseProgress();
    EXPECT_FALSE(m_doc.ComputeInverseStep());
    EXPECT_EQ(StatusBar().m_strMessage, kReady);
    const std::size_t nWrites = StatusBar().m_aMessageWrites.size();
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(m_doc.ComputeInverseStep());
    EXPECT_EQ(StatusBar().m_aMessageWrites.size(), nWrites);

    StatusBar().m_strMessage = "Open an IFC file.";
    EXPECT_FALSE(m_doc.ComputeInverseStep());
    EXPECT_EQ(StatusBar().m_strMessage, "Open an IFC file.");
    // Nor does a new document and its idle steps.
    ASSERT_TRUE(m_doc.OnNewDocument());
    EXPECT_FALSE(m_doc.ComputeInverseStep());
    EXPECT_EQ(StatusBar().m_strMessage, "Open an IFC file.");
}

// The empty document's report is complete at once. A file opened in the
// idle pass that would end it, and a report shown again over an unfinished
// one: the text restored is the one from before them all.
TEST_F(InverseComputationTest, ProgressInTheEmptyDocumentAndAReportOverAnUnfinishedOne)
{
    EXPECT_EQ(m_doc.GetInversePercent(), 100);
    m_doc.ShowInverseProgress();
    EXPECT_EQ(StatusBar().m_strMessage, Progress(100));
    EXPECT_FALSE(m_doc.ComputeInverseStep());
    EXPECT_EQ(StatusBar().m_strMessage, kReady);

    m_doc.ShowInverseProgress();
    Load(EntitiesReferringTo(10, 1));
    m_doc.ShowInverseProgress();
    m_doc.ShowInverseProgress();
    EXPECT_EQ(StatusBar().m_strMessage, Progress(0));
    EXPECT_FALSE(m_doc.ComputeInverseStep());
    EXPECT_EQ(StatusBar().m_strMessage, kReady);
}

// A load or a new document in the middle of a computation abandons it; the
// old report ends with it, so a new one saves the old text.
TEST_F(InverseComputationTest, LoadOrNewDocumentInTheMiddleAbandonsTheComputation)
{
    for (const bool bLoad : {true, false}) {
        Load(EntitiesReferringTo(2500, 1));
        m_doc.ShowInverseProgress();
        ASSERT_TRUE(m_doc.ComputeInverseStep());
        if (bLoad)
            Load(EntitiesReferringTo(1500, 2));
        else
            ASSERT_TRUE(m_doc.OnNewDocument());
        EXPECT_EQ(StatusBar().m_strMessage, kReady) << bLoad;
        EXPECT_EQ(m_doc.GetInversePercent(), bLoad ? 0 : 100) << bLoad;
        m_doc.ShowInverseProgress();
        CompleteInverse(m_doc);
        EXPECT_THAT(Referrers(m_doc, 1), IsEmpty()) << bLoad;
        const std::vector<std::int32_t> aReferrers = Referrers(m_doc, 2);
        EXPECT_EQ(std::set<std::int32_t>(aReferrers.begin(), aReferrers.end()).size(), bLoad ? 1499u : 0u);
        EXPECT_EQ(aReferrers.size(), bLoad ? 1499u : 0u);
        EXPECT_EQ(StatusBar().m_strMessage, kReady) << bLoad;
    }
}

} // namespace
