// CKantorDocument: the framework's document for one IFC file. It owns the
// model (CKantorDoc) and is the model's host: view updates go to the
// framework's views, file errors to the framework's standard message, and
// progress to the status bar that the application hands in.
#pragma once

#include "framework/Document.h"
#include "model/DocumentHost.h"
#include "model/KantorDoc.h"

#include <functional>

class CKantorDocument : public CDocument, public IDocumentHost {
public:
    CKantorDocument();

    CKantorDoc& GetKantorDoc() { return m_doc; }
    const CKantorDoc& GetKantorDoc() const { return m_doc; }

    // Where GetStatusBar finds the status bar. The application supplies its
    // main frame's bar; the source may answer null while there is none.
    void SetStatusBarSource(std::function<IProgressSink*()> source) { m_statusBarSource = std::move(source); }

    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(const char* lpszPathName) override;

    IProgressSink* GetStatusBar() override;
    using CDocument::UpdateAllViews;
    void UpdateAllViews(const void* pSender) override;
    void ReportFileError(const std::string& strPath, const std::string& strReason) override;

private:
    CKantorDoc m_doc;
    std::function<IProgressSink*()> m_statusBarSource;
};
