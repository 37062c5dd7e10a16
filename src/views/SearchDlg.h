// CSearchDlg: the Search dialog (template 137): the text to find and the
// direction. OK and Cancel are the framework's; the members are exchanged
// with the controls when the dialog opens and when it is confirmed.
#pragma once

#include "framework/Dialog.h"

#include <string>

class CSearchDlg : public CDialog {
public:
    explicit CSearchDlg(CWnd* pParent = nullptr);

    std::string m_strFindWhat;
    // The checked button of the group Up (0), Down (1).
    int m_nDirection = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// The dialog template of the Search dialog, as registered under its id.
DialogTemplate SearchDialogTemplate();
