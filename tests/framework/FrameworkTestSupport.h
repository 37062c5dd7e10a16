// Helpers for the framework's tests: temporary folders and files, and a
// catcher for message boxes.
#pragma once

#include <string>
#include <vector>

namespace fwtest {

// A fresh folder under the system's temporary folder, removed with its
// contents at the end of the scope.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void WriteFile(const std::string& path, const std::string& bytes);

// Message boxes shown meanwhile are recorded (and answered OK) instead.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();

    std::vector<std::string> texts;
    std::vector<std::string> captions;
};

// Where the per-user settings of every test go: a temporary folder set
// before the first test, never the user's own.
const std::string& SettingsFolder();

} // namespace fwtest
