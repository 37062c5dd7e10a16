// The first .ifc file of a zip archive, decompressed by libarchive as the
// loader reads it.
#pragma once

#include "model/TextSource.h"

#include <memory>
#include <string>

struct archive;

class CZipTextSource : public ITextSource {
public:
    // Null when the file cannot be opened. A damaged archive, or one without
    // an .ifc file, gives a source whose first Read fails with the reason.
    static std::unique_ptr<ITextSource> Open(const std::string& strPath);
    ~CZipTextSource() override;

    bool Read(char* pBuffer, std::size_t nMax, std::size_t& nRead) override;
    const std::string& GetError() const override { return m_strError; }
    std::uint64_t GetTextLengthHint() const override { return m_nTextLength; }
    std::uint64_t GetFileLength() const override { return m_nFileLength; }
    std::uint64_t GetFileBytesRead() const override { return m_nFileBytesRead; }
    bool IsCompressed() const override { return true; }

private:
    CZipTextSource(int fd, std::uint64_t nFileLength);
    // Opens the archive and moves to its first .ifc file; false with
    // m_strError set.
    bool StartText();
    void Fail(const char* pReason);

    int m_fd;
    struct archive* m_pArchive = nullptr;
    std::uint64_t m_nFileLength;
    std::uint64_t m_nTextLength = 0;
    std::uint64_t m_nFileBytesRead = 0;
    std::string m_strError;
};
