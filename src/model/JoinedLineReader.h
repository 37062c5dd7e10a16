// Reads a text in large blocks into one buffer and joins its lines in place:
// each line is moved down over the line separators before it, so that the
// buffer ends up holding all lines back to back. Entity texts are runs of
// joined lines, so the loader stores them as ranges of this buffer without
// copying them again. NUL bytes are read as kNulMark.
#pragma once

#include "model/TextSource.h"

#include <cassert>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

class CJoinedLineReader {
public:
    // What a NUL byte of the text becomes: a middle dot in Windows-1252.
    static constexpr char kNulMark = '\xB7';

    // source is read to its end; nSizeHint, the expected number of bytes,
    // sizes the buffer (it grows if the text is longer).
    CJoinedLineReader(ITextSource& source, std::size_t nSizeHint);

    // Calls onLine(nStart, strLine) for every line in file order, strLine
    // lying at GetText() + nStart, directly after the previous line. A line
    // ends at a line feed, which goes together with a carriage return right
    // before it; a lone carriage return stays in the line. False on a read
    // error, which the source names.
    template <class OnLine>
    bool ReadLines(OnLine&& onLine);

    const char* GetText() const { return m_pBuffer.get(); }
    // The length of the joined lines.
    std::size_t GetLength() const { return m_nJoined; }
    std::unique_ptr<char[]> ReleaseText() { return std::move(m_pBuffer); }

private:
    enum class Block { Read, End, Error };
    // Appends the next block of the text to the buffer.
    Block ReadBlock();

    ITextSource& m_source;
    std::unique_ptr<char[]> m_pBuffer;
    std::size_t m_nCapacity;
    std::size_t m_nRead = 0;
    std::size_t m_nJoined = 0;
};

template <class OnLine>
bool CJoinedLineReader::ReadLines(OnLine&& onLine)
{
    std::size_t nLineStart = 0;
    for (;;) {
        const std::size_t nScanned = m_nRead;
        const Block block = ReadBlock();
        if (block == Block::Error)
            return false;
        char* pBuffer = m_pBuffer.get();
        const auto emit = [&](std::size_t nEnd) {
            // The joined text never overtakes the line being read.
            assert(m_nJoined <= nLineStart && nLineStart <= nEnd && nEnd <= m_nRead);
            const std::size_t nLength = nEnd - nLineStart;
            if (m_nJoined != nLineStart)
                std::memmove(pBuffer + m_nJoined, pBuffer + nLineStart, nLength);
            onLine(m_nJoined, std::string_view(pBuffer + m_nJoined, nLength));
            m_nJoined += nLength;
        };
        std::size_t nSearch = nScanned;
        while (const void* pFeed = std::memchr(pBuffer + nSearch, '\n', m_nRead - nSearch)) {
            const std::size_t nFeed = static_cast<std::size_t>(static_cast<const char*>(pFeed) - pBuffer);
            emit(nFeed > nLineStart && pBuffer[nFeed - 1] == '\r' ? nFeed - 1 : nFeed);
            nLineStart = nSearch = nFeed + 1;
        }
        if (block == Block::End) {
            if (nLineStart < m_nRead)
                emit(m_nRead);
            return true;
        }
    }
}
