// Upper-casing of single-byte text read as Windows-1252, the way the search
// compares labels when it ignores case.
#pragma once

#include <string>
#include <string_view>

// Writes the upper-case form of strText into strUpper, reusing its storage.
void UpperCase1252(std::string_view strText, std::string& strUpper);
