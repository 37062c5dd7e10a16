// Dialog template 141, the Usage dialog, in dialog units; the controls in
// tab order.
#include "dialogs/UsageDlg.h"

#include "res/Resource.h"

DialogTemplate UsageDialogTemplate()
{
    DialogTemplate dialog;
    dialog.caption = "Lumenor Usage";
    dialog.pointSize = 8;
    dialog.cx = 514;
    dialog.cy = 126;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.items = {
        {"BUTTON", IDOK, "OK", 457, 105, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        // Read-only text that wraps at the control's width; the line feeds
        // of the text start new lines.
        {"STATIC", res::IDC_USAGE_TEXT, "Usage", 7, 7, 500, 92, WS_VISIBLE | SS_NOPREFIX},
    };
    return dialog;
}
