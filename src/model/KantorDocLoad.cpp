#include "model/KantorDoc.h"

#include "model/DocumentHost.h"
#include "model/EntityNumbers.h"
#include "model/JoinedLineReader.h"
#include "model/ReadableFile.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <new>
#include <system_error>

namespace {

constexpr std::int64_t kCharsPerProgressStep = 100000;

// A file that shows no entity line in this many bytes is probably no IFC
// file; reading the rest of it to be sure shows as the load's progress.
constexpr std::uint64_t kQuietCheckBytes = std::uint64_t{1} << 20;

struct FileCloser {
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};

} // namespace

bool CKantorDoc::LoadEntityFile(const std::string& strPath)
{
    DeleteContents();
    std::unique_ptr<std::FILE, FileCloser> pFile(std::fopen(strPath.c_str(), "rb"));
    if (!pFile)
        return false;
    // Blocks go straight into the reader's buffer, not through stdio's.
    std::setvbuf(pFile.get(), nullptr, _IONBF, 0);
    std::error_code ec;
    std::uintmax_t nFileLength = std::filesystem::file_size(strPath, ec);
    if (ec)
        nFileLength = 0;

    StartProgress(nFileLength);
    int nError = 0;
    bool bLoaded = false;
    try {
        bLoaded = ReadEntities(pFile.get(), nFileLength, nError);
    } catch (const std::bad_alloc&) {
        // A file too large for this machine gets a message, not a crash.
        nError = ENOMEM;
    }
    EndProgress();

    if (nError != 0) {
        // Nothing half-read is kept.
        DeleteContents();
        if (m_pHost)
            m_pHost->ReportFileError(strPath, std::generic_category().message(nError));
        return false;
    }
    if (!bLoaded)
        return false;
    m_nInverseDone = 0;
    if (!m_mapEntities.IsEmpty())
        m_posInverse = 0;
    m_mapInverse.Reset(DenseNumberLimit(m_nMaxEntity, m_mapEntities.GetCount()));
    return true;
}

bool CKantorDoc::CheckEntityLine(const std::string& strPath)
{
    std::error_code ec;
    const std::uintmax_t nFileLength = std::filesystem::file_size(strPath, ec);
    bool bProgressShown = false;
    std::uint64_t nStepped = 0;
    const bool bFound = HoldsEntityLine(strPath, [&](std::uint64_t nRead) {
        if (nRead < kQuietCheckBytes)
            return;
        if (!bProgressShown) {
            StartProgress(ec ? 0 : nFileLength);
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

bool CKantorDoc::ReadEntities(std::FILE* pFile, std::uint64_t nFileLength, int& nError)
{
    CJoinedLineReader reader(pFile, static_cast<std::size_t>(nFileLength));
    CEntityStore::FileTexts texts;
    // Entity lines of real files are 40 to 100 bytes long. Room for one per
    // 32 bytes spares copying these arrays as they grow; the part left unused
    // is never touched and takes address space only.
    const auto nExpectedTexts = static_cast<std::size_t>(nFileLength / 32);
    texts.aTextStart.reserve(nExpectedTexts + 2);
    texts.aNumbers.reserve(nExpectedTexts + 1);

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
            StoreEntity(texts, nCurrent, nStart);
            nCurrent = n;
        }
    });
    if (!bRead) {
        nError = reader.GetError();
        return false;
    }
    if (!bHashLine)
        return false;
    StoreEntity(texts, nCurrent, reader.GetLength());
    texts.pText = reader.ReleaseText();
    m_mapEntities.Assign(std::move(texts));
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
    if (nPos == strLine.size() || strLine[nPos] != '=')
        return false;
    if (n > m_nMaxEntity)
        m_nMaxEntity = n;
    return true;
}

void CKantorDoc::StoreEntity(CEntityStore::FileTexts& texts, std::int32_t n, std::uint64_t nTextEnd)
{
    const std::uint64_t nLength = nTextEnd - texts.aTextStart.back();
    texts.aNumbers.push_back(n);
    texts.aTextStart.push_back(nTextEnd);
    m_nProgressChars += static_cast<std::int64_t>(nLength) + 1;
    if (m_nProgressChars > kCharsPerProgressStep) {
        m_nProgressChars -= kCharsPerProgressStep;
        if (m_pProgress)
            m_pProgress->StepIt();
    }
}

void CKantorDoc::StartProgress(std::uint64_t nFileLength)
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
