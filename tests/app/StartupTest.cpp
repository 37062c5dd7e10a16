// Start-up and idle processing of the real program: the window comes first,
// a file named on the command line is opened on the first idle pass, and
// the inverse computation advances in the idle passes after it.
#include "app/AppTest.h"

#include "res/Resource.h"
#include "res/StringTable.h"

#include <gmock/gmock.h>

namespace {

const std::string kNoData = "Tree displaying IFC file - No data read";
const std::string kNoEntity =
    "Tree displaying inverse references to selected entity in IFC file tree - No entity selected";

class StartupTest : public AppTest { };

// The window comes first, with the empty document; the first idle pass
// loads with progress, the later ones compute the inverse references.
TEST_F(StartupTest, TheWindowComesFirstThenIdlePassesLoadAndComputeTheInverseReferences)
{
    SKIP_WITHOUT_SAMPLES();
    Start({SamplePath("duplex.ifc")});
    // (The window with the empty document, then "Loading" with a growing
    // bar and "Building tree structure", are grabbed end to end.)
    EXPECT_TRUE(m_pApp->IsDeferredOpenPending());
    EXPECT_EQ(TreeLabels(Lower()), Strings{kNoEntity});
    // The first pass opens the file, builds the tree and runs one slice.
    EXPECT_TRUE(m_pApp->OnIdle(0));
    EXPECT_FALSE(m_pApp->IsDeferredOpenPending());
    EXPECT_EQ(Frame().GetWindowText(), "duplex.ifc - Lumenor");
    EXPECT_FALSE(Frame().GetStatusBar()->IsProgressMode());
    EXPECT_EQ(TreeLabels(Upper()).size(), Doc().GetEntityMap().GetCount());
    // The header item is selected.
    EXPECT_EQ(TreeCaret(Upper()), TreeChildren(Upper()).front());

    const int nFirst = Doc().GetInversePercent();
    EXPECT_LT(nFirst, 100);
    EXPECT_EQ(MessagePane(), res::FormatString(res::IDS_INVERSE_PROGRESS, nFirst));
    long nPass = 1;
    while (m_pApp->OnIdle(nPass))
        ++nPass;
    // duplex.ifc has 38,898 entities: 39 slices of 1000, one per pass.
    EXPECT_EQ(nPass + 1, 39);
    EXPECT_EQ(Doc().GetInversePercent(), 100);
    EXPECT_EQ(MessagePane(), "Ready");
    EXPECT_FALSE(m_pApp->OnIdle(nPass + 1));
    EXPECT_TRUE(m_messages.empty());
}

// Without a file, or with one that is missing (reported once), the empty
// document stays and idle asks for no more passes.
TEST_F(StartupTest, WithoutAFileOrWithAMissingOneTheEmptyDocumentStays)
{
    const std::string strMissing = m_folder.GetPath().string() + "/missing.ifc";
    for (const Strings& args : {Strings{}, Strings{strMissing}}) {
        Start(args);
        EXPECT_FALSE(m_pApp->OnIdle(0));
        EXPECT_FALSE(m_pApp->OnIdle(1));
        EXPECT_FALSE(m_pApp->IsDeferredOpenPending());
        EXPECT_EQ(MessagePane(), "Ready");
        EXPECT_EQ(Frame().GetWindowText(), "Untitled - Lumenor");
        EXPECT_EQ(TreeLabels(Upper()), Strings{kNoData});
        TearDown();
    }
    using namespace ::testing;
    EXPECT_THAT(m_messages, ElementsAre(AllOf(HasSubstr(strMissing), HasSubstr("does not exist"))));
}

} // namespace
