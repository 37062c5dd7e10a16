#include "platform/internal/StandardControls.h"

#include "platform/CommCtrl.h"
#include "platform/Gdi.h"

namespace {

void Register(const char* name, WNDPROC proc, WidgetKind kind, HBRUSH background)
{
    WNDCLASSA wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterWindowClassOfKind(&wc, kind);
}

} // namespace

void RegisterStandardClasses()
{
    Register(WC_TREEVIEWA, TreeViewProc, WidgetKind::Plain, GetSysColorBrush(COLOR_WINDOW));
    Register(PROGRESS_CLASSA, ProgressProc, WidgetKind::Plain, GetSysColorBrush(COLOR_BTNFACE));
    Register(WC_STATICA, StaticProc, WidgetKind::Plain, GetSysColorBrush(COLOR_BTNFACE));
    Register(WC_EDITA, EditProc, WidgetKind::LineEdit, GetSysColorBrush(COLOR_WINDOW));
    Register(WC_BUTTONA, ButtonProc, WidgetKind::Plain, GetSysColorBrush(COLOR_BTNFACE));
    Register(WC_LISTVIEWA, ListViewProc, WidgetKind::Plain, GetSysColorBrush(COLOR_WINDOW));
    Register(WC_TABCONTROLA, TabControlProc, WidgetKind::Plain, GetSysColorBrush(COLOR_BTNFACE));
    Register(TOOLTIPS_CLASSA, TooltipProc, WidgetKind::Plain, GetSysColorBrush(COLOR_INFOBK));
}

void SendNotify(HWND hwnd, NMHDR& hdr, UINT code)
{
    const WindowRecord* rec = LiveWindow(hwnd);
    if (!rec || !rec->parent)
        return;
    hdr.hwndFrom = hwnd;
    hdr.idFrom = rec->id;
    hdr.code = code;
    SendMessageA(rec->parent, WM_NOTIFY, rec->id, reinterpret_cast<LPARAM>(&hdr));
}
