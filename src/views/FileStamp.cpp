#include "views/FileStamp.h"

#include <system_error>

CFileStamp CFileStamp::Of(const std::string& strPath)
{
    CFileStamp stamp;
    std::error_code ecTime, ecLength;
    stamp.timeModified = std::filesystem::last_write_time(strPath, ecTime);
    stamp.nLength = std::filesystem::file_size(strPath, ecLength);
    stamp.bExists = !ecTime && !ecLength;
    return stamp;
}
