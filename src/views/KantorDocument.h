// CKantorDocument: the framework's document for one IFC file. It owns the
// model (CKantorDoc) and is the model's host: view updates go to the
// framework's views, file errors to the framework's standard message, and
// progress to the status bar that the application hands in. It also keeps
// the history of the places the user jumped between.
#pragma once

#include "views/EntityHistory.h"
#include "views/FileStamp.h"

#include "framework/Document.h"
#include "model/DocumentHost.h"
#include "model/KantorDoc.h"

#include <cstdint>
#include <functional>
#include <string>

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
    void ReportOutOfMemory() override;

    // Following references. Each of these makes an entity current as a
    // right double click in the lower tree does: the upper view selects the
    // entity's root item and scrolls it into view, the lower view lists the
    // entity's referrers.

    bool HasEntity(std::int32_t n) const { return m_doc.GetEntityMap().Contains(n); }
    // Goes to entity n as a jump: the place left goes into the history.
    // False, with nothing changed, when the document has no entity n.
    bool NavigateToEntity(std::int32_t n);
    // Where the user is now: the current entity and the upper tree's top row.
    EntityPlace GetPlace() const;
    // Goes back to a place, its entity current and the upper tree's top row
    // where it was, without recording a jump. False, with nothing changed,
    // when the entity is gone.
    bool RestorePlace(const EntityPlace& place);
    // Records the current place as left by a jump that is made another way
    // (a search hit, a click on an item of another entity), just before it.
    void NoteJump();
    // Back and Forward through the history; false when there is nowhere to go.
    bool GoBack();
    bool GoForward();
    // Opens the document's file again, as any open (the title, the recent
    // files, both trees), and comes back to the current entity, the upper
    // tree's top row and the history, as far as their entities are still
    // there. False, with the document as it was and the failure reported,
    // when the file cannot be read; also without a file.
    bool Reload();
    // Whether the file has changed on disk (or gone) since it was read; the
    // document is not reloaded by itself.
    bool HasFileChangedOnDisk() const;

    // Go to Entity: the dialog, its field opened with strTyped (a number the
    // user began to type in a tree), then a jump to the entity chosen.
    void GoToEntityDialog(const std::string& strTyped);
    // One step of the model's entity walk from the current entity, as a
    // jump: forwards to the next of its entities, else to the previous.
    // False, with a beep, when nothing is walked.
    bool StepWalk(bool bForward);
    // Emptied by every new document and every successful open.
    CEntityHistory& GetHistory() { return m_history; }
    const CEntityHistory& GetHistory() const { return m_history; }

protected:
    // Go to Entity, Back and Forward, from whichever view is active. Like
    // Search again, Back and Forward stay enabled and do nothing when there
    // is nowhere to go, so that the toolbar looks the same in every state.
    void OnGoToEntity();
    void OnNavigateBack();
    void OnNavigateForward();
    // The File Summary dialog, and F8 / Shift+F8 through what it chose.
    void OnFileSummary();
    void OnWalkNext();
    void OnWalkPrevious();

    DECLARE_MESSAGE_MAP()

private:
    CEntityHistory::EntityExists EntityExists() const;

    CKantorDoc m_doc;
    CEntityHistory m_history;
    // The file as it was when its load began; empty without a file.
    CFileStamp m_fileStamp;
    std::function<IProgressSink*()> m_statusBarSource;
};
