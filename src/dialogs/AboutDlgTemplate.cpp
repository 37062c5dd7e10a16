// Dialog template 100, the Info box, in dialog units; the controls in tab
// order.
#include "dialogs/AboutDlg.h"

#include "res/Resource.h"

namespace {

constexpr UINT kUnnamed = static_cast<UINT>(-1);

} // namespace

DialogTemplate AboutDialogTemplate()
{
    DialogTemplate dialog;
    dialog.caption = "Info about Lumenor";
    dialog.pointSize = 8;
    dialog.cx = 217;
    dialog.cy = 77;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.items = {
        {"STATIC", res::IDC_ABOUT_ICON, "", 11, 17, 21, 20, WS_VISIBLE | SS_ICON},
        {"STATIC", kUnnamed, "Lumenor  Version :", 41, 17, 88, 8, WS_VISIBLE | SS_NOPREFIX},
        {"STATIC", kUnnamed, "Copyright \xA9 2026", 41, 29, 88, 8, WS_VISIBLE},
        {"BUTTON", IDOK, "OK", 150, 44, 50, 14, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {"STATIC", kUnnamed, "Velmora", 41, 41, 75, 8, WS_VISIBLE},
        {"STATIC", res::IDC_HOMEPAGE_LINK, kHomepageAddress, 41, 53, 100, 8, WS_VISIBLE},
        {"STATIC", res::IDC_VERSION, "<VersionNumber>", 129, 17, 81, 8, WS_VISIBLE | SS_NOPREFIX},
    };
    return dialog;
}
