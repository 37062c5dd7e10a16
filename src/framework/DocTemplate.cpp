#include "framework/DocTemplate.h"

#include "framework/CreateContext.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/RuntimeClass.h"
#include "res/StringTable.h"

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                           const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass),
      m_strDocStrings(res::LoadString(nIDResource))
{
}

BOOL CDocTemplate::GetDocString(std::string& out, DocStringIndex index) const
{
    out.clear();
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = m_strDocStrings.find('\n', start);
        if (start == std::string::npos)
            return FALSE;
        ++start;
    }
    const size_t end = m_strDocStrings.find('\n', start);
    out = m_strDocStrings.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return !out.empty();
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    auto* doc = dynamic_cast<CDocument*>(m_pDocClass ? m_pDocClass->CreateObject() : nullptr);
    if (doc)
        AddDocument(doc);
    return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    CCmdTarget* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    auto* frame = dynamic_cast<CFrameWnd*>(object);
    if (!frame) {
        delete object;
        return nullptr;
    }
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

void CDocTemplate::SetDefaultTitle(CDocument* pDoc)
{
    std::string title;
    if (!GetDocString(title, docName))
        title = "Untitled";
    pDoc->SetTitle(title);
}
