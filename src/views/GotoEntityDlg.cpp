#include "views/GotoEntityDlg.h"

#include "framework/DataExchange.h"
#include "framework/ResourceRegistry.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <limits>

CGotoEntityDlg::CGotoEntityDlg(EntityExists exists, CWnd* pParent)
    : CDialog(res::IDD_GOTO_ENTITY, pParent), m_exists(std::move(exists))
{
    if (!FindDialogResource(res::IDD_GOTO_ENTITY))
        RegisterDialogResource(res::IDD_GOTO_ENTITY, GotoEntityDialogTemplate());
}

void CGotoEntityDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, res::IDC_ENTITY_NUMBER, m_strNumber);
}

BOOL CGotoEntityDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // A number begun in a tree goes on where it was left.
    HWND hEdit = GetDlgItem(res::IDC_ENTITY_NUMBER);
    GotoDlgCtrl(hEdit);
    const auto nEnd = static_cast<LPARAM>(m_strNumber.size());
    SendMessageA(hEdit, EM_SETSEL, static_cast<WPARAM>(nEnd), nEnd);
    return FALSE;
}

void CGotoEntityDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    std::int32_t n = 0;
    if (!ParseEntityNumber(m_strNumber, n)) {
        Refuse(res::LoadString(res::IDS_NOT_AN_ENTITY_NUMBER));
        return;
    }
    if (!m_exists || !m_exists(n)) {
        Refuse(res::FormatString(res::IDS_NO_SUCH_ENTITY, n));
        return;
    }
    m_nEntity = n;
    EndDialog(IDOK);
}

void CGotoEntityDlg::Refuse(const std::string& strReason)
{
    SetWindowTextA(GetDlgItem(res::IDC_GOTO_MESSAGE), strReason.c_str());
    GotoDlgCtrl(GetDlgItem(res::IDC_ENTITY_NUMBER));
}

bool ParseEntityNumber(std::string_view strText, std::int32_t& n)
{
    auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!strText.empty() && isSpace(strText.front()))
        strText.remove_prefix(1);
    while (!strText.empty() && isSpace(strText.back()))
        strText.remove_suffix(1);
    if (!strText.empty() && strText.front() == '#')
        strText.remove_prefix(1);
    if (strText.empty())
        return false;
    std::int64_t nValue = 0;
    for (char c : strText) {
        if (c < '0' || c > '9')
            return false;
        nValue = nValue * 10 + (c - '0');
        if (nValue > std::numeric_limits<std::int32_t>::max())
            return false;
    }
    n = static_cast<std::int32_t>(nValue);
    return true;
}
