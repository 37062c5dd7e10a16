#include "platform/internal/KeyMapping.h"

#include "platform/WinMessages.h"

namespace {

struct KeyPair {
    int qt;
    int vk;
};

// Keys whose code does not follow from a character range.
constexpr KeyPair kNamedKeys[] = {
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_Print, 0x2C},
};

// Punctuation of a US layout, as the classic OEM codes.
constexpr KeyPair kOemKeys[] = {
    {Qt::Key_Semicolon, 0xBA},    {Qt::Key_Colon, 0xBA},      {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},         {Qt::Key_Comma, 0xBC},      {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},        {Qt::Key_Underscore, 0xBD}, {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},      {Qt::Key_Slash, 0xBF},      {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},    {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},    {Qt::Key_Backslash, 0xDC},  {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD}, {Qt::Key_BraceRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
};

// Digits and signs of the number pad.
constexpr KeyPair kPadKeys[] = {
    {Qt::Key_Plus, VK_ADD},     {Qt::Key_Minus, VK_SUBTRACT}, {Qt::Key_Asterisk, VK_MULTIPLY},
    {Qt::Key_Slash, VK_DIVIDE}, {Qt::Key_Period, 0x6E},       {Qt::Key_Comma, 0x6E},
};

// Shifted digits on a US layout report their symbol; the key is the digit.
constexpr KeyPair kShiftedDigits[] = {
    {Qt::Key_Exclam, '1'},    {Qt::Key_At, '2'},          {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},   {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},  {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
};

} // namespace

int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return 0x60 + (qtKey - Qt::Key_0);
        for (const KeyPair& k : kPadKeys) {
            if (k.qt == qtKey)
                return k.vk;
        }
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    for (const KeyPair& k : kNamedKeys) {
        if (k.qt == qtKey)
            return k.vk;
    }
    for (const KeyPair& k : kOemKeys) {
        if (k.qt == qtKey)
            return k.vk;
    }
    for (const KeyPair& k : kShiftedDigits) {
        if (k.qt == qtKey)
            return k.vk;
    }
    return 0;
}

int QtKeyOf(int virtKey)
{
    if (virtKey >= 'A' && virtKey <= 'Z')
        return Qt::Key_A + (virtKey - 'A');
    if (virtKey >= '0' && virtKey <= '9')
        return Qt::Key_0 + (virtKey - '0');
    if (virtKey >= VK_F1 && virtKey < VK_F1 + 24)
        return Qt::Key_F1 + (virtKey - VK_F1);
    for (const KeyPair& k : kNamedKeys) {
        if (k.vk == virtKey)
            return k.qt;
    }
    for (const KeyPair& k : kPadKeys) {
        if (k.vk == virtKey)
            return k.qt;
    }
    for (const KeyPair& k : kOemKeys) {
        if (k.vk == virtKey)
            return k.qt;
    }
    return Qt::Key_unknown;
}
