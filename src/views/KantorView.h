// CKantorView: the upper view. One root item per entity of the document in
// ascending entity number, each unfolding on demand into the entities its
// text refers to; the selected item's entity is the document's current
// entity. It also owns the search over its tree (Search, Search again).
#pragma once

#include "views/EntityTreeView.h"

#include <string>
#include <string_view>

class CKantorView : public CEntityTreeView {
public:
    CKantorView() = default;

    void OnInitialUpdate() override;
    // Selects the current entity's root item; sender and hint do not matter.
    void OnUpdate(CView* pSender, LPARAM lHint, void* pHint) override;
    // Mouse moves and leaves of the tree are the view's alone.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The search: found or not. The result is only of interest to tests.
    bool SearchDown(std::string_view strSearch);
    bool SearchUp(std::string_view strSearch);
    bool MatchItemText(std::string_view strLabel, std::string_view strSearch);

    HTREEITEM GetLastRootItem() const { return m_hLastRootItem; }

protected:
    // One root item per entity, the placeholder for an empty document.
    void BuildTree();
    void UnfoldItem(HTREEITEM hItem) override;
    void OnSelChanged(NMHDR* pNotifyStruct, LRESULT* pResult);

    void OnSearch();
    void OnSearchAgain();
    // Makes a found item's entity current, then selects the item.
    void SelectFoundItem(HTREEITEM hItem);

    HTREEITEM m_hLastRootItem = nullptr;
    bool m_bIgnoreCase = true;
    bool m_bSearchDown = true;
    std::string m_strSearch;
    CEntityItemMap m_mapEntityToItem;

    DECLARE_MESSAGE_MAP()

private:
    // Reused by MatchItemText, so that a search allocates nothing per item.
    std::string m_strMatchLabel;
    std::string m_strMatchSearch;
};
