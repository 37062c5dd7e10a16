// CAboutDlg: the Info box (template 100): the program's version, read from
// its own version block when the box is made, and a link to the maker's
// homepage.
#pragma once

#include "dialogs/LinkLabel.h"
#include "framework/Dialog.h"

#include <string>

// The maker's homepage: the link's text and its target.
inline constexpr const char* kHomepageAddress = "https://www.velmora.example";

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);

    CLinkLabel m_wndLink;
    // The file version exactly as the version block holds it ("1, 1, 0, 0");
    // empty when the block cannot be read.
    std::string m_strVersion;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};

// The dialog template of the Info box, as registered under its id.
DialogTemplate AboutDialogTemplate();
