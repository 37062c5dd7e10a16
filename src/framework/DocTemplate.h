// Document templates: which document, frame and view classes belong
// together, the description string of the document type, and the life
// cycle of making a new document or opening a file.
#pragma once

#include "framework/CmdTarget.h"

#include <string>

struct CRuntimeClass;
class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
public:
    // Fields of the description string (resource string nIDResource), in
    // this order, separated by line feeds.
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);

    // FALSE (and an empty string) when the field is missing or empty.
    BOOL GetDocString(std::string& out, DocStringIndex index) const;
    UINT GetResourceId() const { return m_nIDResource; }

    // Null path: a new document. Returns the document, or null on failure.
    virtual CDocument* OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual CDocument* GetOnlyDocument() const = 0;

    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual CDocument* CreateNewDocument();
    // The frame deletes itself when its creation fails.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc);
    // Gives every view of the frame its initial update, then shows the frame.
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual void SetDefaultTitle(CDocument* pDoc);

protected:
    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    std::string m_strDocStrings;
};

// One document at a time in one frame: a new document or an opened file
// reuses the document object and its frame once they exist.
class CSingleDocTemplate : public CDocTemplate {
public:
    using CDocTemplate::CDocTemplate;
    ~CSingleDocTemplate() override;

    CDocument* OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible = TRUE) override;
    CDocument* GetOnlyDocument() const override { return m_pOnlyDoc; }
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;

protected:
    CDocument* m_pOnlyDoc = nullptr;
};
