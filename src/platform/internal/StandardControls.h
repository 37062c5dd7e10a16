// The platform's standard window classes.
#pragma once

#include "platform/internal/WindowRecord.h"

#include "platform/CommCtrl.h"

void RegisterStandardClasses();

// Procedures of the standard classes (one file each).
LRESULT TreeViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ProgressProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT TabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT TooltipProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Sends hdr, filled in for hwnd and code, to hwnd's parent as WM_NOTIFY;
// nothing for a window without a parent.
void SendNotify(HWND hwnd, NMHDR& hdr, UINT code);

// Tooltips that watch a window get its mouse messages (TTF_SUBCLASS).
void RelayToTooltips(const MSG& msg);
