#include "views/KantorDocument.h"

#include "framework/FileOpenError.h"
#include "framework/View.h"

CKantorDocument::CKantorDocument()
{
    m_doc.SetHost(this);
}

BOOL CKantorDocument::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    return m_doc.OnNewDocument() ? TRUE : FALSE;
}

BOOL CKantorDocument::OnOpenDocument(const char* lpszPathName)
{
    // The model checks the file itself and reports a failure through
    // ReportFileError, leaving the document as it was.
    if (!m_doc.OnOpenDocument(lpszPathName ? lpszPathName : ""))
        return FALSE;
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

void CKantorDocument::ReportFileError(const std::string& strPath, const std::string& strReason)
{
    ReportOpenFailure(strPath, strReason);
}
