// CDialog: a modal dialog made from a dialog template (registered under its
// id or given directly). DoModal creates the dialog and its controls, runs
// a modal loop while the owner is disabled, and returns the id passed to
// EndDialog: IDOK from OnOK (after the data exchange back to the members
// succeeded), IDCANCEL from OnCancel, Escape or the close box, -1 when the
// dialog could not be made. Tab and Shift+Tab move between the controls
// with WS_TABSTOP, Enter presses the default button.
#pragma once

#include "framework/DialogTemplate.h"
#include "framework/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(DialogTemplate dialogTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual int DoModal();
    void EndDialog(int nResult);

    // TRUE: controls to members (saving); FALSE: members to controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Checks one button of a radio group and unchecks the others.
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    // Moves the focus to a control (selecting an edit field's text).
    void GotoDlgCtrl(HWND hwndCtrl);
    // Dialog units to pixels with the dialog's font.
    void MapDialogRect(RECT* rect) const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

protected:
    // Default: members to controls; TRUE gives the focus to the first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    void OnClose() override;
    LRESULT HandleInitDialog(WPARAM, LPARAM);

    UINT m_nIDTemplate = 0;
    DialogTemplate m_template;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateDialogWindow(const DialogTemplate& tmpl, CWnd* pOwner);
    HWND NextTabStop(HWND from, bool backwards) const;
    HWND DefaultButton() const;

    HFONT m_hFont = nullptr;
    SIZE m_baseUnits{};
    int m_nModalResult = -1;
    bool m_bInModalLoop = false;
    bool m_bEnded = false;
};
