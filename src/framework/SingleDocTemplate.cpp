#include "framework/DocTemplate.h"

#include "framework/Document.h"
#include "framework/FileOpenError.h"
#include "framework/FrameWnd.h"
#include "framework/MemoryRelease.h"
#include "framework/View.h"
#include "framework/WinApp.h"

CSingleDocTemplate::~CSingleDocTemplate()
{
    // The document outlives its template only when nobody closed it.
    if (CDocument* doc = m_pOnlyDoc) {
        RemoveDocument(doc);
        delete doc;
    }
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible)
{
    // A file that cannot be read is refused before anything changes: the
    // document keeps its contents, title, path and views.
    if (lpszPathName) {
        const std::string reason = CannotOpenReason(lpszPathName);
        if (!reason.empty()) {
            ReportOpenFailure(lpszPathName, reason);
            return nullptr;
        }
    }

    CDocument* doc = m_pOnlyDoc;
    CFrameWnd* frame = nullptr;
    bool createdDoc = false;
    if (doc) {
        if (!doc->GetViews().empty())
            frame = doc->GetViews().front()->GetParentFrame();
    } else {
        doc = CreateNewDocument();
        if (!doc)
            return nullptr;
        createdDoc = true;
    }
    const bool createdFrame = frame == nullptr;
    if (createdFrame) {
        frame = CreateNewFrame(doc);
        if (!frame) {
            if (createdDoc)
                delete doc;
            return nullptr;
        }
    }
    // Undoes only what this call made; an existing document stays as it was.
    auto undo = [&] {
        if (createdFrame)
            frame->DestroyWindow();
        if (createdDoc)
            delete doc;
    };

    try {
        if (!lpszPathName) {
            SetDefaultTitle(doc);
            if (!doc->OnNewDocument()) {
                undo();
                return nullptr;
            }
        } else {
            if (!doc->OnOpenDocument(lpszPathName)) {
                undo();
                return nullptr;
            }
            doc->SetPathName(lpszPathName);
        }
        CWinApp* app = AfxGetApp();
        if (app && !app->m_pMainWnd)
            app->m_pMainWnd = frame;
        InitialUpdateFrame(frame, doc, bMakeVisible);
    } catch (const std::bad_alloc&) {
        // The file was read but could not be shown whole. Its document gives
        // way to an empty one, which needs little memory, and the open fails.
        if (!lpszPathName)
            throw;
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument())
            throw;
        InitialUpdateFrame(frame, doc, bMakeVisible);
        ReleaseFreedMemory();
        ReportOpenFailure(lpszPathName, "there is not enough memory to show it");
        return nullptr;
    }
    // The views show the new contents; what the old ones held is free.
    ReleaseFreedMemory();
    return doc;
}
