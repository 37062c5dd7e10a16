// Where the loader reads a file's text from: the file itself, or the text
// inside a compressed file. A source hands out the text's bytes in order, a
// block at a time; the loader splits the lines, whatever the source.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class ITextSource {
public:
    virtual ~ITextSource() = default;

    // Reads the next bytes of the text into pBuffer, nMax of them unless the
    // text ends first, and sets nRead (0 at the end). False on an error,
    // which GetError then names.
    virtual bool Read(char* pBuffer, std::size_t nMax, std::size_t& nRead) = 0;
    virtual const std::string& GetError() const = 0;
    // The expected length of the text; it sizes the loader's buffer, which
    // grows when the text turns out longer.
    virtual std::uint64_t GetTextLengthHint() const = 0;
    // The length of the file itself, and how much of it the text read so
    // far has taken: the progress of a compressed file.
    virtual std::uint64_t GetFileLength() const = 0;
    virtual std::uint64_t GetFileBytesRead() const = 0;
    // False when the text is the file itself.
    virtual bool IsCompressed() const = 0;
};

// Opens the source of the file at strPath; null when the file cannot be
// opened. A file that opens but cannot be decoded gives a source whose
// first Read fails with the reason.
using TextSourceOpener = std::function<std::unique_ptr<ITextSource>(const std::string& strPath)>;
