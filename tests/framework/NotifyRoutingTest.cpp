// WM_NOTIFY: the parent's message map binds a handler to the notification
// code and the control id; the handler's result is the message's result.
#include "framework/Rect.h"
#include "framework/Wnd.h"
#include "platform/CommCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kTree = 7;
constexpr UINT kOther = 8;

class NotifyParent : public CWnd {
public:
    NotifyParent() { CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100), nullptr, 0); }

    std::vector<std::string> calls;

protected:
    void OnSelChanged(NMHDR* hdr, LRESULT* pResult)
    {
        calls.push_back("selchanged " + std::to_string(hdr->idFrom));
        *pResult = 0;
    }
    void OnEndLabelEdit(NMHDR*, LRESULT* pResult)
    {
        calls.push_back("endlabeledit");
        *pResult = 1;
    }
    void OnOtherSelChanged(NMHDR*, LRESULT* pResult)
    {
        calls.push_back("other selchanged");
        *pResult = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NotifyParent, CWnd)
ON_NOTIFY(TVN_SELCHANGED, kTree, &NotifyParent::OnSelChanged)
ON_NOTIFY(TVN_ENDLABELEDIT, kTree, &NotifyParent::OnEndLabelEdit)
ON_NOTIFY(TVN_SELCHANGED, kOther, &NotifyParent::OnOtherSelChanged)
END_MESSAGE_MAP()

// A derived class adds its own entries in front of the base class's.
class DerivedParent : public NotifyParent {
protected:
    void OnSelChangedFirst(NMHDR*, LRESULT* pResult)
    {
        calls.push_back("derived selchanged");
        *pResult = 9;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedParent, NotifyParent)
ON_NOTIFY(TVN_SELCHANGED, kTree, &DerivedParent::OnSelChangedFirst)
END_MESSAGE_MAP()

LRESULT Notify(CWnd& parent, UINT code, UINT id)
{
    NMTREEVIEW nm;
    nm.hdr.code = code;
    nm.hdr.idFrom = id;
    return parent.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&nm));
}

TEST(NotifyRouting, HandlerIsChosenByCodeAndControlIdAndItsResultReturned)
{
    NotifyParent parent;
    EXPECT_EQ(Notify(parent, TVN_ENDLABELEDIT, kTree), 1);
    EXPECT_EQ(Notify(parent, TVN_SELCHANGED, kOther), 5);
    EXPECT_EQ(Notify(parent, TVN_SELCHANGED, kTree), 0);
    EXPECT_EQ(Notify(parent, TVN_ENDLABELEDIT, kOther), 0) << "unbound: no handler, 0";
    EXPECT_EQ(Notify(parent, TVN_ITEMEXPANDING, kTree), 0);
    EXPECT_EQ(parent.calls, (std::vector<std::string>{"endlabeledit", "other selchanged", "selchanged 7"}));
}

TEST(NotifyRouting, DerivedMapEntriesComeBeforeTheBaseMap)
{
    DerivedParent parent;
    EXPECT_EQ(Notify(parent, TVN_SELCHANGED, kTree), 9);
    EXPECT_EQ(Notify(parent, TVN_ENDLABELEDIT, kTree), 1);
    EXPECT_EQ(parent.calls, (std::vector<std::string>{"derived selchanged", "endlabeledit"}));
}

} // namespace
