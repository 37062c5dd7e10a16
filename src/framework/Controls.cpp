#include "framework/Controls.h"

BOOL CStatic::Create(const char* text, DWORD style, const RECT& rect, CWnd* pParent, UINT nID)
{
    return CreateEx(0, WC_STATICA, text, style | WS_CHILD, rect, pParent, nID);
}

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* pParent, UINT nID)
{
    return CreateEx(0, WC_EDITA, "", style | WS_CHILD, rect, pParent, nID);
}

void CEdit::SetSel(int start, int end)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
}

BOOL CButton::Create(const char* text, DWORD style, const RECT& rect, CWnd* pParent, UINT nID)
{
    return CreateEx(0, WC_BUTTONA, text, style | WS_CHILD, rect, pParent, nID);
}

int CButton::GetCheck() const
{
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int nCheck)
{
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* pParent, UINT nID)
{
    return CreateEx(0, PROGRESS_CLASSA, nullptr, style | WS_CHILD, rect, pParent, nID);
}

void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}

int CProgressCtrl::SetStep(int nStep)
{
    return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep)));
}

int CProgressCtrl::StepIt()
{
    return static_cast<int>(SendMessage(PBM_STEPIT));
}

int CProgressCtrl::SetPos(int nPos)
{
    return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos)));
}

int CProgressCtrl::GetPos() const
{
    return static_cast<int>(SendMessage(PBM_GETPOS));
}
