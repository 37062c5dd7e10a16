// Running out of memory at every allocation in turn, across opening a file
// (its load and tree build), unfolding and search: each time the program gives one message and
// stays consistent: the operation happened whole or not at all, never a
// part of it shown as the whole, and nothing aborts. The allocations are
// those of the program's own code (see FailingAllocation.h). No device
// context stays live after a paint or a measurement that failed: it would
// keep its painter on the window, which would never paint again.
#include "app/AppTest.h"
#include "memory/FailingAllocation.h"

#include "platform/CommCtrl.h"
#include "platform/MessageLoop.h"
#include "platform/TestHooks.h"
#include "res/Resource.h"

#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

namespace fa = failingallocation;

const std::string kNoData = "Tree displaying IFC file - No data read";
const std::string kNotKnown = "Inverse references not known: there was not enough memory to compute them";

// The n to try for an operation that makes nCount allocations: each of the
// first 120, then 80 spread evenly over the rest, then one past the end.
std::vector<std::size_t> FailurePoints(std::size_t nCount)
{
    std::vector<std::size_t> aPoints;
    for (std::size_t n = 1; n <= std::min<std::size_t>(nCount, 120); ++n)
        aPoints.push_back(n);
    if (nCount > 120)
        for (std::size_t i = 1; i <= 80; ++i)
            aPoints.push_back(120 + (nCount - 120) * i / 80);
    aPoints.push_back(nCount + 1);
    return aPoints;
}

class OutOfMemoryTest : public AppTest {
protected:
    // Forty entities, each referring to a few others.
    std::string WriteFile()
    {
        std::string strContent = "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n";
        for (int n = 1; n <= 40; ++n)
            strContent += "#" + std::to_string(n) + "=IFCWALL('wall " + std::to_string(n) + "',#"
                + std::to_string(n % 7 + 1) + ",#" + std::to_string(n % 5 + 1) + ");\n";
        strContent += "ENDSEC;\nEND-ISO-10303-21;\n";
        return m_folder.Write("walls.ifc", strContent);
    }

    // A round for each failure point of an operation that made nCount
    // allocations, until one fails; no device context stays live after one.
    void ForEachFailure(std::size_t nCount, const std::function<void(std::size_t)>& round)
    {
        const std::size_t nDcs = LiveDcCount();
        for (std::size_t n : FailurePoints(nCount)) {
            SCOPED_TRACE("allocation " + std::to_string(n) + " of " + std::to_string(nCount));
            round(n);
            EXPECT_EQ(LiveDcCount(), nDcs);
            if (HasFailure())
                return;
        }
    }

    // Opens the file as File > Open does, from a message to the frame.
    void OpenByCommand(const std::string& strPath, std::size_t nFailAt = 0)
    {
        m_pApp->m_strPromptAnswer = strPath;
        fa::FailAt(nFailAt);
        Frame().SendMessage(WM_COMMAND, res::ID_FILE_OPEN, 0);
    }

    // The idle passes until the inverse computation is done, as the message
    // loop runs them; armed from inside the loop.
    void ComputeInverse(std::size_t nFailAt)
    {
        Frame().PostMessage(WM_NULL);
        QTimer::singleShot(0, [nFailAt] { fa::FailAt(nFailAt); });
        PumpUntil([this] { return Doc().GetInversePercent() == 100; }, 20000);
    }

    // A report waits for the next idle pass.
    void ExpectOneMemoryMessage(std::size_t n)
    {
        m_pApp->OnIdle(1);
        ASSERT_EQ(m_messages.size(), 1u)
            << "allocation " << n << ": " << ::testing::PrintToString(m_messages);
        EXPECT_NE(m_messages[0].find("memory"), std::string::npos) << m_messages[0];
    }

    // The labels that unfolding the entity's item gives.
    Strings ReferencedTexts(std::int32_t nEntity)
    {
        CEntityNumberArray references;
        CKantorDoc::ExtractReferences(*EntityText(Doc(), nEntity), references);
        Strings texts;
        for (std::int32_t r : references)
            texts.push_back(*EntityText(Doc(), r));
        return texts;
    }
};

TEST_F(OutOfMemoryTest, OpeningAFileHappensWholeOrNotAtAll)
{
    const std::string strPath = WriteFile();
    Start();
    OpenByCommand(strPath);
    const std::size_t nCount = fa::StopCounting();
    const Strings upper = TreeLabels(Upper());
    ASSERT_EQ(upper.size(), 41u);
    TearDown();
    ForEachFailure(nCount, [&](std::size_t n) {
        Start();
        m_messages.clear();
        OpenByCommand(strPath, n);
        fa::StopCounting();
        if (!fa::HasFailed()) {
            EXPECT_TRUE(m_messages.empty());
            EXPECT_EQ(TreeLabels(Upper()), upper);
        } else if (Document().GetPathName().empty()) {
            ExpectOneMemoryMessage(n);
            EXPECT_EQ(Frame().GetWindowText(), "Untitled - Lumenor") << n;
            EXPECT_EQ(TreeLabels(Upper()), Strings{kNoData}) << n;
        } else {
            // A failure that cost nothing shown (a message-pane text).
            EXPECT_LE(m_messages.size(), 1u) << n;
            EXPECT_EQ(TreeLabels(Upper()), upper) << n;
        }
        TearDown();
    });
}

TEST_F(OutOfMemoryTest, UnfoldingAddsAllReferencesOrNone)
{
    const std::string strPath = WriteFile();
    Start();
    OpenByCommand(strPath);
    ComputeInverse(0);
    fa::StopCounting();
    std::size_t nCount = 0;
    auto unfold = [&](std::int32_t nEntity, std::size_t nFailAt) {
        Doc().SetCurrentEntity(nEntity, nullptr);
        HTREEITEM hItem = TreeCaret(Upper());
        fa::FailAt(nFailAt);
        SendMessageA(Upper(), WM_KEYDOWN, VK_ADD, 0);
        nCount = fa::StopCounting();
        return TreeLabels(Upper(), hItem);
    };
    ASSERT_EQ(unfold(3, 0), ReferencedTexts(3));
    std::int32_t nEntity = 0;
    ForEachFailure(nCount, [&](std::size_t n) {
        nEntity = nEntity % 40 + 1;
        const Strings children = ReferencedTexts(nEntity);
        m_messages.clear();
        const Strings unfolded = unfold(nEntity, n);
        if (unfolded.empty()) {
            ExpectOneMemoryMessage(n);
            // Tried again with memory enough, it unfolds.
            SendMessageA(Upper(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(TreeCaret(Upper())));
            EXPECT_EQ(unfold(nEntity, 0), children) << n;
        } else {
            EXPECT_TRUE(m_messages.empty()) << n;
            EXPECT_EQ(unfolded, children) << n;
        }
        // Folded away again, without its children, for the next round.
        HTREEITEM hCaret = TreeCaret(Upper());
        SendMessageA(Upper(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(hCaret));
        for (HTREEITEM hChild : TreeChildren(Upper(), hCaret))
            SendMessageA(Upper(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hChild));
    });
}

TEST_F(OutOfMemoryTest, ASearchFindsOrLeavesTheSelection)
{
    const std::string strPath = WriteFile();
    Start();
    OpenByCommand(strPath);
    ComputeInverse(0);
    fa::StopCounting();
    CKantorView& upper = *Frame().GetUpperView();
    std::size_t nCount = 0;
    auto search = [&](std::size_t nFailAt) {
        Doc().SetCurrentEntity(1, nullptr);
        fa::FailAt(nFailAt);
        bool bDone = true;
        try {
            upper.SearchDown("'WALL 3'");
        } catch (const std::bad_alloc&) {
            bDone = false;
        }
        nCount = fa::StopCounting();
        return bDone;
    };
    ASSERT_TRUE(search(0));
    ASSERT_EQ(Doc().GetCurrentEntity(), 3);

    // Twelve walls refer to #3, two of them twice.
    Doc().SetCurrentEntity(3, nullptr);
    const Strings referrers = TreeLabels(Lower());
    ASSERT_EQ(referrers.size(), 14u);
    ForEachFailure(nCount, [&](std::size_t n) {
        const bool bDone = search(n);
        // Found, or not (the selection stays), or found with the lower tree
        // not refilled: it says that the referrers are not known.
        const std::int32_t nCurrent = Doc().GetCurrentEntity();
        EXPECT_TRUE(nCurrent == 3 || (!bDone && nCurrent == 1))
            << nCurrent << (bDone ? " found" : " failed");
        EXPECT_EQ(TreeLabel(Upper(), TreeCaret(Upper())), *EntityText(Doc(), nCurrent));
        if (nCurrent == 3) {
            const Strings lower = TreeLabels(Lower());
            EXPECT_TRUE(lower == referrers || (!bDone && lower == Strings{kNotKnown}))
                << ::testing::PrintToString(lower);
        }
    });
}

} // namespace
