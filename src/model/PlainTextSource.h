// The text of an uncompressed file: the file's bytes as they are, as long
// as nobody changes the file while it is read.
#pragma once

#include "model/TextSource.h"

#include <cstdio>
#include <memory>
#include <string>

class CPlainTextSource : public ITextSource {
public:
    // Null when the file cannot be opened for reading.
    static std::unique_ptr<ITextSource> Open(const std::string& strPath);

    bool Read(char* pBuffer, std::size_t nMax, std::size_t& nRead) override;
    const std::string& GetError() const override { return m_strError; }
    std::uint64_t GetTextLengthHint() const override { return m_nFileLength; }
    std::uint64_t GetFileLength() const override { return m_nFileLength; }
    std::uint64_t GetFileBytesRead() const override { return m_nRead; }
    bool IsCompressed() const override { return false; }

private:
    struct FileCloser {
        void operator()(std::FILE* pFile) const { std::fclose(pFile); }
    };

    explicit CPlainTextSource(std::FILE* pFile);

    std::unique_ptr<std::FILE, FileCloser> m_pFile;
    // The file as it was opened: a change found at its end fails the read.
    std::uint64_t m_nFileLength = 0;
    std::int64_t m_nModified = 0;
    std::uint64_t m_nRead = 0;
    std::string m_strError;
};
