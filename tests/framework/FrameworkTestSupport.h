// Helpers for the framework's tests: a catcher for message boxes and the
// settings folder of the whole program.
#pragma once

#include <string>
#include <vector>

namespace fwtest {

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
std::string SettingsFolder();

} // namespace fwtest
