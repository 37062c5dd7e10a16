// CGotoEntityDlg: the Go to Entity dialog (template 142). It takes an entity
// number, written 123 or #123, and closes only on a number that the
// document has an entity for; otherwise it says what is wrong and stays.
#pragma once

#include "framework/Dialog.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class CGotoEntityDlg : public CDialog {
public:
    using EntityExists = std::function<bool(std::int32_t)>;

    explicit CGotoEntityDlg(EntityExists exists, CWnd* pParent = nullptr);

    // The text the field opens with (the caret after it); after IDOK, as typed.
    std::string m_strNumber;
    // After IDOK: the entity asked for.
    std::int32_t m_nEntity = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // Shows the reason under the field and gives the field the focus again.
    void Refuse(const std::string& strReason);

    EntityExists m_exists;
};

// An entity number as people write it: digits, with a '#' before them if
// they like, spaces around; false for anything else or a number beyond the
// 32-bit range.
bool ParseEntityNumber(std::string_view strText, std::int32_t& n);

// The dialog template of the Go to Entity dialog, as registered under its id.
DialogTemplate GotoEntityDialogTemplate();
