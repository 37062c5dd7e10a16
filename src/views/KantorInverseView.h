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

    std::int32_t m_nShownEntity = 0;
};
