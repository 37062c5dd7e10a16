#include "model/KantorDoc.h"

#include "model/DocumentHost.h"
#include "model/ReadableFile.h"

bool CKantorDoc::OnNewDocument()
{
    DeleteContents();
    return true;
}

bool CKantorDoc::OnOpenDocument(const std::string& strPath)
{
    std::string strReason;
    if (!IsReadableFile(strPath, strReason)) {
        if (m_pHost)
            m_pHost->ReportFileError(strPath, strReason);
        return false;
    }
    // Mend: a file without entities is refused with a reason, and the open
    // document stays, instead of an empty document behind the old views.
    if (!CheckEntityLine(strPath)) {
        if (m_pHost)
            m_pHost->ReportFileError(strPath, "No line begins with #: it holds no IFC entities");
        return false;
    }
    return LoadEntityFile(strPath);
}

void CKantorDoc::SetCurrentEntity(std::int32_t n, const void* pSender)
{
    if (n == m_nCurrentEntity)
        return;
    m_nCurrentEntity = n;
    if (m_pHost)
        m_pHost->UpdateAllViews(pSender);
}

void CKantorDoc::DeleteContents()
{
    // A report that has not reached its end gives the message pane back now,
    // or the next report would save the stale percentage as the text to
    // restore.
    RestoreSavedStatus();
    m_mapEntities.RemoveAll();
    m_mapInverse.Reset(0);
    m_nMaxEntity = 0;
    m_nCurrentEntity = 0;
    m_posInverse.reset();
    m_pProgress = nullptr;
    m_nProgressChars = 0;
    m_nInverseDone = 0;
    m_bInverseFailed = false;
    m_walk.Clear();
}

IProgressSink* CKantorDoc::GetStatusBar() const
{
    return m_pHost ? m_pHost->GetStatusBar() : nullptr;
}
