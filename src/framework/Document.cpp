#include "framework/Document.h"

#include "framework/DocTemplate.h"
#include "framework/FrameWnd.h"
#include "framework/MemoryRelease.h"
#include "framework/View.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <filesystem>
#include <new>

CDocument::~CDocument()
{
    // Views outlive a document only in error paths; never leave them
    // pointing at freed memory.
    for (CView* view : m_viewList)
        view->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(const std::string& title)
{
    m_strTitle = title;
    std::vector<CFrameWnd*> frames;
    for (CView* view : m_viewList) {
        CFrameWnd* frame = view->GetParentFrame();
        if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    }
    for (CFrameWnd* frame : frames)
        frame->OnUpdateFrameTitle(TRUE);
}

void CDocument::SetPathName(const std::string& path, BOOL bAddToMRU)
{
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    m_strPathName = ec ? path : full.lexically_normal().string();
    SetTitle(std::filesystem::path(m_strPathName).filename().string());
    if (bAddToMRU)
        if (CWinApp* app = AfxGetApp())
            app->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView)
{
    if (std::find(m_viewList.begin(), m_viewList.end(), pView) != m_viewList.end())
        return;
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    auto it = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (it == m_viewList.end())
        return;
    m_viewList.erase(it);
    pView->m_pDocument = nullptr;
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, void* pHint)
{
    // By index, with no copy to allocate: a view whose update ran out of
    // memory has undone its half, and the others still update, so that none
    // is left showing the state before. An update may add or remove views.
    bool bOutOfMemory = false;
    for (std::size_t i = 0; i < m_viewList.size(); ++i) {
        CView* view = m_viewList[i];
        if (view == pSender)
            continue;
        try {
            view->OnUpdate(pSender, lHint, pHint);
        } catch (const std::bad_alloc&) {
            bOutOfMemory = true;
        }
    }
    if (bOutOfMemory)
        throw std::bad_alloc();
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const char*)
{
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // Destroying a frame destroys its views, which leave m_viewList.
    while (!m_viewList.empty()) {
        CView* view = m_viewList.front();
        CFrameWnd* frame = view->GetParentFrame();
        const size_t before = m_viewList.size();
        if (frame)
            frame->DestroyWindow();
        else
            view->DestroyWindow();
        if (m_viewList.size() == before) // a view without a window
            RemoveView(view);
    }
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
    ReleaseFreedMemory();
}

void CDocument::DeleteContents()
{
}
