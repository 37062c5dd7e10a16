// CKantorInverseView: the lower view. It lists the referrers of the
// document's current entity, one root item per entry of the document's
// referrer list, in its order; items unfold like the upper view's, and a
// right double click makes the clicked entity the current one.
#pragma once

#include "views/EntityTreeView.h"

#include <cstdint>

class CKantorInverseView : public CEntityTreeView {
public:
    CKantorInverseView() = default;

    void OnInitialUpdate() override;
    // Refills when the current entity is not the one shown.
    void OnUpdate(CView* pSender, LPARAM lHint, void* pHint) override;
    // Right double clicks on the tree are the view's; mouse moves and leaves
    // go to the view and the tree alike.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void FillInverseTree();
    void UnfoldItem(HTREEITEM hItem) override;
    // Navigation, at the point in the tree's client coordinates.
    void OnRButtonDblClk(UINT nFlags, POINT point) override;
    // Makes the item's entity the current one.
    void NavigateToItem(HTREEITEM hItem);
    // Enter navigates from the caret item, as a right double click does.
    bool OnTreeKey(UINT nKey) override;

    // A right click's menu waits for the double-click time: a second click
    // makes it a right double click, which navigates and shows no menu.
    static constexpr UINT_PTR kItemMenuTimer = 1;
    void ShowItemMenu(POINT ptScreen) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    std::vector<MenuItemDesc> ItemMenuItems(HTREEITEM hItem) override;
    void OnItemMenuCommand(UINT nID, HTREEITEM hItem) override;

    std::int32_t m_nShownEntity = 0;
    POINT m_ptItemMenu{};
    bool m_bItemMenuWaiting = false;
    // The button up of a right double click asks for a menu too.
    bool m_bSkipItemMenu = false;
};
