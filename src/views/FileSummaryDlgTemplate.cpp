// Dialog template 143, the File Summary dialog, in dialog units: the file's
// figures, then the two pages on a tab control (the page controls lie over
// it and are shown by page), then the buttons; the controls in tab order.
#include "views/FileSummaryDlg.h"

#include "platform/CommCtrl.h"
#include "res/Resource.h"

DialogTemplate FileSummaryDialogTemplate()
{
    DialogTemplate dialog;
    dialog.caption = "File Summary";
    dialog.pointSize = 8;
    dialog.cx = 300;
    dialog.cy = 262;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD list = WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LVS_REPORT | LVS_OWNERDATA
        | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
    dialog.items = {
        {"STATIC", res::IDC_SUMMARY_LABELS, "File:", 7, 7, 62, 10, WS_VISIBLE | SS_LEFT},
        {"STATIC", res::IDC_SUMMARY_LABELS, "Size:", 7, 17, 62, 10, WS_VISIBLE | SS_LEFT},
        {"STATIC", res::IDC_SUMMARY_LABELS, "Entities:", 7, 27, 62, 10, WS_VISIBLE | SS_LEFT},
        {"STATIC", res::IDC_SUMMARY_LABELS, "Highest number:", 7, 37, 62, 10, WS_VISIBLE | SS_LEFT},
        {"STATIC", res::IDC_SUMMARY_FILE, "", 70, 7, 223, 10, WS_VISIBLE | SS_LEFT | SS_NOPREFIX},
        {"STATIC", res::IDC_SUMMARY_SIZE, "", 70, 17, 223, 10, WS_VISIBLE | SS_LEFT | SS_NOPREFIX},
        {"STATIC", res::IDC_SUMMARY_ENTITIES, "", 70, 27, 223, 10, WS_VISIBLE | SS_LEFT | SS_NOPREFIX},
        {"STATIC", res::IDC_SUMMARY_HIGHEST, "", 70, 37, 223, 10, WS_VISIBLE | SS_LEFT | SS_NOPREFIX},
        {WC_TABCONTROLA, res::IDC_SUMMARY_TABS, "", 7, 52, 286, 183, WS_VISIBLE | WS_TABSTOP | WS_GROUP},
        {"STATIC", res::IDC_TYPE_FILTER_LABEL, "Filter:", 15, 74, 30, 10, WS_VISIBLE | SS_LEFT},
        {"EDIT", res::IDC_TYPE_FILTER, "", 47, 71, 238, 14, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
        {WC_LISTVIEWA, res::IDC_TYPE_LIST, "", 15, 90, 270, 138, list},
        {"STATIC", res::IDC_PROBLEM_STATUS, "", 15, 72, 270, 10, SS_LEFT | SS_NOPREFIX},
        {"BUTTON", res::IDC_LIST_ISOLATED, "List isolated entities", 15, 84, 270, 12,
         WS_TABSTOP | BS_AUTOCHECKBOX},
        {WC_LISTVIEWA, res::IDC_PROBLEM_LIST, "", 15, 100, 270, 128, list & ~WS_VISIBLE},
        {"BUTTON", res::IDC_WALK_PREVIOUS, "Previous", 131, 241, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
        {"BUTTON", res::IDC_WALK_NEXT, "Next", 187, 241, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {"BUTTON", IDCANCEL, "Close", 243, 241, 50, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
    };
    return dialog;
}
