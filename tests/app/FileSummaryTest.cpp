// The File Summary dialog in the real program, by real input: opened from
// the toolbar, its figures, types and problems on a file written for every
// case and on a sample file against the model, the inverse computation's
// progress, the walk by its buttons, a chosen problem, F8 and Shift+F8
// afterwards, and its texts on the screen.
#include "app/AppTest.h"

#include "model/FileSummary.h"
#include "platform/CommCtrl.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"
#include "res/Resource.h"
#include "support/TestSupport.h"
#include "views/FileSummaryDlg.h"

#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

using Table = std::vector<Strings>;

// Three walls (#3 written twice, the second kept), a door referred to by
// them, a slab that nothing touches, references to #7, #8 and #9 that no
// entity has.
const std::string kCases = "ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('IFC2X3'));\nENDSEC;\nDATA;\n"
                           "#1=IFCWALL('a',#2,#9);\n"
                           "#2=IFCDOOR($);\n"
                           "#3=IFCWALL(#2);\n"
                           "#3=IFCWALL(#1,#2);\n"
                           "#5=IFCSLAB($);\n"
                           "#6=IFCWALL(#8,#7,#2);\n"
                           "ENDSEC;\nEND-ISO-10303-21;\n";

class FileSummaryTest : public AppTest {
protected:
    // A row's texts, asked for as the list itself asks.
    static Strings Row(HWND hDialog, UINT nList, int nRow)
    {
        Strings texts;
        for (int nColumn = 0; nColumn < 2; ++nColumn) {
            char szText[256] = "";
            NMLVDISPINFO info{{GetDlgItem(hDialog, static_cast<int>(nList)), nList, LVN_GETDISPINFO},
                              {.mask = LVIF_TEXT,
                               .iItem = nRow,
                               .iSubItem = nColumn,
                               .pszText = szText,
                               .cchTextMax = sizeof szText}};
            SendMessageA(hDialog, WM_NOTIFY, nList, reinterpret_cast<LPARAM>(&info));
            texts.emplace_back(szText);
        }
        return texts;
    }
    static int RowCount(HWND hDialog, UINT nList)
    {
        return static_cast<int>(
            SendMessageA(GetDlgItem(hDialog, static_cast<int>(nList)), LVM_GETITEMCOUNT, 0, 0));
    }
    static std::vector<Strings> Rows(HWND hDialog, UINT nList)
    {
        std::vector<Strings> rows;
        for (int nRow = 0; nRow < RowCount(hDialog, nList); ++nRow)
            rows.push_back(Row(hDialog, nList, nRow));
        return rows;
    }
    // A click at a point of a control, through the dialog's window.
    static void ClickIn(HWND hDialog, HWND hControl, POINT point)
    {
        QWidget* dialog = WidgetOfWindow(hDialog);
        QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          WidgetOfWindow(hControl)->mapTo(dialog, QPoint(point.x, point.y)));
        PumpWaitingMessages();
    }
    static void ClickControl(HWND hDialog, UINT nControl)
    {
        RECT client;
        const HWND hControl = GetDlgItem(hDialog, static_cast<int>(nControl));
        GetClientRect(hControl, &client);
        ClickIn(hDialog, hControl, POINT{client.right / 2, client.bottom / 2});
    }
    static void ClickRow(HWND hDialog, UINT nList, int nRow)
    {
        const HWND hList = GetDlgItem(hDialog, static_cast<int>(nList));
        RECT rect{};
        ASSERT_TRUE(
            SendMessageA(hList, LVM_GETITEMRECT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&rect)));
        ClickIn(hDialog, hList, POINT{20, (rect.top + rect.bottom) / 2});
    }
    static void ClickHeader(HWND hDialog, UINT nList, int nColumn)
    {
        const HWND hList = GetDlgItem(hDialog, static_cast<int>(nList));
        int x = 10;
        for (int i = 0; i < nColumn; ++i)
            x += static_cast<int>(SendMessageA(hList, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
        ClickIn(hDialog, hList, POINT{x, 5});
    }
    static void ClickTab(HWND hDialog, int nTab)
    {
        const HWND hTabs = GetDlgItem(hDialog, res::IDC_SUMMARY_TABS);
        RECT rect{};
        SendMessageA(hTabs, TCM_GETITEMRECT, static_cast<WPARAM>(nTab), reinterpret_cast<LPARAM>(&rect));
        ClickIn(hDialog, hTabs, POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }
    // The File Summary from its toolbar button; `use` acts on it, then Close.
    void WithSummary(const std::function<void(HWND)>& use)
    {
        WhileModal(
            res::IDC_TYPE_LIST, [this] { ClickToolBarButton(res::ID_FILE_SUMMARY); },
            [&](HWND hDialog) {
                EXPECT_TRUE(PumpUntil([&] { return IsWindowOnScreen(hDialog) != FALSE; }, 5000));
                use(hDialog);
                ClickControl(hDialog, IDCANCEL);
            });
    }
    // The dialog on the screen: every text has ink across most of the width
    // it needs, in the text colour; saved for a look.
    static void ExpectTextsOnScreen(HWND hDialog, const std::string& strImage)
    {
        const double ratio = WidgetOfWindow(hDialog)->devicePixelRatio();
        for (HWND hChild = GetWindow(hDialog, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
            const std::string strText = GetWindowTextString(hChild);
            if (!IsWindowVisible(hChild) || strText.empty()
                || !(SendMessageA(hChild, WM_GETDLGCODE, 0, 0) & DLGC_STATIC))
                continue;
            const QImage shown = testsupport::GrabClient(hChild);
            const QRgb background = shown.pixel(0, 0);
            // At least three pixels a character: the text is there, not a few dots.
            EXPECT_GE(testsupport::PixelBox(shown, [background](QRgb p) { return p != background; }).width(),
                      static_cast<int>(strText.size() * 3 * ratio))
                << strText;
        }
        const QImage image = testsupport::GrabClient(hDialog);
        const std::string strFile = strImage + "-at-" + QString::number(ratio).toStdString() + ".png";
        EXPECT_TRUE(image.save(QString::fromStdString(std::string(LUMENOR_BINARY_DIR) + "/" + strFile)));
    }
    // The rows of a list on the screen: ink in both columns of each row.
    static void ExpectRowsOnScreen(HWND hDialog, UINT nList, int nRows)
    {
        const HWND hList = GetDlgItem(hDialog, static_cast<int>(nList));
        const QImage shown = testsupport::GrabClient(hList);
        const double ratio = WidgetOfWindow(hList)->devicePixelRatio();
        const int split = static_cast<int>(SendMessageA(hList, LVM_GETCOLUMNWIDTH, 0, 0) * ratio);
        for (int nRow = 0; nRow < nRows; ++nRow) {
            RECT row{};
            SendMessageA(hList, LVM_GETITEMRECT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&row));
            const int top = static_cast<int>((row.top + 2) * ratio),
                      bottom = static_cast<int>((row.bottom - 2) * ratio);
            const QRgb background = shown.pixel(static_cast<int>(3 * ratio), (top + bottom) / 2);
            const auto ink = [background](QRgb p) { return p != background; };
            EXPECT_GT(testsupport::CountPixels(shown, ink, QRect(0, top, split, bottom - top)), 10 * ratio)
                << "row " << nRow;
            EXPECT_GT(testsupport::CountPixels(shown, ink, QRect(split, top, shown.width(), bottom - top)),
                      5 * ratio)
                << "row " << nRow;
        }
    }
};

TEST_F(FileSummaryTest, ShowsTheFiguresTypesAndProblemsOfAFileWrittenForThemAndWalksThem)
{
    const std::string strPath = m_folder.Write("cases.ifc", kCases);
    Start({strPath});
    RunUntilIdle();
    Document().NavigateToEntity(2);
    Document().GetHistory().Clear();

    WithSummary([&](HWND hDialog) {
        EXPECT_EQ(ControlText(hDialog, res::IDC_SUMMARY_FILE), "cases.ifc");
        EXPECT_EQ(ControlText(hDialog, res::IDC_SUMMARY_SIZE), std::to_string(kCases.size()) + " bytes");
        EXPECT_EQ(ControlText(hDialog, res::IDC_SUMMARY_ENTITIES), "5");
        EXPECT_EQ(ControlText(hDialog, res::IDC_SUMMARY_HIGHEST), "#6");
        // By count, then by name; a click on a header sorts by it, a second turns the order.
        EXPECT_EQ(Rows(hDialog, res::IDC_TYPE_LIST),
                  (Table{{"IFCWALL", "3"}, {"IFCDOOR", "1"}, {"IFCSLAB", "1"}}));
        ExpectRowsOnScreen(hDialog, res::IDC_TYPE_LIST, 3);
        ExpectTextsOnScreen(hDialog, "file-summary-types");
        ClickHeader(hDialog, res::IDC_TYPE_LIST, 1);
        EXPECT_EQ(Rows(hDialog, res::IDC_TYPE_LIST),
                  (Table{{"IFCDOOR", "1"}, {"IFCSLAB", "1"}, {"IFCWALL", "3"}}));
        ClickHeader(hDialog, res::IDC_TYPE_LIST, 0);
        ClickHeader(hDialog, res::IDC_TYPE_LIST, 0);
        EXPECT_EQ(Rows(hDialog, res::IDC_TYPE_LIST),
                  (Table{{"IFCWALL", "3"}, {"IFCSLAB", "1"}, {"IFCDOOR", "1"}}));
        ClickControl(hDialog, res::IDC_TYPE_FILTER);
        QTest::keyClicks(WidgetOfWindow(GetDlgItem(hDialog, res::IDC_TYPE_FILTER)), "Wa");
        PumpWaitingMessages();
        EXPECT_EQ(ControlText(hDialog, res::IDC_TYPE_FILTER), "Wa");
        EXPECT_EQ(Rows(hDialog, res::IDC_TYPE_LIST), (Table{{"IFCWALL", "3"}}));

        // The walls from #2: Next, Next, around the end, Previous.
        ClickRow(hDialog, res::IDC_TYPE_LIST, 0);
        Strings aSeen;
        for (UINT nButton :
             {res::IDC_WALK_NEXT, res::IDC_WALK_NEXT, res::IDC_WALK_NEXT, res::IDC_WALK_PREVIOUS}) {
            ClickControl(hDialog, nButton);
            aSeen.push_back(UpperCaretName());
        }
        EXPECT_EQ(aSeen, (Strings{"#3", "#6", "#1", "#6"}));
        EXPECT_EQ(LowerNames(), Strings{}) << "nothing refers to #6";

        ClickTab(hDialog, CFileSummaryDlg::kProblemsPage);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(hDialog, res::IDC_TYPE_LIST)));
        EXPECT_EQ(ControlText(hDialog, res::IDC_PROBLEM_STATUS),
                  "3 missing references, 1 number defined more than once, 1 isolated entity");
        EXPECT_EQ(Rows(hDialog, res::IDC_PROBLEM_LIST),
                  (Table{{"#1 IFCWALL", "refers to #9, which no entity has"},
                         {"#3 IFCWALL", "defined 2 times, the last one is shown"},
                         {"#6 IFCWALL", "refers to #7, which no entity has"},
                         {"#6 IFCWALL", "refers to #8, which no entity has"}}));
        ClickControl(hDialog, res::IDC_LIST_ISOLATED);
        EXPECT_EQ(RowCount(hDialog, res::IDC_PROBLEM_LIST), 5);
        EXPECT_EQ(Row(hDialog, res::IDC_PROBLEM_LIST, 2),
                  (Strings{"#5 IFCSLAB", "isolated: nothing refers to it, it refers to nothing"}));
        ExpectRowsOnScreen(hDialog, res::IDC_PROBLEM_LIST, 5);
        ExpectTextsOnScreen(hDialog, "file-summary-problems");
        // A problem chosen is gone to; the walk goes on through the problems.
        ClickRow(hDialog, res::IDC_PROBLEM_LIST, 1);
        EXPECT_EQ(UpperCaretName(), "#3");
        EXPECT_EQ(LowerNames(), Strings{});
        ClickControl(hDialog, res::IDC_WALK_NEXT);
        EXPECT_EQ(UpperCaretName(), "#5");
        EXPECT_EQ(SendMessageA(GetDlgItem(hDialog, res::IDC_PROBLEM_LIST), LVM_GETNEXTITEM,
                               static_cast<WPARAM>(-1), LVNI_SELECTED),
                  2);
    });

    // F8 and Shift+F8 in the main window walk what was chosen last.
    SetFocus(Upper());
    PressKey(Qt::Key_F8);
    EXPECT_EQ(Doc().GetCurrentEntity(), 6);
    EXPECT_EQ(UpperCaretName(), "#6");
    PressKey(Qt::Key_F8, Qt::ShiftModifier);
    PressKey(Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(Doc().GetCurrentEntity(), 3);
    EXPECT_EQ(LowerNames(), Strings{});
    // Every step was a jump: Back retraces them.
    Strings aBack;
    for (int i = 0; i < 3; ++i) {
        PressKey(Qt::Key_Left, Qt::AltModifier);
        aBack.push_back(UpperCaretName());
    }
    EXPECT_EQ(aBack, (Strings{"#5", "#6", "#5"}));
    EXPECT_EQ(LowerNames(), Strings{});

    // A type chosen and the dialog closed: F8 walks that type.
    WithSummary([&](HWND hDialog) { ClickRow(hDialog, res::IDC_TYPE_LIST, 1); });
    SetFocus(Upper());
    PressKey(Qt::Key_F8);
    EXPECT_EQ(UpperCaretName(), "#2");
    EXPECT_EQ(LowerNames(), (Strings{"#6", "#3", "#1"}));
}

TEST_F(FileSummaryTest, ShowsTheProgressOfTheReferencesThenEveryProblemOfASampleAsTheModelFindsThem)
{
    // A sample with references to numbers that no entity has.
    Start({SamplePath("example.ifc")});
    SKIP_WITHOUT_SAMPLES();
    // The first idle pass opens the file and runs the first slice of the
    // inverse computation; the dialog's idle time does the rest.
    EXPECT_TRUE(m_pApp->OnIdle(0));
    ASSERT_FALSE(Doc().IsInverseComplete());

    WithSummary([&](HWND hDialog) {
        EXPECT_EQ(RowCount(hDialog, res::IDC_TYPE_LIST), static_cast<int>(CountEntityTypes(Doc()).size()));
        ClickTab(hDialog, CFileSummaryDlg::kProblemsPage);
        EXPECT_EQ(ControlText(hDialog, res::IDC_PROBLEM_STATUS).rfind("Finding the references: ", 0), 0u);
        EXPECT_EQ(RowCount(hDialog, res::IDC_PROBLEM_LIST), 0);
        // The computation goes on in the dialog's idle time; the page fills when it is done.
        EXPECT_TRUE(PumpUntil(
            [&] { return RowCount(hDialog, res::IDC_PROBLEM_LIST) > 0 || Doc().IsInverseComplete(); },
            60000));
        PumpUntil([] { return false; }, 2 * CFileSummaryDlg::kProgressMilliseconds);
        ASSERT_TRUE(Doc().IsInverseComplete());
        ClickControl(hDialog, res::IDC_LIST_ISOLATED);
        Strings expected, shown;
        for (const FileProblem& problem : ListProblems(Doc(), true))
            expected.push_back(DescribeProblem(problem));
        ASSERT_GT(expected.size(), 4u);
        for (const Strings& row : Rows(hDialog, res::IDC_PROBLEM_LIST))
            shown.push_back(row.at(1));
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(ControlText(hDialog, res::IDC_PROBLEM_STATUS).find("Finding"), std::string::npos);
    });
}

} // namespace
