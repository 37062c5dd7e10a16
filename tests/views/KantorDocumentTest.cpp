// The document that binds the model to the framework: the status bar
// source. (Updates that skip the sending view: the framework's document
// tests and the upper view's unfolding; files that cannot be opened: the
// application's tests of opening.)
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

} // namespace
