#pragma once

#include "platform/Window.h"

#include <string>
#include <vector>

// A drop handle for WM_DROPFILES; DragFinish frees it.
HDROP NewDropRecord(std::vector<std::string> files);
