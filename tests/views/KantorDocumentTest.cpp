// The document that binds the model to the framework: the status bar
// source, and updates that skip the sending view. (Files that cannot be
// opened: the application's tests of opening.)
#include "views/ViewsTest.h"

namespace {

const std::string kFile = "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n#1=A;\n#2=B(#1);\n";

class KantorDocumentTest : public ViewsTest { };

TEST_F(KantorDocumentTest, WithoutAStatusBarTheViewsStillBuild)
{
    m_pDocument->SetStatusBarSource([] { return nullptr; });
    m_statusBar.m_aProgressCalls.clear();
    ASSERT_TRUE(OpenText(kFile));
    EXPECT_EQ(TreeChildren(Upper()).size(), 3u);
    EXPECT_TRUE(m_statusBar.m_aProgressCalls.empty());
    m_pDocument->SetStatusBarSource(nullptr);
    ASSERT_TRUE(OpenText(kFile));
    EXPECT_EQ(TreeChildren(Upper()).size(), 3u);
}

TEST_F(KantorDocumentTest, TheSendingViewGetsNoUpdate)
{
    ASSERT_TRUE(OpenText(kFile));
    CompleteInverse();
    const HTREEITEM hHeader = TreeCaret(Upper());
    Doc().SetCurrentEntity(1, static_cast<const CView*>(m_pUpper));
    EXPECT_EQ(TreeCaret(Upper()), hHeader) << "the upper view sent it";
    EXPECT_EQ(TreeLabels(Lower()), Strings{"#2=B(#1);"});
    Doc().SetCurrentEntity(2, static_cast<const CView*>(m_pLower));
    EXPECT_EQ(TreeLabel(Upper(), TreeCaret(Upper())), "#2=B(#1);");
    EXPECT_EQ(TreeLabels(Lower()), Strings{"#2=B(#1);"}) << "the lower view sent it";
}

} // namespace
