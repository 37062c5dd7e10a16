// Building the upper tree: one root item per entity number from 0 to the
// highest, with the status bar's progress bar stepped per 1000 numbers.
#include "views/KantorView.h"

#include "views/KantorDocument.h"

#include "model/DocumentHost.h"
#include "model/EntityStore.h"
#include "model/KantorDoc.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kNumbersPerProgressStep = 1000;

// The maps are sized for at least this many entries, as the document's are.
constexpr std::size_t kMapBuckets = 100001;

} // namespace

void CKantorView::BuildTree()
{
    CKantorDocument* pDocument = GetKantorDocument();
    if (!pDocument)
        return;
    CKantorDoc& doc = pDocument->GetKantorDoc();
    const CEntityStore& store = doc.GetEntityMap();
    const std::int32_t nMax = doc.GetMaxEntityNumber();
    const std::size_t nExpected = std::max(kMapBuckets, store.GetCount());
    m_mapEntityToItem.Attach(m_mapItemToEntity);
    m_mapEntityToItem.RemoveAll(nExpected, nMax);
    IProgressSink* pStatusBar = pDocument->GetStatusBar();
    if (pStatusBar) {
        pStatusBar->SetProgressText(res::LoadString(res::IDS_BUILDING_TREE));
        pStatusBar->ShowProgress(true);
        pStatusBar->SetRange32(0, nMax);
        pStatusBar->SetStep(kNumbersPerProgressStep);
    }

    m_hHotItem = nullptr;
    // The selection goes before the items, so that deleting them announces
    // no selection change.
    SelectCaret(nullptr);
    TreeView_DeleteAllItems(GetTreeHwnd());
    ReleaseLabelTexts();
    HoldLabelTexts(store);
    SetRedraw(FALSE);

    auto insertRoot = [&](std::int32_t n, std::string_view strText) {
        if (HTREEITEM hItem = InsertEntityItem(TVI_ROOT, n, strText)) {
            m_hLastRootItem = hItem;
            m_mapEntityToItem.SetAt(n, hItem);
        }
    };
    auto stepIt = [pStatusBar] {
        if (pStatusBar)
            pStatusBar->StepIt();
    };
    // Walking every number from 0 to the highest costs one lookup per
    // number; for sparse numbers the present ones are sorted instead, so
    // that a file with one entity #2000000000 does not take a minute. The
    // items and the progress steps are the same either way.
    const std::int64_t nNumbers = std::int64_t{nMax} + 1;
    // Out of memory the open fails (the template shows an empty document
    // instead); the tree is left drawing and the bar off on the way.
    struct BuildEnd {
        CKantorView* pView;
        IProgressSink* pStatusBar;
        ~BuildEnd()
        {
            if (pStatusBar)
                pStatusBar->ShowProgress(false);
            pView->SetRedraw(TRUE);
        }
    } buildEnd{this, pStatusBar};
    if (AreNumbersDense(nExpected, nMax)) {
        int nCount = 0;
        for (std::int64_t n = 0; n < nNumbers; ++n) {
            std::string_view strText;
            if (store.Lookup(static_cast<std::int32_t>(n), strText))
                insertRoot(static_cast<std::int32_t>(n), strText);
            if (++nCount == kNumbersPerProgressStep) {
                stepIt();
                nCount = 0;
            }
        }
    } else {
        std::vector<CEntityStore::Entry> aEntries;
        aEntries.reserve(store.GetCount());
        for (std::size_t i = 0; i < store.GetCount(); ++i)
            aEntries.push_back(store.GetAt(i));
        std::sort(
            aEntries.begin(), aEntries.end(),
            [](const CEntityStore::Entry& a, const CEntityStore::Entry& b) { return a.nNumber < b.nNumber; });
        for (const CEntityStore::Entry& entry : aEntries)
            insertRoot(entry.nNumber, entry.strText);
        for (std::int64_t nStep = 0; nStep < nNumbers / kNumbersPerProgressStep; ++nStep)
            stepIt();
    }

    if (TreeView_GetCount(GetTreeHwnd()) == 0)
        m_hLastRootItem = InsertItem(TVI_ROOT, res::LoadString(res::IDS_NO_DATA_READ));
    doc.ShowInverseProgress();
}
