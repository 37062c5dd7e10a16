// Messages and codes that the framework adds to the window system's own:
// private messages between frames, views and bars, and the codes under
// which commands and their update requests travel through OnCmdMsg.
#pragma once

#include "platform/WinMessages.h"

// wParam: string id of the text for the frame's message pane (0: none).
constexpr UINT WM_SETMESSAGESTRING = 0x0362;
// Sent to the frame and its bars when idle: refresh enabled/checked states.
constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;
// Sent to every view of a frame after its document was made or opened.
constexpr UINT WM_INITIALUPDATE = 0x0364;
// wParam: string id to show; the pane's idle text returns on the next pop.
constexpr UINT WM_POPMESSAGESTRING = 0x0375;

// Messages that a parent hands back to the child control that sent them
// (WM_COMMAND notifications, WM_CTLCOLORSTATIC) arrive in the child's
// message map under WM_REFLECT_BASE + the message, so that a control can
// handle its own notifications and colours.
constexpr UINT WM_REFLECT_BASE = 0xBC00;
// nCtlColor of a reflected WM_CTLCOLORSTATIC.
constexpr UINT CTLCOLOR_STATIC = 6;

// OnCmdMsg codes: a command, or a request to update its user-interface.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// WM_MENUSELECT flags (high word of wParam) when the menu closes.
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_MENUCLOSED = 0xFFFF;

// Menus are the framework's own objects (CMenu); in these two messages
// wParam carries the CMenu*. WM_INITMENU comes from the window system's set.
constexpr UINT WM_INITMENUPOPUP = 0x0117;
