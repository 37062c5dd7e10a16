// CKantorView: the upper view. One root item per entity of the document in
// ascending entity number, each unfolding on demand into the entities its
// text refers to; the selected item's entity is the document's current
// entity. It also owns the search over its tree (Search, Search again).
#pragma once

#include "views/EntityTreeView.h"

#include <cstdint>
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

    // The top row as a place keeps it (EntityPlace): the entity of the root
    // item at or above it and the rows between; -1 for a tree without an
    // entity's row.
    void GetTopRow(std::int32_t& nTopEntity, int& nRowsBelow);
    // Scrolls that row to the top, as far as the tree allows: below its root
    // only as far as the root's unfolded items reach; a root that is not
    // there leaves the tree as it is.
    void SetTopRow(std::int32_t nTopEntity, int nRowsBelow);

protected:
    // One root item per entity, the placeholder for an empty document.
    void BuildTree();
    void UnfoldItem(HTREEITEM hItem) override;
    void OnSelChanged(NMHDR* pNotifyStruct, LRESULT* pResult);
    // A left click at the point, about to reach the tree: a jump when it
    // selects an item of another entity.
    void NoteClickJump(POINT point);

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
