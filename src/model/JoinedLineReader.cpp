#include "model/JoinedLineReader.h"

#include <algorithm>
#include <cassert>

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

CJoinedLineReader::CJoinedLineReader(ITextSource& source, std::size_t nSizeHint)
    : m_source(source),
      // One byte more than expected, so that the end of the text is seen
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
    char* pBlock = m_pBuffer.get() + m_nRead;
    std::size_t nGot = 0;
    if (!m_source.Read(pBlock, nWanted, nGot))
        return Block::Error;
    MarkNulBytes(pBlock, nGot);
    m_nRead += nGot;
    assert(m_nRead <= m_nCapacity);
    return nGot == nWanted ? Block::Read : Block::End;
}
