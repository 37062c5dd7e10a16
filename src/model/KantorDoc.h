// The document: one IFC file in memory, its entity store, its inverse index
// built in idle-time slices, and the entity selected in the upper view.
#pragma once

#include "model/EntityNumberArray.h"
#include "model/EntityStore.h"
#include "model/EntityWalk.h"
#include "model/InverseIndex.h"
#include "model/TextSource.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class IDocumentHost;
class IProgressSink;

class CKantorDoc {
public:
    CKantorDoc() = default;
    CKantorDoc(const CKantorDoc&) = delete;
    CKantorDoc& operator=(const CKantorDoc&) = delete;

    // The framework side; null (the default) reports nothing and updates no views.
    void SetHost(IDocumentHost* pHost) { m_pHost = pHost; }
    // How files are opened for reading; the default reads them as they are.
    void SetTextSourceOpener(TextSourceOpener openTextSource)
    {
        m_openTextSource = std::move(openTextSource);
    }

    // Empties the document; always succeeds.
    bool OnNewDocument();
    // Checks that the file can be read, then loads it; a file that cannot be
    // read or holds no entity is reported through the host.
    bool OnOpenDocument(const std::string& strPath);
    // Reads the file into the entity store; false when it cannot be opened,
    // holds no line beginning with '#', or cannot be read, decoded or held in
    // memory (reported). The document changes only when the load succeeds.
    bool LoadEntityFile(const std::string& strPath);

    const CEntityStore& GetEntityMap() const { return m_mapEntities; }
    std::int32_t GetMaxEntityNumber() const { return m_nMaxEntity; }
    // Stores n and updates every view but pSender, unless n is already current.
    void SetCurrentEntity(std::int32_t n, const void* pSender);
    std::int32_t GetCurrentEntity() const { return m_nCurrentEntity; }

    // The numbers written after '#' in strText, in order, with repeats; a '#'
    // at position 0 (the entity's own name) is not taken.
    static void ExtractReferences(std::string_view strText, CEntityNumberArray& arrReferences);
    // Scans the next 1000 entities into the inverse index; true while work
    // remains. Called from the application's idle handler.
    bool ComputeInverseStep();
    // 0 to 99 while the computation runs, 100 when it is finished.
    int GetInversePercent() const;
    bool IsInverseComplete() const { return !m_posInverse; }
    // Saves the message-pane text and shows the percentage there instead.
    void ShowInverseProgress();
    // The computation ran out of memory and was abandoned: no referrer list
    // is known until the next load.
    bool HasInverseFailed() const { return m_bInverseFailed; }
    // The referrers of n found so far, in the store's iteration order.
    void GetInverseReferences(std::int32_t n, CEntityNumberArray& arrReferrers) const;
    // How many entities refer to n, as far as the computation has come; one
    // that names n several times counts once.
    std::size_t GetReferrerCount(std::int32_t n) const;
    // Every referrer list found so far.
    const CInverseIndex& GetInverseIndex() const { return m_mapInverse; }

    // The entities that F8 and Shift+F8 step through; emptied with the contents.
    CEntityWalk& GetEntityWalk() { return m_walk; }
    const CEntityWalk& GetEntityWalk() const { return m_walk; }

private:
    // A file read beside the open document.
    struct FileEntities {
        CEntityStore store;
        std::int32_t nMaxEntity = 0;
    };

    void DeleteContents();
    // The file's text as the opener gives it; null when it cannot be opened.
    std::unique_ptr<ITextSource> OpenTextSource(const std::string& strPath) const;
    // Whether a line of the file begins with '#' (see HoldsEntityLine).
    bool CheckEntityLine(const std::string& strPath);
    // Reads the lines of the source into entities: true when they hold the
    // file, false when no line begins with '#' or strError is set.
    bool ReadEntities(ITextSource& source, FileEntities& entities, std::string& strError);
    static bool IsEntityStart(std::string_view strLine, std::int32_t& n);
    // Adds a text to texts; returns its length.
    static std::uint64_t StoreEntity(CEntityStore::FileTexts& texts, std::int32_t n, std::uint64_t nTextEnd);
    void AdvanceProgress(std::int64_t nUnits);
    void StartProgress(const ITextSource& source);
    void EndProgress();
    IProgressSink* GetStatusBar() const;
    void SetMessageText(const std::string& strText) const;
    void RestoreSavedStatus();

    IDocumentHost* m_pHost = nullptr;
    TextSourceOpener m_openTextSource;

    CEntityStore m_mapEntities;
    CInverseIndex m_mapInverse;
    std::int32_t m_nMaxEntity = 0;
    std::int32_t m_nCurrentEntity = 0;
    // The store position of the next entity to scan; empty when finished.
    std::optional<std::size_t> m_posInverse;
    IProgressSink* m_pProgress = nullptr;
    // 64 bits, so that a text longer than 2 GB cannot wrap the count.
    std::int64_t m_nProgressChars = 0;
    std::size_t m_nInverseDone = 0;
    std::string m_strSavedStatus;
    bool m_bInverseFailed = false;
    // The message pane shows this document's progress report, not yet given back.
    bool m_bReportShown = false;
    CEntityWalk m_walk;
};
