#include "compressed/FileTextSource.h"

#include "compressed/GzipTextSource.h"
#include "compressed/ZipTextSource.h"
#include "model/PlainTextSource.h"

#include <cstdio>
#include <cstring>

namespace {

// The first bytes of a gzip stream, and of a zip archive (a local file
// header, or the end record of an empty archive).
bool IsGzip(const unsigned char* pStart, std::size_t nLength)
{
    return nLength >= 2 && pStart[0] == 0x1f && pStart[1] == 0x8b;
}

bool IsZip(const unsigned char* pStart, std::size_t nLength)
{
    return nLength >= 4
        && (std::memcmp(pStart, "PK\x03\x04", 4) == 0 || std::memcmp(pStart, "PK\x05\x06", 4) == 0);
}

} // namespace

std::unique_ptr<ITextSource> OpenFileTextSource(const std::string& strPath)
{
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (!pFile)
        return nullptr;
    unsigned char aStart[4];
    const std::size_t nStart = std::fread(aStart, 1, sizeof aStart, pFile);
    std::fclose(pFile);
    if (IsGzip(aStart, nStart))
        return CGzipTextSource::Open(strPath);
    if (IsZip(aStart, nStart))
        return CZipTextSource::Open(strPath);
    return CPlainTextSource::Open(strPath);
}
