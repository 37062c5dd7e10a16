// Label editing by real input: Qt key and mouse events on the window reach
// the edit's procedure through the platform's event bridge, so these catch
// what the messages alone cannot (characters typed into the editor, the
// click-on-caret timer).
#include "treectrl/TreeTestSupport.h"

#include "platform/MessageLoop.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QWindow>

namespace {

using Codes = std::vector<UINT>;

class LabelEditInputTest : public TreeTest {
protected:
    void SetUp() override
    {
        TreeTest::SetUp();
        CreateTree(kViewStyle | TVS_EDITLABELS);
        window = ExposedWindow();
        ASSERT_NE(window, nullptr);
        items = InsertMany(nullptr, 5, "item");
        edit = Data()->m_hwndEdit;
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        testsupport::ProcessEvents();
        parent.dispAnswer = [](const NMTVDISPINFO& nm) { return LRESULT(nm.hdr.code == TVN_ENDLABELEDITA); };
        parent.Clear();
    }
    // An edit of items[1] with this typed (QTest has no keyClicks for a
    // QWindow).
    void EditTyping(const char* text)
    {
        EditLabel(items[1]);
        for (const char* c = text; *c; ++c)
            QTest::keyClick(window, *c);
        parent.Clear();
    }

    QWindow* window = nullptr;
    std::vector<HTREEITEM> items;
    HWND edit = nullptr;
};

TEST_F(LabelEditInputTest, AClickOnTheCaretLabelBeginsAnEditWhenNoDoubleClickFollows)
{
    SetFocus(hwnd);
    Select(items[1]);
    parent.Clear();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, At(2, 16 + 5));
    ASSERT_TRUE(PumpUntil([this] { return EditControl() != nullptr; }, 5000));
    EXPECT_EQ(parent.Codes(), (Codes{TVN_BEGINLABELEDITA, TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    EXPECT_EQ(parent.dispNotices[0].info.item.hItem, items[1]);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(LabelEditInputTest, TypedTextReplacesTheLabelOnEnterAndEscapeCancels)
{
    EditTyping("new");
    QTest::keyClick(window, Qt::Key_Escape);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_ENDLABELEDITA}));
    EXPECT_EQ(parent.dispNotices[0].info.item.pszText, nullptr);
    EXPECT_EQ(Text(items[1]), "item1");
    EXPECT_EQ(EditControl(), nullptr);

    EditTyping("new");
    EXPECT_EQ(GetWindowTextString(edit), "new") << "the typed text replaces the selected label";
    QTest::keyClick(window, Qt::Key_Return);
    ASSERT_EQ(parent.Codes(), (Codes{TVN_ENDLABELEDITA}));
    EXPECT_EQ(parent.dispNotices[0].text, "new");
    EXPECT_EQ(Text(items[1]), "new");
    EXPECT_EQ(EditControl(), nullptr);
}

} // namespace
