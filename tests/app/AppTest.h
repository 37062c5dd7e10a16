// The real program in process: a CKantorApp started as main() starts it,
// with its main frame, both views and the status bar, on the offscreen
// platform. Settings go to a private temporary folder, message boxes to a
// list, the File Open dialog to a chosen answer.
#pragma once

#include "app/KantorApp.h"
#include "app/MainFrame.h"
#include "model/ModelTestFiles.h"
#include "support/SampleFiles.h"
#include "support/TreeItems.h"
#include "views/KantorDocument.h"
#include "views/KantorInverseView.h"
#include "views/KantorView.h"

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The application as main() makes it, except that the File Open dialog
// answers with m_strPromptAnswer (empty: cancelled).
class CTestKantorApp : public CKantorApp {
public:
    std::string m_strPromptAnswer;
    int m_nPrompts = 0;
    BOOL DoPromptFileName(std::string& fileName, CDocTemplate*) override;
};

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program with these arguments after the program name; the
    // window is shown, no idle pass has run yet.
    void Start(const std::vector<std::string>& args = {});
    // Lets the message loop run until the idle work is done: a pending
    // deferred open and the whole inverse computation.
    void RunUntilIdle();
    // Opens the file as the program's own open does, then runs until idle.
    void Open(const std::string& strPath);

    CMainFrame& Frame() { return *m_pApp->GetMainFrame(); }
    CKantorDocument& Document();
    CKantorDoc& Doc() { return Document().GetKantorDoc(); }
    HWND Upper() { return Frame().GetUpperView()->GetTreeHwnd(); }
    HWND Lower() { return Frame().GetLowerView()->GetTreeHwnd(); }
    std::string MessagePane() { return Frame().GetStatusBar()->GetWindowText(); }
    // The entity names ("#12") of the upper tree's caret item and of the
    // lower tree's items.
    std::string UpperCaretName();
    std::vector<std::string> LowerNames();

    // A key as the user presses it, to the window that has the focus.
    static void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // The user clicks the toolbar button of the command; its middle, in
    // the toolbar's coordinates.
    void ClickToolBarButton(UINT nID);
    QPoint ToolBarButtonMiddle(UINT nID);

    // Runs `trigger`, which opens a modal dialog that has a control of id
    // nControl; `answer` acts on the dialog as a user would and closes it.
    static void WhileModal(UINT nControl, const std::function<void()>& trigger,
                           const std::function<void(HWND)>& answer);
    static std::string ControlText(HWND hDialog, UINT nControl);
    // Types the text into a dialog's field and presses Enter there.
    static void TypeAndEnter(HWND hDialog, UINT nControl, const std::string& strText);

    static std::string ExamplePath();

    std::unique_ptr<CTestKantorApp> m_pApp;
    CTempFolder m_folder;
    std::vector<std::string> m_messages;
};

// The program started on the example file, its idle work done.
class ExampleAppTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Start({ExamplePath()});
        RunUntilIdle();
    }
};

using Strings = std::vector<std::string>;
using testsupport::SamplePath;
using testsupport::TreeCaret;
using testsupport::TreeChildren;
using testsupport::TreeLabel;
using testsupport::TreeLabels;
