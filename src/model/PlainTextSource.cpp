#include "model/PlainTextSource.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

std::unique_ptr<ITextSource> CPlainTextSource::Open(const std::string& strPath)
{
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (!pFile)
        return nullptr;
    std::error_code ec;
    std::uintmax_t nFileLength = std::filesystem::file_size(strPath, ec);
    if (ec)
        nFileLength = 0;
    return std::unique_ptr<ITextSource>(new CPlainTextSource(pFile, nFileLength));
}

CPlainTextSource::CPlainTextSource(std::FILE* pFile, std::uint64_t nFileLength)
    : m_pFile(pFile), m_nFileLength(nFileLength)
{
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
    return true;
}
