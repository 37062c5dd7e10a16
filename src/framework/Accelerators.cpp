#include "framework/Accelerators.h"

#include "platform/Window.h"

WORD FindAccelerator(const std::vector<ACCEL>& table, const MSG& msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return 0;
    BYTE down = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        down |= FSHIFT;
    if (GetKeyState(VK_CONTROL) < 0)
        down |= FCONTROL;
    if (GetKeyState(VK_MENU) < 0)
        down |= FALT;
    for (const ACCEL& a : table) {
        const BYTE want = a.fVirt & (FSHIFT | FCONTROL | FALT);
        if (a.key == msg.wParam && want == down)
            return a.cmd;
    }
    return 0;
}

BOOL TranslateAccelerator(HWND hwnd, const std::vector<ACCEL>& table, const MSG& msg)
{
    const WORD cmd = FindAccelerator(table, msg);
    if (cmd == 0)
        return FALSE;
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(cmd, 1), 0);
    return TRUE;
}
