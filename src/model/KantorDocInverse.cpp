#include "model/KantorDoc.h"

#include "model/DocumentHost.h"
#include "model/ReferenceScan.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <new>

namespace {

// Bounds the time between two messages while the index is built.
constexpr int kEntitiesPerSlice = 1000;

} // namespace

void CKantorDoc::ExtractReferences(std::string_view strText, CEntityNumberArray& arrReferences)
{
    arrReferences.RemoveAll();
    ForEachReference(strText, [&](std::int32_t n) { arrReferences.Add(n); });
}

bool CKantorDoc::ComputeInverseStep()
{
    try {
        for (int i = 0; i < kEntitiesPerSlice && m_posInverse; ++i) {
            const CEntityStore::Entry entry = m_mapEntities.GetAt(*m_posInverse);
            if (++*m_posInverse == m_mapEntities.GetCount())
                m_posInverse.reset();
            ForEachReference(entry.strText, [&](std::int32_t n) { m_mapInverse.Add(n, entry.nNumber); });
            ++m_nInverseDone;
        }
    } catch (const std::bad_alloc&) {
        // Lists that lack referrers must not be shown as if complete: the
        // index goes, and with it the memory it held.
        m_mapInverse.Reset(0);
        m_posInverse.reset();
        m_bInverseFailed = true;
        RestoreSavedStatus();
        if (m_pHost)
            m_pHost->ReportOutOfMemory();
        return false;
    }
    if (m_posInverse) {
        SetMessageText(res::FormatString(res::IDS_INVERSE_PROGRESS, GetInversePercent()));
        return true;
    }
    RestoreSavedStatus();
    return false;
}

int CKantorDoc::GetInversePercent() const
{
    if (!m_posInverse)
        return 100;
    return static_cast<int>(static_cast<double>(m_nInverseDone) * 100.0
                            / static_cast<double>(m_mapEntities.GetCount()));
}

void CKantorDoc::ShowInverseProgress()
{
    IProgressSink* pStatusBar = GetStatusBar();
    if (!pStatusBar)
        return;
    // A report that has not given the pane back yet keeps the text it saved:
    // that text, not the report, is the one to restore.
    if (!m_bReportShown)
        m_strSavedStatus = pStatusBar->GetMessageText();
    m_bReportShown = true;
    SetMessageText(res::FormatString(res::IDS_INVERSE_PROGRESS, GetInversePercent()));
}

void CKantorDoc::GetInverseReferences(std::int32_t n, CEntityNumberArray& arrReferrers) const
{
    arrReferrers.RemoveAll();
    for (std::int32_t nReferrer : m_mapInverse.Lookup(n))
        arrReferrers.Add(nReferrer);
}

std::size_t CKantorDoc::GetReferrerCount(std::int32_t n) const
{
    // An entity's references are scanned together, so the repeats of one
    // referrer stand next to each other in the list.
    std::size_t nCount = 0;
    const std::int32_t* pPrevious = nullptr;
    for (const std::int32_t& r : m_mapInverse.Lookup(n)) {
        if (!pPrevious || r != *pPrevious)
            ++nCount;
        pPrevious = &r;
    }
    return nCount;
}

void CKantorDoc::SetMessageText(const std::string& strText) const
{
    // The computation writes the pane after every slice and, once finished,
    // on every idle pass; an unchanged text must not repaint the pane.
    IProgressSink* pStatusBar = GetStatusBar();
    if (pStatusBar && pStatusBar->GetMessageText() != strText)
        pStatusBar->SetMessageText(strText);
}

void CKantorDoc::RestoreSavedStatus()
{
    // The pane is given back once; after that it belongs to the frame again,
    // so that menu and toolbar prompts shown between idle passes stay.
    if (!m_bReportShown)
        return;
    m_bReportShown = false;
    if (!m_strSavedStatus.empty())
        SetMessageText(m_strSavedStatus);
}
