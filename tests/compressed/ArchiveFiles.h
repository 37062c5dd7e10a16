// Gzip files and zip archives written by the tests themselves, with
// libarchive, from texts in memory.
#pragma once

#include <string>
#include <utility>
#include <vector>

// A gzip file holding strContent.
void WriteGzipFile(const std::string& strPath, const std::string& strContent);
// A zip archive holding the named files, deflated, in this order.
void WriteZipFile(const std::string& strPath, const std::vector<std::pair<std::string, std::string>>& aFiles);
std::string ReadWholeFile(const std::string& strPath);
