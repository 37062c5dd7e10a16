// CFileSummaryDlg: the File Summary dialog (template 143). It shows the
// file's name, size, entity count and highest number, and on two pages the
// entity types with their counts (sortable by a click on a column's header,
// narrowed by a filter) and the file's problems: references to numbers no
// entity has, numbers defined more than once and, on request, isolated
// entities. The problems are listed once the inverse computation is
// complete; until then the page says how far it is.
//
// Choosing a type or a problem makes its entities the document's walk;
// Next and Previous (a double click on a type is Next) go to the next or
// previous of them from the current entity, as Go to does, and so do F8 and
// Shift+F8 after the dialog is gone. Choosing a problem also goes to its
// entity.
#pragma once

#include "framework/Dialog.h"
#include "model/FileSummary.h"
#include "platform/CommCtrl.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CKantorDocument;

class CFileSummaryDlg : public CDialog {
public:
    explicit CFileSummaryDlg(CKantorDocument& document, CWnd* pParent = nullptr);

    enum Page { kTypesPage = 0, kProblemsPage = 1 };
    enum class TypeOrder { NameAscending, NameDescending, CountDescending, CountAscending };

    // How often the problems page looks at the inverse computation while it runs.
    static constexpr UINT kProgressMilliseconds = 100;

protected:
    BOOL OnInitDialog() override;
    // Closing keeps what was chosen last as the walk of F8 and Shift+F8.
    void OnCancel() override;
    void OnTimer(UINT_PTR nIDEvent) override;

    void OnTabChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTypeText(NMHDR* pNMHDR, LRESULT* pResult);
    void OnProblemText(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTypeColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTypeChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnProblemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTypeDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnFilterChanged();
    void OnListIsolated();
    void OnNext();
    void OnPrevious();

    DECLARE_MESSAGE_MAP()

private:
    void ShowFileFigures();
    void ShowPage(int nPage);
    // The types that pass the filter, in the chosen order; keeps the type
    // selected before when it is still shown.
    void FillTypes();
    // The problems page: how far the inverse computation is, or the list.
    void ShowProblemsProgress();
    void FillProblems();
    // Makes the last choice the document's walk: the selected type's
    // entities (found only now, since that takes a scan of the file) or the
    // problems'; false when nothing is chosen.
    bool ChooseWalk();
    // One step of the walk, forwards or backwards, from the current entity.
    void Step(bool bForward);
    // The problems page follows the walk: the first row of entity n.
    void SelectProblemOf(std::int32_t n);
    int SelectedRow(UINT nListId) const;

    CKantorDocument& m_document;
    // Every type, by name; the rows of the list as indexes into it.
    std::vector<EntityTypeCount> m_aTypes;
    std::vector<std::size_t> m_aTypeRows;
    TypeOrder m_order = TypeOrder::CountDescending;
    // Every problem with the isolated entities; the rows shown, as indexes.
    std::vector<FileProblem> m_aProblems;
    std::vector<std::size_t> m_aProblemRows;
    bool m_bProblemsKnown = false;
    // What the walk goes through: the page whose row was chosen last.
    enum class WalkChoice { None, Type, Problems };
    WalkChoice m_walkChoice = WalkChoice::None;
    // Set while the dialog itself selects a row, so that it does not
    // choose the walk again.
    bool m_bSelecting = false;
};

// The problems page's text of one problem.
std::string DescribeProblem(const FileProblem& problem);

// The dialog template of the File Summary dialog, as registered under its id.
DialogTemplate FileSummaryDialogTemplate();
