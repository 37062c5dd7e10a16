// Dialog template 142, the Go to Entity dialog, in dialog units, laid out
// like the Search dialog; the controls in tab order.
#include "views/GotoEntityDlg.h"

#include "res/Resource.h"

DialogTemplate GotoEntityDialogTemplate()
{
    DialogTemplate dialog;
    dialog.caption = "Go to Entity";
    dialog.pointSize = 8;
    dialog.cx = 277;
    dialog.cy = 50;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.items = {
        {"EDIT", res::IDC_ENTITY_NUMBER, "", 66, 6, 131, 14,
         WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
        {"BUTTON", IDOK, "Go to", 220, 7, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {"BUTTON", IDCANCEL, "Cancel", 220, 28, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
        {"STATIC", res::IDC_ENTITY_NUMBER_LABEL, "Entity number :", 11, 9, 53, 8,
         WS_VISIBLE | WS_GROUP | SS_LEFT},
        {"STATIC", res::IDC_GOTO_MESSAGE, "", 11, 28, 200, 16, WS_VISIBLE | SS_LEFT},
    };
    return dialog;
}
