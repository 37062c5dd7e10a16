// Whether Qt will be able to open a display, asked before the Qt
// application is made: Qt aborts the process when it cannot.
#pragma once

#include <string>

// Why no display can be opened, for the user; empty when one can (or
// when there is no way to tell beforehand).
std::string DisplayProblem();
