#include "dialogs/AboutDlg.h"

#include "dialogs/VersionInfo.h"
#include "framework/DataExchange.h"
#include "framework/ResourceRegistry.h"
#include "platform/Gdi.h"
#include "res/ProgramIcon.h"
#include "res/Resource.h"
#include "res/StringTable.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(res::IDD_ABOUTBOX, pParent)
{
    // The template is data of this layer; an application that registered
    // its own under the id keeps it.
    if (!FindDialogResource(res::IDD_ABOUTBOX))
        RegisterDialogResource(res::IDD_ABOUTBOX, AboutDialogTemplate());
    if (!FindIconResource(res::IDR_MAINFRAME)) {
        const std::string_view icon = res::ProgramIconSvg();
        RegisterIconResource(res::IDR_MAINFRAME, CreateIconFromSvg(icon.data(), icon.size()));
    }
    // Read anew each time the box opens.
    CVersionInfo version;
    version.ReadFromModule(nullptr);
    m_strVersion = version.GetFileVersion();
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, res::IDC_HOMEPAGE_LINK, m_wndLink);
    DDX_Text(pDX, res::IDC_VERSION, m_strVersion);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessageA(GetDlgItem(res::IDC_ABOUT_ICON), STM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(FindIconResource(res::IDR_MAINFRAME)));
    m_wndLink.SetTarget(kHomepageAddress);
    m_wndLink.EnableTip(TRUE);
    m_wndLink.SetTipText(res::LoadString(res::IDS_HOMEPAGE_TIP));
    m_wndLink.SetTipBkColor(RGB(255, 255, 200));
    m_wndLink.SetTipTextColor(RGB(0, 0, 0));
    m_wndLink.SetNormalColor(RGB(0, 0, 255));
    m_wndLink.SetHotColor(RGB(75, 75, 255));
    m_wndLink.SetVisitedColor(RGB(200, 0, 200));
    return TRUE;
}
