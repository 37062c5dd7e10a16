// CUsageDlg: the Usage dialog (template 141), a fixed text on how to work
// with the two trees and the search.
#pragma once

#include "framework/Dialog.h"

#include <string>

class CUsageDlg : public CDialog {
public:
    explicit CUsageDlg(CWnd* pParent = nullptr);

    std::string m_strUsage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// The dialog template of the Usage dialog, as registered under its id.
DialogTemplate UsageDialogTemplate();
