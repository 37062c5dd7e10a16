#include "views/SearchDlg.h"

#include "framework/DataExchange.h"
#include "framework/ResourceRegistry.h"
#include "res/Resource.h"

CSearchDlg::CSearchDlg(CWnd* pParent) : CDialog(res::IDD_SEARCH, pParent)
{
    // The template is data of this layer; an application that registered
    // its own under the id keeps it.
    if (!FindDialogResource(res::IDD_SEARCH))
        RegisterDialogResource(res::IDD_SEARCH, SearchDialogTemplate());
}

void CSearchDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, res::IDC_FIND_WHAT, m_strFindWhat);
    DDX_Radio(pDX, res::IDC_DIRECTION_UP, m_nDirection);
}
