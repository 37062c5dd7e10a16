// The checks made before a file is opened as a document.
#pragma once

#include "model/TextSource.h"

#include <cstdint>
#include <functional>
#include <string>

// True when strPath names a regular file that can be opened for reading;
// otherwise false with the reason in strReason. Anything but a regular file
// is refused: a pipe or a device could block or never end.
bool IsReadableFile(const std::string& strPath, std::string& strReason);

// True when a line of the text begins with '#', as every entity does. The
// open refuses a file without one before the open document is given up; a
// text that cannot be read counts as holding one, for the load to report.
// The text is read up to that line; onBlock gets the bytes of the file read
// so far after each block, for a file that takes long.
bool HoldsEntityLine(ITextSource& source, const std::function<void(std::uint64_t)>& onBlock);
