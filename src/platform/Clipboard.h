// The desktop's clipboard, for text. The program's text is bytes, read as
// Windows-1252 like everything it shows; the clipboard gets the characters,
// which other programs take as the desktop's text.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

// Replaces the clipboard's content with the text. FALSE when there is no
// clipboard to write to.
BOOL SetClipboardTextA(std::string_view text);
// The clipboard's text as Windows-1252 bytes (characters without a byte
// become '?'); empty when it holds no text.
std::string GetClipboardTextA();
