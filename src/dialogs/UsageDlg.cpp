#include "dialogs/UsageDlg.h"

#include "framework/DataExchange.h"
#include "framework/ResourceRegistry.h"
#include "res/Resource.h"
#include "res/StringTable.h"

CUsageDlg::CUsageDlg(CWnd* pParent)
    : CDialog(res::IDD_USAGE, pParent), m_strUsage(res::LoadString(res::IDS_USAGE_TEXT))
{
    if (!FindDialogResource(res::IDD_USAGE))
        RegisterDialogResource(res::IDD_USAGE, UsageDialogTemplate());
}

void CUsageDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, res::IDC_USAGE_TEXT, m_strUsage);
}
