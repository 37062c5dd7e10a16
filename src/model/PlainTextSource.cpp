#include "model/PlainTextSource.h"

#include <sys/stat.h>

#include <cerrno>
#include <system_error>

namespace {

// The length and modification time of the open file; false when unknown.
bool GetFileState(std::FILE* pFile, std::uint64_t& nLength, std::int64_t& nModified)
{
    struct stat st;
    if (fstat(fileno(pFile), &st) != 0)
        return false;
    nLength = static_cast<std::uint64_t>(st.st_size);
    nModified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

} // namespace

std::unique_ptr<ITextSource> CPlainTextSource::Open(const std::string& strPath)
{
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (!pFile)
        return nullptr;
    return std::unique_ptr<ITextSource>(new CPlainTextSource(pFile));
}

CPlainTextSource::CPlainTextSource(std::FILE* pFile) : m_pFile(pFile)
{
    if (!GetFileState(pFile, m_nFileLength, m_nModified))
        m_nFileLength = 0;
    // Blocks go straight into the loader's buffer, not through stdio's.
    std::setvbuf(pFile, nullptr, _IONBF, 0);
}

bool CPlainTextSource::Read(char* pBuffer, std::size_t nMax, std::size_t& nRead)
{
    errno = 0;
    nRead = std::fread(pBuffer, 1, nMax, m_pFile.get());
    m_nRead += nRead;
    if (nRead < nMax && std::ferror(m_pFile.get())) {
        m_strError = std::generic_category().message(errno != 0 ? errno : EIO);
        return false;
    }
    // At the end: a file cut, grown or rewritten while it was read would
    // give a text that is neither its old nor its new version.
    if (nRead < nMax) {
        std::uint64_t nLength = 0;
        std::int64_t nModified = 0;
        if (GetFileState(m_pFile.get(), nLength, nModified)
            && (nLength != m_nFileLength || m_nRead != m_nFileLength || nModified != m_nModified)) {
            m_strError = "The file changed while it was being read";
            return false;
        }
    }
    return true;
}
