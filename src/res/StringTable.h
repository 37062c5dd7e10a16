// The string table: every text that Lumenor shows, looked up by id.
#pragma once

#include <string>

namespace res {

// The string with this id, or an empty string when the table has none.
// Command ids map to their prompt: status-bar text, then a line feed and the
// tooltip where the command has one.
const std::string& LoadString(unsigned id);

// printf-style formatting of a table string with one integer argument.
std::string FormatString(unsigned id, int value);

} // namespace res
