#include "compressed/GzipTextSource.h"

#include "compressed/OpenedFile.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace {

constexpr std::size_t kInputBlock = 256 * 1024;
// zlib reads the gzip header and checks the trailer itself with this.
constexpr int kGzipWindowBits = 16 + MAX_WBITS;

} // namespace

std::unique_ptr<ITextSource> CGzipTextSource::Open(const std::string& strPath)
{
    std::uint64_t nFileLength = 0;
    const int fd = OpenForReading(strPath, nFileLength);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<ITextSource>(new CGzipTextSource(fd, nFileLength));
}

CGzipTextSource::CGzipTextSource(int fd, std::uint64_t nFileLength)
    : m_fd(fd),
      m_nFileLength(nFileLength),
      m_pInput(std::make_unique_for_overwrite<unsigned char[]>(kInputBlock))
{
    // The length field is right for the usual file of one member under
    // 4 GB; it only sizes the loader's buffer, capped in case it is damaged.
    m_nTextLength = std::min(LengthField(), m_nFileLength * kMaxExpansion);
    m_bInflating = inflateInit2(&m_stream, kGzipWindowBits) == Z_OK;
    if (!m_bInflating)
        m_strError = "out of memory";
}

CGzipTextSource::~CGzipTextSource()
{
    if (m_bInflating)
        inflateEnd(&m_stream);
    ::close(m_fd);
}

std::uint64_t CGzipTextSource::LengthField() const
{
    unsigned char aField[4];
    if (m_nFileLength < 18
        || ::pread(m_fd, aField, sizeof aField, static_cast<off_t>(m_nFileLength - 4)) != 4)
        return 0;
    return aField[0] | aField[1] << 8 | aField[2] << 16 | std::uint64_t{aField[3]} << 24;
}

CGzipTextSource::Input CGzipTextSource::FillInput()
{
    ssize_t nGot;
    do
        nGot = ::read(m_fd, m_pInput.get(), kInputBlock);
    while (nGot < 0 && errno == EINTR);
    if (nGot < 0) {
        m_strError = std::generic_category().message(errno);
        return Input::Error;
    }
    m_stream.next_in = m_pInput.get();
    m_stream.avail_in = static_cast<uInt>(nGot);
    m_nInputRead += static_cast<std::uint64_t>(nGot);
    return nGot == 0 ? Input::End : Input::Read;
}

bool CGzipTextSource::Read(char* pBuffer, std::size_t nMax, std::size_t& nRead)
{
    nRead = 0;
    if (!m_strError.empty())
        return false;
    m_stream.next_out = reinterpret_cast<Bytef*>(pBuffer);
    m_stream.avail_out = static_cast<uInt>(std::min<std::size_t>(nMax, 1u << 30));
    while (m_stream.avail_out > 0 && !m_bEnd) {
        if (m_stream.avail_in == 0) {
            const Input input = FillInput();
            if (input == Input::Error)
                return false;
            if (input == Input::End) {
                if (!m_bBetweenMembers) {
                    m_strError = "the gzip file is cut short";
                    return false;
                }
                m_bEnd = true;
                break;
            }
        }
        if (m_bBetweenMembers) {
            // Members may follow one another; what follows the last one (as
            // the zeros some tools pad with) is not text, and gzip skips it too.
            if (m_stream.next_in[0] != 0x1f) {
                m_bEnd = true;
                break;
            }
            inflateReset(&m_stream);
            m_bBetweenMembers = false;
        }
        const uInt nInputBefore = m_stream.avail_in;
        const int nResult = inflate(&m_stream, Z_NO_FLUSH);
        if (nResult == Z_STREAM_END) {
            m_bBetweenMembers = true;
        } else if (nResult == Z_MEM_ERROR) {
            m_strError = "out of memory";
            return false;
        } else if (nResult != Z_OK && !(nResult == Z_BUF_ERROR && nInputBefore == 0)) {
            m_strError = std::string("the gzip data is damaged (")
                + (m_stream.msg ? m_stream.msg : "unknown error") + ")";
            return false;
        }
    }
    nRead = static_cast<std::size_t>(reinterpret_cast<char*>(m_stream.next_out) - pBuffer);
    return true;
}
