#include "compressed/OpenedFile.h"

#include <fcntl.h>
#include <sys/stat.h>

int OpenForReading(const std::string& strPath, std::uint64_t& nFileLength)
{
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status { };
    nFileLength = fd >= 0 && ::fstat(fd, &status) == 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
    return fd;
}
