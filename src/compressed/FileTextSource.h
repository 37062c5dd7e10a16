// The source of a file's text for the loader, chosen by the file's content.
#pragma once

#include "model/TextSource.h"

#include <memory>
#include <string>

// A decoder for a gzip or zip file, the plain reader for any other file;
// null when the file cannot be opened.
std::unique_ptr<ITextSource> OpenFileTextSource(const std::string& strPath);
