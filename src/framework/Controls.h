// Objects for the platform's standard controls: static text, edit field,
// button and progress bar. Each is a CWnd whose window is a control of the
// standard class; its messages pass on to the control's own procedure.
#pragma once

#include "framework/Wnd.h"
#include "platform/CommCtrl.h"

class CStatic : public CWnd {
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* pParent, UINT nID);
};

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* pParent, UINT nID);
    void SetSel(int start, int end);
};

class CButton : public CWnd {
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* pParent, UINT nID);
    int GetCheck() const;
    void SetCheck(int nCheck);
};

class CProgressCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* pParent, UINT nID);
    void SetRange32(int nLower, int nUpper);
    int SetStep(int nStep);
    int StepIt();
    int SetPos(int nPos);
    int GetPos() const;
};
