#include "model/JoinedLineReader.h"

#include <algorithm>
#include <cerrno>

namespace {

// Large enough that the per-call cost vanishes, small enough that a block is
// still in the cache when its lines are joined.
constexpr std::size_t kBlockSize = std::size_t{1} << 20;

// Labels are zero-terminated: a NUL byte would end an entity's label while
// the reference scan went on past it. It is shown as a middle dot instead,
// the same text for every view.
void MarkNulBytes(char* pBytes, std::size_t nCount)
{
    char* pEnd = pBytes + nCount;
    while (auto* pNul =
               static_cast<char*>(std::memchr(pBytes, '\0', static_cast<std::size_t>(pEnd - pBytes)))) {
        *pNul = CJoinedLineReader::kNulMark;
        pBytes = pNul + 1;
    }
}

} // namespace

CJoinedLineReader::CJoinedLineReader(std::FILE* pFile, std::size_t nSizeHint)
    : m_pFile(pFile),
      // One byte more than expected, so that the end of the file is seen
      // without growing the buffer.
      m_pBuffer(std::make_unique_for_overwrite<char[]>(nSizeHint + 1)),
      m_nCapacity(nSizeHint + 1)
{
}

CJoinedLineReader::Block CJoinedLineReader::ReadBlock()
{
    if (m_nRead == m_nCapacity) {
        const std::size_t nCapacity = std::max(m_nCapacity * 2, m_nCapacity + kBlockSize);
        auto pBuffer = std::make_unique_for_overwrite<char[]>(nCapacity);
        std::memcpy(pBuffer.get(), m_pBuffer.get(), m_nRead);
        m_pBuffer = std::move(pBuffer);
        m_nCapacity = nCapacity;
    }
    const std::size_t nWanted = std::min(kBlockSize, m_nCapacity - m_nRead);
    errno = 0;
    char* pBlock = m_pBuffer.get() + m_nRead;
    const std::size_t nGot = std::fread(pBlock, 1, nWanted, m_pFile);
    MarkNulBytes(pBlock, nGot);
    m_nRead += nGot;
    if (nGot == nWanted)
        return Block::Read;
    if (std::ferror(m_pFile)) {
        m_nError = errno != 0 ? errno : EIO;
        return Block::Error;
    }
    return Block::End;
}
