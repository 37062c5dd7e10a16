// CEntityTreeView: what the upper and the lower view share. Each shows one
// CEntityTreeCtrl over its whole client area and talks to it only through
// the tree-view messages and notifications. Shared here: creating the
// control, the item-to-entity map, unfolding an item into the entities its
// text refers to, and marking the item under the mouse pointer.
#pragma once

#include "views/EntityItemMaps.h"

#include "framework/View.h"
#include "model/EntityNumberArray.h"
#include "platform/TreeViewMessages.h"
#include "treectrl/EntityTreeCtrl.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CEntityStore;
class CKantorDoc;
class CKantorDocument;

class CEntityTreeView : public CView {
public:
    // Control id of the tree in both views.
    static constexpr UINT kTreeCtrlId = 102;
    // The style of both trees: lines, no buttons, no label editing.
    static constexpr DWORD kTreeStyle =
        WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS;

    CKantorDocument* GetKantorDocument() const;
    // The model of the view's document; null while the view has none.
    CKantorDoc* GetKantorDoc() const;
    HWND GetTreeHwnd() const { return m_wndTree.GetSafeHwnd(); }

protected:
    // Under the wait cursor: the tree window, created once over the client area.
    void CreateTreeControl();

    LRESULT SendTree(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(m_wndTree.GetSafeHwnd(), msg, wParam, lParam);
    }
    // A new last child of hParent (TVI_ROOT for a root) with the label and
    // item parameter lParam (0: the label only). Throws std::bad_alloc when
    // the control has no memory for it.
    HTREEITEM InsertItem(HTREEITEM hParent, std::string_view strLabel, LPARAM lParam = 0);
    // A new last child labelled with the text of entity n from the store,
    // entered in m_mapItemToEntity under n. The control keeps the label by
    // reference: HoldLabelTexts(store) must have been called since the
    // items were last deleted.
    HTREEITEM InsertEntityItem(HTREEITEM hParent, std::int32_t n, std::string_view strText);
    // Keeps the store's texts alive for as long as the tree may show them.
    void HoldLabelTexts(const CEntityStore& store);
    // After all items are deleted: no label refers to a text any more.
    void ReleaseLabelTexts() { m_aLabelTexts.clear(); }
    HTREEITEM GetNextItem(HTREEITEM hItem, WPARAM nCode) const;
    void SelectCaret(HTREEITEM hItem) const;
    void SetRedraw(BOOL bRedraw) const;
    // The whole label of the item, valid until the next call.
    std::string_view GetItemLabel(HTREEITEM hItem);
    // The entity of an item the view inserted; 0 for any other item.
    std::int32_t EntityOfItem(HTREEITEM hItem) const;

    // Unfolding, in two halves so that a view can wrap the insertion: the
    // references of an item that has no children yet (false: nothing to
    // unfold), then one child per present, nonzero reference, in text order.
    bool CollectReferences(HTREEITEM hItem, CEntityNumberArray& arrReferences);
    // All or none: out of memory, the children inserted so far go again.
    void InsertReferencedEntities(HTREEITEM hItem, const CEntityNumberArray& arrReferences);
    void DeleteChildren(HTREEITEM hItem);
    virtual void UnfoldItem(HTREEITEM hItem) = 0;

    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;
    // The tree is all the user sees of the view: the keyboard goes to it.
    void OnSetFocus(HWND hOldWnd) override;
    // Hover marking: the mouse moves and leaves of the tree, posted to the
    // view by its pre-translation, in the tree's client coordinates.
    void OnMouseMove(UINT nFlags, POINT point) override;
    void OnMouseLeave() override;
    void OnItemExpanding(NMHDR* pNotifyStruct, LRESULT* pResult);
    void OnEndLabelEdit(NMHDR* pNotifyStruct, LRESULT* pResult);

    // The texts that the tree's labels are kept in, one per file shown
    // since the items were last deleted (declared before the tree, so that
    // they outlive it).
    std::vector<std::shared_ptr<const void>> m_aLabelTexts;
    CEntityTreeCtrl m_wndTree;
    CItemEntityMap m_mapItemToEntity;
    HTREEITEM m_hHotItem = nullptr;
    bool m_bTrackingLeave = false;

    DECLARE_MESSAGE_MAP()

private:
    void SetBold(HTREEITEM hItem, bool bBold) const;
    void TrackLeave(DWORD dwFlags) const;

    // Labels are handed to the control zero-terminated; the entity texts
    // are not, so each is copied here first.
    std::string m_strInsertLabel;
    std::vector<char> m_aLabelBuffer = std::vector<char>(1024);
};
