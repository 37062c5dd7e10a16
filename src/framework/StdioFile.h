// CStdioFile: reads a file line by line in text mode. A line ends at a line
// feed, which is removed, together with a carriage return right before it;
// a carriage return anywhere else stays in the line. Lines may be of any
// length. The file is only ever read.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class CStdioFile {
public:
    CStdioFile() = default;
    ~CStdioFile();
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    // Opens for reading; on failure the reason is in GetErrorText().
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return m_pFile != nullptr; }

    // The next line without its end; false at the end of the file (or after
    // a read error, see GetErrorText()). A last line without a line feed is
    // still a line; an empty file has none.
    bool ReadString(std::string& line);
    // Bytes consumed so far, for progress.
    unsigned long long GetPosition() const { return m_nConsumed; }
    const std::string& GetErrorText() const { return m_strError; }

private:
    bool Fill();

    std::FILE* m_pFile = nullptr;
    std::vector<char> m_buffer;
    size_t m_nStart = 0; // unread part of the buffer: [m_nStart, m_nEnd)
    size_t m_nEnd = 0;
    bool m_bEof = false;
    unsigned long long m_nConsumed = 0;
    std::string m_strError;
};
