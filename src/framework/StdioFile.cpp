#include "framework/StdioFile.h"

#include "framework/FileOpenError.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr size_t kBufferSize = 1 << 16;

} // namespace

CStdioFile::~CStdioFile()
{
    Close();
}

bool CStdioFile::Open(const std::string& path)
{
    Close();
    m_strError = CannotOpenReason(path);
    if (!m_strError.empty())
        return false;
    m_pFile = std::fopen(path.c_str(), "rb");
    if (!m_pFile) {
        m_strError = std::strerror(errno);
        return false;
    }
    m_buffer.resize(kBufferSize);
    m_nStart = m_nEnd = 0;
    m_bEof = false;
    m_nConsumed = 0;
    return true;
}

void CStdioFile::Close()
{
    if (m_pFile)
        std::fclose(m_pFile);
    m_pFile = nullptr;
}

bool CStdioFile::Fill()
{
    if (m_bEof || !m_pFile)
        return false;
    const size_t n = std::fread(m_buffer.data(), 1, m_buffer.size(), m_pFile);
    if (n == 0) {
        if (std::ferror(m_pFile))
            m_strError = std::strerror(errno);
        m_bEof = true;
        return false;
    }
    m_nStart = 0;
    m_nEnd = n;
    return true;
}

bool CStdioFile::ReadString(std::string& line)
{
    line.clear();
    bool any = false;
    for (;;) {
        if (m_nStart == m_nEnd && !Fill())
            return any;
        any = true;
        const char* begin = m_buffer.data() + m_nStart;
        const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', m_nEnd - m_nStart));
        if (!lf) {
            line.append(begin, m_nEnd - m_nStart);
            m_nConsumed += m_nEnd - m_nStart;
            m_nStart = m_nEnd;
            continue;
        }
        const size_t length = static_cast<size_t>(lf - begin);
        line.append(begin, length);
        m_nStart += length + 1;
        m_nConsumed += length + 1;
        // Text mode: CR LF ends a line like LF alone (the CR may have come
        // at the end of the previous buffer).
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }
}
