// A dialog described as data: size and control positions in dialog units
// (a quarter of the font's average character width horizontally, an eighth
// of its height vertically), the font, the caption and the controls in tab
// order.
#pragma once

#include "platform/WinMessages.h"

#include <string>
#include <vector>

struct DialogItemTemplate {
    std::string className; // "BUTTON", "EDIT", "STATIC", or a registered class
    UINT id = 0;
    std::string text;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    DWORD style = WS_VISIBLE; // WS_CHILD is implied
    DWORD exStyle = 0;
};

struct DialogTemplate {
    std::string caption;
    std::string fontFace = "DejaVu Sans";
    int pointSize = 8;
    int cx = 0, cy = 0; // client size, dialog units
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    std::vector<DialogItemTemplate> items; // creation and tab order
};
