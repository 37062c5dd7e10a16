#include "views/KantorDocument.h"

#include "views/FileSummaryDlg.h"
#include "views/GotoEntityDlg.h"
#include "views/KantorView.h"

#include "compressed/FileTextSource.h"
#include "framework/DocTemplate.h"
#include "framework/FileOpenError.h"
#include "framework/MemoryFailure.h"
#include "framework/View.h"
#include "model/FileSummary.h"
#include "res/Resource.h"

BEGIN_MESSAGE_MAP(CKantorDocument, CDocument)
ON_COMMAND(res::ID_GOTO_ENTITY, &CKantorDocument::OnGoToEntity)
ON_COMMAND(res::ID_NAVIGATE_BACK, &CKantorDocument::OnNavigateBack)
ON_COMMAND(res::ID_NAVIGATE_FORWARD, &CKantorDocument::OnNavigateForward)
ON_COMMAND(res::ID_FILE_SUMMARY, &CKantorDocument::OnFileSummary)
ON_COMMAND(res::ID_WALK_NEXT, &CKantorDocument::OnWalkNext)
ON_COMMAND(res::ID_WALK_PREVIOUS, &CKantorDocument::OnWalkPrevious)
END_MESSAGE_MAP()

CKantorDocument::CKantorDocument()
{
    m_doc.SetHost(this);
    // Compressed files are read like the plain ones they hold.
    m_doc.SetTextSourceOpener(&OpenFileTextSource);
}

BOOL CKantorDocument::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    m_history.Clear();
    m_fileStamp = CFileStamp();
    return m_doc.OnNewDocument() ? TRUE : FALSE;
}

BOOL CKantorDocument::OnOpenDocument(const char* lpszPathName)
{
    // The model checks the file itself and reports a failure through
    // ReportFileError, leaving the document as it was. The stamp is taken
    // first, so that a change made during the load is not missed.
    const std::string strPath = lpszPathName ? lpszPathName : "";
    const CFileStamp stamp = CFileStamp::Of(strPath);
    if (!m_doc.OnOpenDocument(strPath))
        return FALSE;
    m_fileStamp = stamp;
    m_history.Clear();
    SetModifiedFlag(FALSE);
    return TRUE;
}

IProgressSink* CKantorDocument::GetStatusBar()
{
    return m_statusBarSource ? m_statusBarSource() : nullptr;
}

void CKantorDocument::UpdateAllViews(const void* pSender)
{
    // The views hand themselves to the model as CView pointers.
    CDocument::UpdateAllViews(static_cast<CView*>(const_cast<void*>(pSender)));
}

void CKantorDocument::ReportOutOfMemory()
{
    ::ReportOutOfMemory();
}

void CKantorDocument::ReportFileError(const std::string& strPath, const std::string& strReason)
{
    ReportOpenFailure(strPath, strReason);
}

bool CKantorDocument::NavigateToEntity(std::int32_t n)
{
    if (!HasEntity(n))
        return false;
    if (n != m_doc.GetCurrentEntity())
        NoteJump();
    // No sending view: both views update, the upper one selecting n.
    m_doc.SetCurrentEntity(n, nullptr);
    return true;
}

EntityPlace CKantorDocument::GetPlace() const
{
    EntityPlace place;
    place.nEntity = m_doc.GetCurrentEntity();
    for (CView* pView : GetViews())
        if (auto* pUpper = dynamic_cast<CKantorView*>(pView))
            pUpper->GetTopRow(place.nTopEntity, place.nTopRowsBelow);
    return place;
}

bool CKantorDocument::RestorePlace(const EntityPlace& place)
{
    if (!HasEntity(place.nEntity))
        return false;
    m_doc.SetCurrentEntity(place.nEntity, nullptr);
    for (CView* pView : GetViews())
        if (auto* pUpper = dynamic_cast<CKantorView*>(pView))
            pUpper->SetTopRow(place.nTopEntity, place.nTopRowsBelow);
    return true;
}

void CKantorDocument::NoteJump()
{
    m_history.RecordJump(GetPlace());
}

bool CKantorDocument::GoBack()
{
    EntityPlace target;
    return m_history.Back(GetPlace(), EntityExists(), target) && RestorePlace(target);
}

bool CKantorDocument::GoForward()
{
    EntityPlace target;
    return m_history.Forward(GetPlace(), EntityExists(), target) && RestorePlace(target);
}

void CKantorDocument::GoToEntityDialog(const std::string& strTyped)
{
    // The header, entry 0 of the store, is no entity to go to.
    CGotoEntityDlg dlg([this](std::int32_t n) { return IsEntity(m_doc, n); });
    dlg.m_strNumber = strTyped;
    if (dlg.DoModal() == IDOK)
        NavigateToEntity(dlg.m_nEntity);
}

void CKantorDocument::OnGoToEntity()
{
    GoToEntityDialog(std::string());
}

void CKantorDocument::OnNavigateBack()
{
    GoBack();
}

void CKantorDocument::OnNavigateForward()
{
    GoForward();
}

bool CKantorDocument::StepWalk(bool bForward)
{
    const CEntityWalk& walk = m_doc.GetEntityWalk();
    const std::int32_t nCurrent = m_doc.GetCurrentEntity();
    if (walk.IsEmpty() || !NavigateToEntity(bForward ? walk.Next(nCurrent) : walk.Previous(nCurrent))) {
        MessageBeep(0);
        return false;
    }
    return true;
}

void CKantorDocument::OnFileSummary()
{
    CFileSummaryDlg dlg(*this);
    dlg.DoModal();
}

void CKantorDocument::OnWalkNext()
{
    StepWalk(true);
}

void CKantorDocument::OnWalkPrevious()
{
    StepWalk(false);
}

CEntityHistory::EntityExists CKantorDocument::EntityExists() const
{
    return [this](std::int32_t n) { return HasEntity(n); };
}

bool CKantorDocument::Reload()
{
    const std::string strPath = GetPathName();
    if (strPath.empty() || !m_pDocTemplate)
        return false;
    EntityPlace place = GetPlace();
    const CEntityHistory history = m_history;
    if (!m_pDocTemplate->OpenDocumentFile(strPath.c_str()))
        return false;
    m_history = history;
    // Entry 0, the header, is there after every load.
    if (!HasEntity(place.nEntity))
        place.nEntity = 0;
    RestorePlace(place);
    return true;
}

bool CKantorDocument::HasFileChangedOnDisk() const
{
    return !GetPathName().empty() && CFileStamp::Of(GetPathName()) != m_fileStamp;
}
