#include "model/KantorDoc.h"

#include "model/DocumentHost.h"
#include "model/EntityNumbers.h"
#include "model/JoinedLineReader.h"
#include "model/PlainTextSource.h"
#include "model/ReadableFile.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <memory>
#include <new>
#include <system_error>

namespace {

constexpr std::int64_t kCharsPerProgressStep = 100000;

// A file that shows no entity line in this many bytes is probably no IFC
// file; reading the rest of it to be sure shows as the load's progress.
constexpr std::uint64_t kQuietCheckBytes = std::uint64_t{1} << 20;

} // namespace

std::unique_ptr<ITextSource> CKantorDoc::OpenTextSource(const std::string& strPath) const
{
    return m_openTextSource ? m_openTextSource(strPath) : CPlainTextSource::Open(strPath);
}

bool CKantorDoc::CheckEntityLine(const std::string& strPath)
{
    std::unique_ptr<ITextSource> pSource = OpenTextSource(strPath);
    if (!pSource)
        return true;
    bool bProgressShown = false;
    std::uint64_t nStepped = 0;
    const bool bFound = HoldsEntityLine(*pSource, [&](std::uint64_t nRead) {
        if (nRead < kQuietCheckBytes)
            return;
        if (!bProgressShown) {
            StartProgress(*pSource);
            bProgressShown = true;
        }
        for (; nStepped + kCharsPerProgressStep <= nRead; nStepped += kCharsPerProgressStep)
            if (m_pProgress)
                m_pProgress->StepIt();
    });
    if (bProgressShown)
        EndProgress();
    return bFound;
}

bool CKantorDoc::LoadEntityFile(const std::string& strPath)
{
    std::unique_ptr<ITextSource> pSource = OpenTextSource(strPath);
    if (!pSource)
        return false;

    // The file is read beside the open document, which is given up only
    // once the whole file is in memory: a file that turns out unreadable or
    // damaged halfway, or too large, leaves the document as it was.
    StartProgress(*pSource);
    FileEntities entities;
    std::string strError;
    bool bEntities = false;
    try {
        bEntities = ReadEntities(*pSource, entities, strError);
    } catch (const std::bad_alloc&) {
        strError = std::generic_category().message(ENOMEM);
    }
    EndProgress();

    if (!strError.empty()) {
        if (m_pHost)
            m_pHost->ReportFileError(strPath, strError);
        return false;
    }
    if (!bEntities)
        return false;

    DeleteContents();
    m_mapEntities = std::move(entities.store);
    m_nMaxEntity = entities.nMaxEntity;
    m_nInverseDone = 0;
    if (!m_mapEntities.IsEmpty())
        m_posInverse = 0;
    m_mapInverse.Reset(DenseNumberLimit(m_nMaxEntity, m_mapEntities.GetCount()));
    return true;
}

bool CKantorDoc::ReadEntities(ITextSource& source, FileEntities& entities, std::string& strError)
{
    const std::uint64_t nTextLength = source.GetTextLengthHint();
    CJoinedLineReader reader(source, static_cast<std::size_t>(nTextLength));
    CEntityStore::FileTexts texts;
    // Entity lines of real files are 40 to 100 bytes long. Room for one per
    // 32 bytes spares copying these arrays as they grow; the part left unused
    // is never touched and takes address space only.
    const auto nExpectedTexts = static_cast<std::size_t>(nTextLength / 32);
    texts.aTextStart.reserve(nExpectedTexts + 2);
    texts.aNumbers.reserve(nExpectedTexts + 1);

    // The bar of a plain file moves by the characters stored, one more per
    // entity for its line end; that of a compressed file by the bytes of the
    // file read for them, as the bar's range is the file's length.
    const bool bCompressed = source.IsCompressed();
    std::uint64_t nFileBytesCounted = 0;
    const auto store = [&](std::int32_t n, std::uint64_t nTextEnd) {
        const std::uint64_t nLength = StoreEntity(texts, n, nTextEnd);
        if (!bCompressed) {
            AdvanceProgress(static_cast<std::int64_t>(nLength) + 1);
            return;
        }
        // The file is read a block ahead of the texts stored, so the bytes
        // come in bursts; a burst's surplus carries over to the next texts.
        const std::uint64_t nFileBytes = std::max(source.GetFileBytesRead(), nFileBytesCounted);
        AdvanceProgress(static_cast<std::int64_t>(nFileBytes - nFileBytesCounted));
        nFileBytesCounted = nFileBytes;
    };

    // Texts are runs of joined lines, so a line that starts no entity is
    // already part of the text being collected: of entry 0 (the header) up
    // to the first entity start, of the last entity started after it.
    bool bHashLine = false;
    std::int32_t nCurrent = 0;
    const bool bRead = reader.ReadLines([&](std::size_t nStart, std::string_view strLine) {
        if (strLine.empty() || strLine[0] != '#')
            return;
        bHashLine = true;
        std::int32_t n;
        if (IsEntityStart(strLine, n)) {
            if (n > entities.nMaxEntity)
                entities.nMaxEntity = n;
            store(nCurrent, nStart);
            nCurrent = n;
        }
    });
    if (!bRead) {
        strError = source.GetError();
        return false;
    }
    if (!bHashLine)
        return false;
    store(nCurrent, reader.GetLength());
    texts.pText = reader.ReleaseText();
    entities.store.Assign(std::move(texts));
    return true;
}

bool CKantorDoc::IsEntityStart(std::string_view strLine, std::int32_t& n)
{
    if (strLine.size() < 2 || strLine[0] != '#')
        return false;
    std::size_t nPos = 1;
    if (!ParseNumber(strLine, nPos, n))
        return false;
    while (nPos < strLine.size() && (strLine[nPos] == ' ' || strLine[nPos] == '\t'))
        ++nPos;
    return nPos < strLine.size() && strLine[nPos] == '=';
}

std::uint64_t CKantorDoc::StoreEntity(CEntityStore::FileTexts& texts, std::int32_t n, std::uint64_t nTextEnd)
{
    const std::uint64_t nLength = nTextEnd - texts.aTextStart.back();
    texts.aNumbers.push_back(n);
    texts.aTextStart.push_back(nTextEnd);
    return nLength;
}

void CKantorDoc::AdvanceProgress(std::int64_t nUnits)
{
    // At most one step per stored entity; a surplus carries over.
    m_nProgressChars += nUnits;
    if (m_nProgressChars > kCharsPerProgressStep) {
        m_nProgressChars -= kCharsPerProgressStep;
        if (m_pProgress)
            m_pProgress->StepIt();
    }
}

void CKantorDoc::StartProgress(const ITextSource& source)
{
    m_pProgress = GetStatusBar();
    m_nProgressChars = 0;
    if (!m_pProgress)
        return;
    m_pProgress->SetProgressText(res::LoadString(res::IDS_LOADING));
    m_pProgress->ShowProgress(true);
    // The control's range is 32-bit: for a larger file range and step are
    // divided alike, so that the bar still fills with the file.
    constexpr std::uint64_t nMaxRange = std::numeric_limits<int>::max();
    const std::uint64_t nFileLength = source.GetFileLength();
    const std::uint64_t nScale = nFileLength / nMaxRange + 1;
    m_pProgress->SetRange32(0, static_cast<int>(nFileLength / nScale));
    m_pProgress->SetStep(static_cast<int>(static_cast<std::uint64_t>(kCharsPerProgressStep) / nScale));
}

void CKantorDoc::EndProgress()
{
    if (m_pProgress)
        m_pProgress->ShowProgress(false);
    m_pProgress = nullptr;
    m_nProgressChars = 0;
}
