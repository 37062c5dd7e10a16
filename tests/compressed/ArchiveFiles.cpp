#include "ArchiveFiles.h"

#include <archive.h>
#include <archive_entry.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

void Check(archive* pArchive, int nResult)
{
    if (nResult != ARCHIVE_OK)
        throw std::runtime_error(archive_error_string(pArchive));
}

void WriteEntry(archive* pArchive, const std::string& strName, const std::string& strContent)
{
    archive_entry* pEntry = archive_entry_new();
    archive_entry_set_pathname(pEntry, strName.c_str());
    archive_entry_set_filetype(pEntry, AE_IFREG);
    archive_entry_set_perm(pEntry, 0644);
    archive_entry_set_size(pEntry, static_cast<la_int64_t>(strContent.size()));
    Check(pArchive, archive_write_header(pArchive, pEntry));
    archive_entry_free(pEntry);
    if (archive_write_data(pArchive, strContent.data(), strContent.size())
        != static_cast<la_ssize_t>(strContent.size()))
        throw std::runtime_error(archive_error_string(pArchive));
}

} // namespace

void WriteGzipFile(const std::string& strPath, const std::string& strContent)
{
    archive* pArchive = archive_write_new();
    Check(pArchive, archive_write_add_filter_gzip(pArchive));
    Check(pArchive, archive_write_set_format_raw(pArchive));
    Check(pArchive, archive_write_open_filename(pArchive, strPath.c_str()));
    WriteEntry(pArchive, "data", strContent);
    Check(pArchive, archive_write_close(pArchive));
    archive_write_free(pArchive);
}

void WriteZipFile(const std::string& strPath, const std::vector<std::pair<std::string, std::string>>& aFiles)
{
    archive* pArchive = archive_write_new();
    Check(pArchive, archive_write_set_format_zip(pArchive));
    Check(pArchive, archive_write_open_filename(pArchive, strPath.c_str()));
    for (const auto& [strName, strContent] : aFiles)
        WriteEntry(pArchive, strName, strContent);
    Check(pArchive, archive_write_close(pArchive));
    archive_write_free(pArchive);
}

std::string ReadWholeFile(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
