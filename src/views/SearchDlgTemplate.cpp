// Dialog template 137, the Search dialog, in dialog units; the controls in
// tab order.
#include "views/SearchDlg.h"

#include "res/Resource.h"

DialogTemplate SearchDialogTemplate()
{
    DialogTemplate dialog;
    dialog.caption = "Search";
    dialog.pointSize = 8;
    dialog.cx = 277;
    dialog.cy = 69;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.items = {
        {"EDIT", res::IDC_FIND_WHAT, "", 51, 6, 146, 14,
         WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
        {"BUTTON", IDOK, "Search", 220, 7, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {"BUTTON", IDCANCEL, "Cancel", 220, 31, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
        {"BUTTON", res::IDC_DIRECTION_UP, "Up", 156, 35, 25, 10, WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON},
        {"BUTTON", res::IDC_DIRECTION_DOWN, "Down", 156, 44, 35, 10, WS_VISIBLE | BS_AUTORADIOBUTTON},
        {"STATIC", res::IDC_FIND_WHAT_LABEL, "Find what :", 11, 9, 38, 8, WS_VISIBLE | WS_GROUP | SS_LEFT},
        {"BUTTON", res::IDC_DIRECTION_GROUP, "Direction", 149, 25, 48, 33, WS_VISIBLE | BS_GROUPBOX},
    };
    return dialog;
}
