// The document that binds the model to the framework: files that cannot be
// opened, the status bar source, and updates that skip the sending view.
#include "views/ViewsTest.h"

#include "platform/MessageLoop.h"
#include "res/Resource.h"
#include "res/StringTable.h"

namespace {

const std::string kFile = "ISO-10303-21;\nHEADER;\nENDSEC;\nDATA;\n#1=A;\n#2=B(#1);\n";

class KantorDocumentTest : public ViewsTest {
protected:
    void TearDown() override
    {
        SetMessageBoxHook(nullptr);
        ViewsTest::TearDown();
    }
};

TEST_F(KantorDocumentTest, AFileThatCannotBeOpenedIsReportedByTheFrameworkAndChangesNothing)
{
    ASSERT_TRUE(OpenText(kFile));
    std::vector<std::string> aMessages;
    SetMessageBoxHook([&](const std::string& strText, const std::string&, UINT) {
        aMessages.push_back(strText);
        return IDOK;
    });
    const std::string strMissing = (m_folder.GetPath() / "missing.ifc").string();
    EXPECT_FALSE(Open(strMissing));
    ASSERT_EQ(aMessages.size(), 1u);
    EXPECT_NE(aMessages[0].find(strMissing), std::string::npos) << aMessages[0];
    EXPECT_EQ(Doc().GetEntityMap().GetCount(), 3u) << "the document keeps the file it had";
    EXPECT_EQ(Children(Upper()).size(), 3u);

    EXPECT_FALSE(Open(m_folder.GetPath().string())) << "a folder";
    EXPECT_EQ(aMessages.size(), 2u);
}

TEST_F(KantorDocumentTest, WithoutAStatusBarTheViewsStillBuild)
{
    m_pDocument->SetStatusBarSource([] { return nullptr; });
    m_statusBar.m_aProgressCalls.clear();
    ASSERT_TRUE(OpenText(kFile));
    EXPECT_EQ(Children(Upper()).size(), 3u);
    EXPECT_TRUE(m_statusBar.m_aProgressCalls.empty());
    m_pDocument->SetStatusBarSource(nullptr);
    ASSERT_TRUE(OpenText(kFile));
    EXPECT_EQ(Children(Upper()).size(), 3u);
}

TEST_F(KantorDocumentTest, TheSendingViewGetsNoUpdate)
{
    ASSERT_TRUE(OpenText(kFile));
    CompleteInverse();
    const HTREEITEM hHeader = Caret(Upper());
    Doc().SetCurrentEntity(1, static_cast<const CView*>(m_pUpper));
    EXPECT_EQ(Caret(Upper()), hHeader) << "the upper view sent it";
    EXPECT_EQ(RootLabels(Lower()), Strings{"#2=B(#1);"});
    Doc().SetCurrentEntity(2, static_cast<const CView*>(m_pLower));
    EXPECT_EQ(Label(Upper(), Caret(Upper())), "#2=B(#1);");
    EXPECT_EQ(RootLabels(Lower()), Strings{"#2=B(#1);"}) << "the lower view sent it";
}

} // namespace
