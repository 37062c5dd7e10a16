// CEntityTreeView: what the upper and the lower view share. Each shows one
// CEntityTreeCtrl over its whole client area and talks to it only through
// the tree-view messages and notifications. Shared here: creating the
// control, the item-to-entity map, unfolding an item into the entities its
// text refers to, and marking the item under the mouse pointer.
#pragma once

#include "views/EntityItemMaps.h"

#include "framework/Menu.h"
#include "framework/View.h"
#include "model/EntityNumberArray.h"
#include "platform/TreeViewMessages.h"
#include "treectrl/EntityTreeCtrl.h"

#include <cstddef>
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
    // Unfolds the item and expands it, as the keypad's + does.
    void ExpandItem(HTREEITEM hItem);

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

    // Keys the tree leaves unhandled or answers with a beep, taken before
    // they reach it: Home and End, the main keyboard's +, - and * as on the
    // number pad, * unfolding everything below the caret, # opening Go to.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // A key going down in the tree; true when the view took it.
    virtual bool OnTreeKey(UINT nKey);
    // Unfolds the item and everything below it, as deep as references go;
    // an entity is not unfolded again below itself, and no more than
    // kUnfoldAllLimit items are unfolded.
    static constexpr std::size_t kUnfoldAllLimit = 10000;
    void UnfoldAll(HTREEITEM hItem);

    // Copy and Copy Entity Name: the caret item's label, or its entity's
    // name (#123), to the clipboard.
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnCopyEntityName();
    void OnUpdateCopyEntityName(CCmdUI* pCmdUI);
    void CopyItemLabel(HTREEITEM hItem);
    void CopyItemEntityName(HTREEITEM hItem);

    // The context menu of a right click on an item (the tree's WM_CONTEXTMENU,
    // at a screen position).
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    // Shows the menu of the item at the screen position, if there is one, and
    // carries out the command chosen.
    virtual void ShowItemMenu(POINT ptScreen);
    // The menu's items for the item; a view adds its own.
    virtual std::vector<MenuItemDesc> ItemMenuItems(HTREEITEM hItem);
    virtual void OnItemMenuCommand(UINT nID, HTREEITEM hItem);

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
    void UnfoldBelow(HTREEITEM hItem, std::vector<std::int32_t>& path, std::size_t& nBudget);
    void SetBold(HTREEITEM hItem, bool bBold) const;
    void TrackLeave(DWORD dwFlags) const;

    // Labels are handed to the control zero-terminated; the entity texts
    // are not, so each is copied here first.
    std::string m_strInsertLabel;
    std::vector<char> m_aLabelBuffer = std::vector<char>(1024);
};
