// CDocument: the data of one open file, its title and path, and the views
// that show it. Views learn of changes through UpdateAllViews.
#pragma once

#include "framework/CmdTarget.h"

#include <string>
#include <vector>

class CDocTemplate;
class CView;

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    ~CDocument() override;

    const std::string& GetTitle() const { return m_strTitle; }
    // Also refreshes the titles of the frames that show this document.
    virtual void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return m_strPathName; }
    // Records the absolute path, takes the file name as the title and adds
    // the path to the application's recent-file list.
    virtual void SetPathName(const std::string& path, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    const std::vector<CView*>& GetViews() const { return m_viewList; }
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // Calls OnUpdate of every view of this document except the sender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, void* pHint = nullptr);

    // Life cycle. The defaults clear the contents and the modified flag and
    // succeed; a document that reads files overrides OnOpenDocument.
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(const char* lpszPathName);
    // Destroys the frames that show the document, then the document.
    virtual void OnCloseDocument();
    virtual void DeleteContents();

    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }
    BOOL IsModified() const { return m_bModified; }

protected:
    std::string m_strTitle;
    std::string m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_viewList;
    BOOL m_bModified = FALSE;
    BOOL m_bAutoDelete = TRUE;

    friend class CDocTemplate;
};
