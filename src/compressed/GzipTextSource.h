// The text of a gzip file, inflated by zlib as the loader reads it. The
// check value and length at the end of each member are verified, so that a
// damaged file is refused rather than read as a different text.
#pragma once

#include "model/TextSource.h"

#include <zlib.h>

#include <memory>
#include <string>

class CGzipTextSource : public ITextSource {
public:
    // Null when the file cannot be opened.
    static std::unique_ptr<ITextSource> Open(const std::string& strPath);
    ~CGzipTextSource() override;

    bool Read(char* pBuffer, std::size_t nMax, std::size_t& nRead) override;
    const std::string& GetError() const override { return m_strError; }
    std::uint64_t GetTextLengthHint() const override { return m_nTextLength; }
    std::uint64_t GetFileLength() const override { return m_nFileLength; }
    std::uint64_t GetFileBytesRead() const override { return m_nInputRead - m_stream.avail_in; }
    bool IsCompressed() const override { return true; }

private:
    enum class Input { Read, End, Error };

    CGzipTextSource(int fd, std::uint64_t nFileLength);
    // Reads the next block of the file once the last one is used up.
    Input FillInput();
    // The length that the file's last four bytes give (modulo 4 GB), or 0.
    std::uint64_t LengthField() const;

    int m_fd;
    std::uint64_t m_nFileLength;
    std::uint64_t m_nTextLength = 0;
    std::uint64_t m_nInputRead = 0;
    std::unique_ptr<unsigned char[]> m_pInput;
    z_stream m_stream{};
    bool m_bInflating = false;
    // A member has ended; another may follow.
    bool m_bBetweenMembers = false;
    bool m_bEnd = false;
    std::string m_strError;
};
