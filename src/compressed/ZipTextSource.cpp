#include "compressed/ZipTextSource.h"

#include "compressed/OpenedFile.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cctype>
#include <string_view>
#include <strings.h>
#include <unistd.h>

namespace {

// What libarchive reads from the file at a time.
constexpr std::size_t kFileBlock = 256 * 1024;

bool IsIfcName(const char* pName)
{
    const std::string_view strName = pName ? pName : "";
    return strName.size() > 4 && strcasecmp(strName.data() + strName.size() - 4, ".ifc") == 0;
}

} // namespace

std::unique_ptr<ITextSource> CZipTextSource::Open(const std::string& strPath)
{
    std::uint64_t nFileLength = 0;
    const int fd = OpenForReading(strPath, nFileLength);
    if (fd < 0)
        return nullptr;
    std::unique_ptr<CZipTextSource> pSource(new CZipTextSource(fd, nFileLength));
    pSource->StartText();
    return pSource;
}

CZipTextSource::CZipTextSource(int fd, std::uint64_t nFileLength) : m_fd(fd), m_nFileLength(nFileLength)
{
}

CZipTextSource::~CZipTextSource()
{
    if (m_pArchive)
        archive_read_free(m_pArchive);
    ::close(m_fd);
}

void CZipTextSource::Fail(const char* pReason)
{
    std::string_view strReason = pReason ? pReason : "";
    while (!strReason.empty() && std::isspace(static_cast<unsigned char>(strReason.back())))
        strReason.remove_suffix(1);
    m_strError = "the zip archive is damaged (";
    m_strError += strReason.empty() ? "unknown error" : strReason;
    m_strError += ")";
}

bool CZipTextSource::StartText()
{
    m_pArchive = archive_read_new();
    if (!m_pArchive) {
        m_strError = "out of memory";
        return false;
    }
    archive_read_support_format_zip(m_pArchive);
    // libarchive reads and seeks the descriptor itself (the archive's
    // directory is at its end); closing it is left to us.
    if (archive_read_open_fd(m_pArchive, m_fd, kFileBlock) != ARCHIVE_OK) {
        Fail(archive_error_string(m_pArchive));
        return false;
    }
    for (;;) {
        archive_entry* pEntry = nullptr;
        const int nResult = archive_read_next_header(m_pArchive, &pEntry);
        if (nResult == ARCHIVE_EOF) {
            m_strError = "the zip archive holds no .ifc file";
            return false;
        }
        if (nResult < ARCHIVE_WARN) {
            Fail(archive_error_string(m_pArchive));
            return false;
        }
        if (archive_entry_filetype(pEntry) == AE_IFREG && IsIfcName(archive_entry_pathname(pEntry))) {
            // The length sizes the loader's buffer; a damaged one is capped,
            // and the buffer grows if the text really is longer.
            if (archive_entry_size_is_set(pEntry))
                m_nTextLength = std::min(static_cast<std::uint64_t>(archive_entry_size(pEntry)),
                                         m_nFileLength * kMaxExpansion);
            return true;
        }
    }
}

bool CZipTextSource::Read(char* pBuffer, std::size_t nMax, std::size_t& nRead)
{
    nRead = 0;
    if (!m_strError.empty())
        return false;
    while (nRead < nMax) {
        const la_ssize_t nGot = archive_read_data(m_pArchive, pBuffer + nRead, nMax - nRead);
        if (nGot < 0) {
            Fail(archive_error_string(m_pArchive));
            return false;
        }
        if (nGot == 0)
            break;
        nRead += static_cast<std::size_t>(nGot);
    }
    // libarchive reads the file front to back from the file's first entry on.
    const off_t nOffset = ::lseek(m_fd, 0, SEEK_CUR);
    if (nOffset > 0)
        m_nFileBytesRead = std::min(static_cast<std::uint64_t>(nOffset), m_nFileLength);
    return true;
}
