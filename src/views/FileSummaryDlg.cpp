#include "views/FileSummaryDlg.h"

#include "views/KantorDocument.h"

#include "framework/ResourceRegistry.h"
#include "platform/Cp1252Case.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

constexpr UINT_PTR kProgressTimer = 1;
// The width of the count column; the type column takes the rest.
constexpr int kCountColumnWidth = 90;
constexpr int kEntityColumnWidth = 170;
// The walk's name when the problems are walked.
constexpr const char* kProblemsWalk = "problems";

const UINT kTypesPageControls[] = {res::IDC_TYPE_FILTER_LABEL, res::IDC_TYPE_FILTER, res::IDC_TYPE_LIST};
const UINT kProblemsPageControls[] = {res::IDC_PROBLEM_STATUS, res::IDC_LIST_ISOLATED, res::IDC_PROBLEM_LIST};

void CopyText(NMLVDISPINFO* pInfo, const std::string& strText)
{
    if (pInfo->item.pszText && pInfo->item.cchTextMax > 0)
        std::snprintf(pInfo->item.pszText, static_cast<std::size_t>(pInfo->item.cchTextMax), "%s", strText.c_str());
}

void InsertColumn(HWND hList, int nIndex, const char* pszTitle, int nWidth, int nFormat)
{
    LVCOLUMN column;
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = const_cast<char*>(pszTitle);
    column.cx = nWidth;
    column.fmt = nFormat;
    SendMessageA(hList, LVM_INSERTCOLUMN, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&column));
}

void SetColumnFormat(HWND hList, int nIndex, int nFormat)
{
    LVCOLUMN column;
    column.mask = LVCF_FMT;
    column.fmt = nFormat;
    SendMessageA(hList, LVM_SETCOLUMN, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&column));
}

void SelectRow(HWND hList, int nRow)
{
    LVITEM item;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(hList, LVM_SETITEMSTATE, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&item));
    SendMessageA(hList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nRow), FALSE);
}

std::string UpperCase(std::string_view strText)
{
    std::string strUpper;
    UpperCase1252(strText, strUpper);
    return strUpper;
}

// 12345678 as "12,345,678".
std::string Grouped(std::uintmax_t nValue)
{
    std::string strDigits = std::to_string(nValue);
    for (auto i = static_cast<std::ptrdiff_t>(strDigits.size()) - 3; i > 0; i -= 3)
        strDigits.insert(static_cast<std::size_t>(i), ",");
    return strDigits;
}

// "#12 IFCWALL": the entity and its type.
std::string EntityLabel(const CKantorDoc& doc, std::int32_t n)
{
    std::string_view strText;
    std::string strLabel = "#" + std::to_string(n);
    if (doc.GetEntityMap().Lookup(n, strText)) {
        const std::string_view strType = EntityTypeOf(strText);
        if (!strType.empty())
            strLabel.append(" ").append(strType);
    }
    return strLabel;
}

} // namespace

BEGIN_MESSAGE_MAP(CFileSummaryDlg, CDialog)
ON_NOTIFY(TCN_SELCHANGE, res::IDC_SUMMARY_TABS, &CFileSummaryDlg::OnTabChanged)
ON_NOTIFY(LVN_GETDISPINFO, res::IDC_TYPE_LIST, &CFileSummaryDlg::OnTypeText)
ON_NOTIFY(LVN_GETDISPINFO, res::IDC_PROBLEM_LIST, &CFileSummaryDlg::OnProblemText)
ON_NOTIFY(LVN_COLUMNCLICK, res::IDC_TYPE_LIST, &CFileSummaryDlg::OnTypeColumnClick)
ON_NOTIFY(LVN_ITEMCHANGED, res::IDC_TYPE_LIST, &CFileSummaryDlg::OnTypeChanged)
ON_NOTIFY(LVN_ITEMCHANGED, res::IDC_PROBLEM_LIST, &CFileSummaryDlg::OnProblemChanged)
ON_NOTIFY(NM_DBLCLK, res::IDC_TYPE_LIST, &CFileSummaryDlg::OnTypeDoubleClick)
ON_EN_CHANGE(res::IDC_TYPE_FILTER, &CFileSummaryDlg::OnFilterChanged)
ON_BN_CLICKED(res::IDC_LIST_ISOLATED, &CFileSummaryDlg::OnListIsolated)
ON_BN_CLICKED(res::IDC_WALK_NEXT, &CFileSummaryDlg::OnNext)
ON_BN_CLICKED(res::IDC_WALK_PREVIOUS, &CFileSummaryDlg::OnPrevious)
END_MESSAGE_MAP()

CFileSummaryDlg::CFileSummaryDlg(CKantorDocument& document, CWnd* pParent)
    : CDialog(res::IDD_FILE_SUMMARY, pParent), m_document(document)
{
    if (!FindDialogResource(res::IDD_FILE_SUMMARY))
        RegisterDialogResource(res::IDD_FILE_SUMMARY, FileSummaryDialogTemplate());
}

BOOL CFileSummaryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowFileFigures();

    const HWND hTabs = GetDlgItem(res::IDC_SUMMARY_TABS);
    for (const char* pszPage : {"Types", "Problems"}) {
        TCITEM tab;
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<char*>(pszPage);
        SendMessageA(hTabs, TCM_INSERTITEM, static_cast<WPARAM>(SendMessageA(hTabs, TCM_GETITEMCOUNT, 0, 0)),
                     reinterpret_cast<LPARAM>(&tab));
    }
    RECT client;
    const HWND hTypes = GetDlgItem(res::IDC_TYPE_LIST);
    ::GetClientRect(hTypes, &client);
    InsertColumn(hTypes, 0, "Type", client.right - kCountColumnWidth, LVCFMT_LEFT);
    InsertColumn(hTypes, 1, "Count", kCountColumnWidth, LVCFMT_RIGHT);
    const HWND hProblems = GetDlgItem(res::IDC_PROBLEM_LIST);
    ::GetClientRect(hProblems, &client);
    InsertColumn(hProblems, 0, "Entity", kEntityColumnWidth, LVCFMT_LEFT);
    InsertColumn(hProblems, 1, "Problem", client.right - kEntityColumnWidth, LVCFMT_LEFT);

    m_aTypes = CountEntityTypes(m_document.GetKantorDoc());
    FillTypes();
    ShowProblemsProgress();
    if (m_document.GetKantorDoc().IsInverseComplete())
        FillProblems();
    else
        ::SetTimer(GetSafeHwnd(), kProgressTimer, kProgressMilliseconds, nullptr);
    ShowPage(kTypesPage);
    GotoDlgCtrl(hTypes);
    return FALSE;
}

void CFileSummaryDlg::ShowFileFigures()
{
    const CKantorDoc& doc = m_document.GetKantorDoc();
    const std::string strPath = m_document.GetPathName();
    const std::filesystem::path path(strPath);
    std::error_code error;
    const std::uintmax_t nSize = strPath.empty() ? 0 : std::filesystem::file_size(path, error);
    const std::string strSize = strPath.empty() || error ? std::string() : Grouped(nSize) + " bytes";
    const std::int32_t nHighest = doc.GetMaxEntityNumber();
    SetWindowTextA(GetDlgItem(res::IDC_SUMMARY_FILE), path.filename().string().c_str());
    SetWindowTextA(GetDlgItem(res::IDC_SUMMARY_SIZE), strSize.c_str());
    SetWindowTextA(GetDlgItem(res::IDC_SUMMARY_ENTITIES), Grouped(CountEntities(doc)).c_str());
    SetWindowTextA(GetDlgItem(res::IDC_SUMMARY_HIGHEST), nHighest > 0 ? ("#" + std::to_string(nHighest)).c_str() : "");
}

void CFileSummaryDlg::ShowPage(int nPage)
{
    SendMessageA(GetDlgItem(res::IDC_SUMMARY_TABS), TCM_SETCURSEL, static_cast<WPARAM>(nPage), 0);
    for (UINT nId : kTypesPageControls)
        ::ShowWindow(GetDlgItem(static_cast<int>(nId)), nPage == kTypesPage ? SW_SHOW : SW_HIDE);
    for (UINT nId : kProblemsPageControls)
        ::ShowWindow(GetDlgItem(static_cast<int>(nId)), nPage == kProblemsPage ? SW_SHOW : SW_HIDE);
}

void CFileSummaryDlg::OnTabChanged(NMHDR*, LRESULT*)
{
    const auto nPage = static_cast<int>(SendMessageA(GetDlgItem(res::IDC_SUMMARY_TABS), TCM_GETCURSEL, 0, 0));
    ShowPage(nPage);
}

void CFileSummaryDlg::FillTypes()
{
    const HWND hList = GetDlgItem(res::IDC_TYPE_LIST);
    const int nSelected = SelectedRow(res::IDC_TYPE_LIST);
    const std::size_t nWasSelected = nSelected >= 0 ? m_aTypeRows[static_cast<std::size_t>(nSelected)] : SIZE_MAX;

    char szFilter[256] = "";
    GetWindowTextA(GetDlgItem(res::IDC_TYPE_FILTER), szFilter, static_cast<int>(sizeof szFilter));
    const std::string strFilter = UpperCase(szFilter);
    m_aTypeRows.clear();
    for (std::size_t i = 0; i < m_aTypes.size(); ++i)
        if (UpperCase(m_aTypes[i].strType).find(strFilter) != std::string::npos)
            m_aTypeRows.push_back(i);
    // m_aTypes is in name order: a stable sort by count keeps names ascending among equal counts.
    switch (m_order) {
    case TypeOrder::NameAscending:
        break;
    case TypeOrder::NameDescending:
        std::reverse(m_aTypeRows.begin(), m_aTypeRows.end());
        break;
    case TypeOrder::CountDescending:
        std::stable_sort(m_aTypeRows.begin(), m_aTypeRows.end(),
                         [this](std::size_t a, std::size_t b) { return m_aTypes[a].nCount > m_aTypes[b].nCount; });
        break;
    case TypeOrder::CountAscending:
        std::stable_sort(m_aTypeRows.begin(), m_aTypeRows.end(),
                         [this](std::size_t a, std::size_t b) { return m_aTypes[a].nCount < m_aTypes[b].nCount; });
        break;
    }
    SetColumnFormat(hList, 0,
                    LVCFMT_LEFT
                        | (m_order == TypeOrder::NameAscending    ? HDF_SORTUP
                               : m_order == TypeOrder::NameDescending ? HDF_SORTDOWN
                                                                      : 0));
    SetColumnFormat(hList, 1,
                    LVCFMT_RIGHT
                        | (m_order == TypeOrder::CountAscending    ? HDF_SORTUP
                               : m_order == TypeOrder::CountDescending ? HDF_SORTDOWN
                                                                       : 0));

    SendMessageA(hList, LVM_SETITEMCOUNT, m_aTypeRows.size(), 0);
    const auto itKept = std::find(m_aTypeRows.begin(), m_aTypeRows.end(), nWasSelected);
    if (itKept != m_aTypeRows.end()) {
        m_bSelecting = true;
        SelectRow(hList, static_cast<int>(itKept - m_aTypeRows.begin()));
        m_bSelecting = false;
    }
}

void CFileSummaryDlg::OnFilterChanged()
{
    FillTypes();
}

void CFileSummaryDlg::OnTypeColumnClick(NMHDR* pNMHDR, LRESULT*)
{
    const auto* pList = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (pList->iSubItem == 0)
        m_order = m_order == TypeOrder::NameAscending ? TypeOrder::NameDescending : TypeOrder::NameAscending;
    else
        m_order = m_order == TypeOrder::CountDescending ? TypeOrder::CountAscending : TypeOrder::CountDescending;
    FillTypes();
}

void CFileSummaryDlg::OnTypeText(NMHDR* pNMHDR, LRESULT*)
{
    auto* pInfo = reinterpret_cast<NMLVDISPINFO*>(pNMHDR);
    const auto nRow = static_cast<std::size_t>(pInfo->item.iItem);
    if (!(pInfo->item.mask & LVIF_TEXT) || nRow >= m_aTypeRows.size())
        return;
    const EntityTypeCount& type = m_aTypes[m_aTypeRows[nRow]];
    CopyText(pInfo, pInfo->item.iSubItem == 0 ? std::string(type.strType) : Grouped(type.nCount));
}

void CFileSummaryDlg::ShowProblemsProgress()
{
    const CKantorDoc& doc = m_document.GetKantorDoc();
    std::string strStatus;
    if (doc.HasInverseFailed()) {
        strStatus = res::LoadString(res::IDS_INVERSE_NOT_KNOWN);
    } else if (!doc.IsInverseComplete()) {
        strStatus = "Finding the references: " + std::to_string(doc.GetInversePercent()) + " %";
    } else {
        std::size_t anCounts[3] = {};
        for (const FileProblem& problem : m_aProblems)
            ++anCounts[static_cast<int>(problem.kind)];
        auto counted = [](std::size_t n, const char* pszOne, const char* pszMany) {
            return std::to_string(n) + " " + (n == 1 ? pszOne : pszMany);
        };
        strStatus = counted(anCounts[0], "missing reference", "missing references") + ", "
            + counted(anCounts[1], "number defined more than once", "numbers defined more than once") + ", "
            + counted(anCounts[2], "isolated entity", "isolated entities");
    }
    SetWindowTextA(GetDlgItem(res::IDC_PROBLEM_STATUS), strStatus.c_str());
}

void CFileSummaryDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kProgressTimer) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    if (m_document.GetKantorDoc().IsInverseComplete()) {
        ::KillTimer(GetSafeHwnd(), kProgressTimer);
        FillProblems();
    } else {
        ShowProblemsProgress();
    }
}

void CFileSummaryDlg::FillProblems()
{
    const CKantorDoc& doc = m_document.GetKantorDoc();
    if (!m_bProblemsKnown) {
        m_bProblemsKnown = true;
        // Without the inverse index only the duplicates are known.
        m_aProblems = ListProblems(doc, !doc.HasInverseFailed());
        if (doc.HasInverseFailed())
            std::erase_if(m_aProblems,
                          [](const FileProblem& problem) { return problem.kind != FileProblem::Kind::Duplicate; });
        ShowProblemsProgress();
    }
    const bool bIsolated = SendMessageA(GetDlgItem(res::IDC_LIST_ISOLATED), BM_GETCHECK, 0, 0) == BST_CHECKED;
    m_aProblemRows.clear();
    for (std::size_t i = 0; i < m_aProblems.size(); ++i)
        if (bIsolated || m_aProblems[i].kind != FileProblem::Kind::Isolated)
            m_aProblemRows.push_back(i);
    SendMessageA(GetDlgItem(res::IDC_PROBLEM_LIST), LVM_SETITEMCOUNT, m_aProblemRows.size(), 0);
}

void CFileSummaryDlg::OnListIsolated()
{
    if (m_bProblemsKnown)
        FillProblems();
}

void CFileSummaryDlg::OnProblemText(NMHDR* pNMHDR, LRESULT*)
{
    auto* pInfo = reinterpret_cast<NMLVDISPINFO*>(pNMHDR);
    const auto nRow = static_cast<std::size_t>(pInfo->item.iItem);
    if (!(pInfo->item.mask & LVIF_TEXT) || nRow >= m_aProblemRows.size())
        return;
    const FileProblem& problem = m_aProblems[m_aProblemRows[nRow]];
    CopyText(pInfo, pInfo->item.iSubItem == 0 ? EntityLabel(m_document.GetKantorDoc(), problem.nEntity)
                                              : DescribeProblem(problem));
}

int CFileSummaryDlg::SelectedRow(UINT nListId) const
{
    return static_cast<int>(
        SendMessageA(GetDlgItem(static_cast<int>(nListId)), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool CFileSummaryDlg::ChooseWalk()
{
    CKantorDoc& doc = m_document.GetKantorDoc();
    CEntityWalk& walk = doc.GetEntityWalk();
    if (m_walkChoice == WalkChoice::Type) {
        const int nRow = SelectedRow(res::IDC_TYPE_LIST);
        if (nRow < 0)
            return false;
        const std::string_view strType = m_aTypes[m_aTypeRows[static_cast<std::size_t>(nRow)]].strType;
        if (walk.GetName() != strType)
            walk.Assign(std::string(strType), EntitiesOfType(doc, strType));
        return true;
    }
    if (m_walkChoice != WalkChoice::Problems || SelectedRow(res::IDC_PROBLEM_LIST) < 0)
        return false;
    std::vector<std::int32_t> aEntities;
    for (std::size_t nIndex : m_aProblemRows)
        if (aEntities.empty() || aEntities.back() != m_aProblems[nIndex].nEntity)
            aEntities.push_back(m_aProblems[nIndex].nEntity);
    walk.Assign(kProblemsWalk, std::move(aEntities));
    return true;
}

void CFileSummaryDlg::OnTypeChanged(NMHDR* pNMHDR, LRESULT*)
{
    if (!m_bSelecting && (reinterpret_cast<const NMLISTVIEW*>(pNMHDR)->uNewState & LVIS_SELECTED))
        m_walkChoice = WalkChoice::Type;
}

void CFileSummaryDlg::OnProblemChanged(NMHDR* pNMHDR, LRESULT*)
{
    const auto* pList = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (m_bSelecting || !(pList->uNewState & LVIS_SELECTED))
        return;
    // A problem chosen is a place to go to, as one step of the walk would.
    m_walkChoice = WalkChoice::Problems;
    ChooseWalk();
    m_document.NavigateToEntity(m_aProblems[m_aProblemRows[static_cast<std::size_t>(pList->iItem)]].nEntity);
}

void CFileSummaryDlg::OnCancel()
{
    ChooseWalk();
    CDialog::OnCancel();
}

void CFileSummaryDlg::OnTypeDoubleClick(NMHDR* pNMHDR, LRESULT*)
{
    if (reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem >= 0)
        Step(true);
}

void CFileSummaryDlg::Step(bool bForward)
{
    // The shown page's selected row, else what was chosen before.
    const auto nPage = static_cast<int>(SendMessageA(GetDlgItem(res::IDC_SUMMARY_TABS), TCM_GETCURSEL, 0, 0));
    if (SelectedRow(nPage == kTypesPage ? res::IDC_TYPE_LIST : res::IDC_PROBLEM_LIST) >= 0)
        m_walkChoice = nPage == kTypesPage ? WalkChoice::Type : WalkChoice::Problems;
    ChooseWalk();
    if (!m_document.StepWalk(bForward))
        return;
    if (nPage == kProblemsPage)
        SelectProblemOf(m_document.GetKantorDoc().GetCurrentEntity());
}

void CFileSummaryDlg::SelectProblemOf(std::int32_t n)
{
    const auto it = std::find_if(m_aProblemRows.begin(), m_aProblemRows.end(),
                                 [&](std::size_t nIndex) { return m_aProblems[nIndex].nEntity == n; });
    if (it == m_aProblemRows.end())
        return;
    m_bSelecting = true;
    SelectRow(GetDlgItem(res::IDC_PROBLEM_LIST), static_cast<int>(it - m_aProblemRows.begin()));
    m_bSelecting = false;
}

void CFileSummaryDlg::OnNext()
{
    Step(true);
}

void CFileSummaryDlg::OnPrevious()
{
    Step(false);
}

std::string DescribeProblem(const FileProblem& problem)
{
    char szText[128];
    switch (problem.kind) {
    case FileProblem::Kind::Missing:
        std::snprintf(szText, sizeof szText, "refers to #%" PRId64 ", which no entity has", problem.nDetail);
        break;
    case FileProblem::Kind::Duplicate:
        std::snprintf(szText, sizeof szText, "defined %" PRId64 " times, the last one is shown", problem.nDetail);
        break;
    case FileProblem::Kind::Isolated:
        std::snprintf(szText, sizeof szText, "isolated: nothing refers to it, it refers to nothing");
        break;
    }
    return szText;
}
