// The framework's standard message for a file that cannot be opened: it
// names the file and the reason, in a message box owned by the main window.
#pragma once

#include <string>

// Why the file cannot be opened for reading ("the file does not exist",
// "it is a folder", ...), or an empty string when it can. Only regular
// files are readable documents: reading a pipe or a device could block.
std::string CannotOpenReason(const std::string& path);

// The text of the message, and the message box itself.
std::string FormatOpenFailure(const std::string& path, const std::string& reason);
void ReportOpenFailure(const std::string& path, const std::string& reason);
