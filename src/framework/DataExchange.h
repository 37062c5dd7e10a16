// Dialog data exchange: moves member values into a dialog's controls
// (loading) and back (saving). A missing control fails the exchange, which
// then stops; UpdateData returns FALSE and, when saving, the focus goes to
// that control.
#pragma once

#include "platform/Window.h"

#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    BOOL m_bFailed = FALSE;

    // The control with this id, or null (and the exchange failed).
    HWND PrepareCtrl(int nIDC);
    void Fail();

private:
    HWND m_hWndLastControl = nullptr;
};

// The control's text.
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
// The index of the checked button in the radio group that starts at nIDC
// (up to the next control with WS_GROUP); -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Attaches the member object to the control (subclassing it) the first time.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
