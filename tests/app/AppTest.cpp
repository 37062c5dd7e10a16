#include "app/AppTest.h"

#include "platform/CommCtrl.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"

#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QWidget>

BOOL CTestKantorApp::DoPromptFileName(std::string& fileName, CDocTemplate*)
{
    ++m_nPrompts;
    if (m_strPromptAnswer.empty())
        return FALSE;
    fileName = m_strPromptAnswer;
    return TRUE;
}

void AppTest::SetUp()
{
    // Settings of this test only, never the user's own.
    const QString path = QString::fromStdString(m_folder.GetPath().string());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
}

void AppTest::Start(const std::vector<std::string>& args)
{
    SetMessageBoxHook([this](const std::string& text, const std::string&, UINT) {
        m_messages.push_back(text);
        return IDOK;
    });
    m_pApp = std::make_unique<CTestKantorApp>();
    std::vector<std::string> commandLine{"lumenor"};
    commandLine.insert(commandLine.end(), args.begin(), args.end());
    m_pApp->SetCommandLine(commandLine);
    ASSERT_TRUE(m_pApp->InitInstance());
    ASSERT_NE(m_pApp->GetMainFrame(), nullptr);
    if (QWidget* widget = WidgetOfWindow(Frame().GetSafeHwnd())) {
        widget->activateWindow();
        (void)QTest::qWaitForWindowActive(widget);
    }
}

void AppTest::TearDown()
{
    if (m_pApp && m_pApp->GetMainFrame())
        m_pApp->GetMainFrame()->DestroyWindow();
    PumpWaitingMessages();
    m_pApp.reset();
    SetMessageBoxHook(nullptr);
}

void AppTest::RunUntilIdle()
{
    // A test opens files by calling, not by a message; a message starts the
    // idle period that the user's command would have started.
    Frame().PostMessage(WM_NULL);
    ASSERT_TRUE(PumpUntil(
        [this] {
            auto* pDocument = dynamic_cast<CKantorDocument*>(Frame().GetActiveDocument());
            return !m_pApp->IsDeferredOpenPending() && pDocument
                && pDocument->GetKantorDoc().GetInversePercent() == 100;
        },
        20000));
    PumpWaitingMessages();
}

CKantorDocument& AppTest::Document()
{
    auto* pDocument = dynamic_cast<CKantorDocument*>(Frame().GetActiveDocument());
    if (!pDocument)
        throw std::logic_error("the main frame has no document");
    return *pDocument;
}

void AppTest::PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // The window that has the focus in the window system's terms; keys go
    // there through the event bridge as real ones do.
    QWidget* target = WidgetOfWindow(GetFocus());
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
    PumpWaitingMessages();
}

void AppTest::Open(const std::string& strPath)
{
    ASSERT_NE(m_pApp->OpenDocumentFile(strPath.c_str()), nullptr) << strPath;
    RunUntilIdle();
}

QPoint AppTest::ToolBarButtonMiddle(UINT nID)
{
    CToolBar& bar = Frame().GetToolBar();
    RECT r;
    bar.GetItemRect(bar.CommandToIndex(nID), &r);
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void AppTest::ClickToolBarButton(UINT nID)
{
    QTest::mouseClick(WidgetOfWindow(Frame().GetToolBar().GetSafeHwnd()), Qt::LeftButton, Qt::NoModifier,
                      ToolBarButtonMiddle(nID));
    PumpWaitingMessages();
}

void AppTest::WhileModal(UINT nControl, const std::function<void()>& trigger,
                         const std::function<void(HWND)>& answer)
{
    bool bAnswered = false;
    std::function<void()> poll = [&] {
        HWND hFocus = GetFocus();
        HWND hDialog = hFocus ? GetParent(hFocus) : nullptr;
        if (hDialog && GetDlgItem(hDialog, static_cast<int>(nControl))) {
            bAnswered = true;
            answer(hDialog);
            return;
        }
        QTimer::singleShot(5, poll);
    };
    QTimer::singleShot(0, poll);
    trigger();
    EXPECT_TRUE(PumpUntil([&] { return bAnswered; }, 5000));
    PumpWaitingMessages();
}

std::string AppTest::ControlText(HWND hDialog, UINT nControl)
{
    return GetWindowTextString(GetDlgItem(hDialog, static_cast<int>(nControl)));
}

void AppTest::TypeAndEnter(HWND hDialog, UINT nControl, const std::string& strText)
{
    QWidget* edit = WidgetOfWindow(GetDlgItem(hDialog, static_cast<int>(nControl)));
    QTest::keyClicks(edit, QString::fromLatin1(strText));
    QTest::keyClick(edit, Qt::Key_Return);
}

std::string AppTest::UpperCaretName()
{
    const std::string label = testsupport::TreeLabel(Upper(), testsupport::TreeCaret(Upper()));
    return label.substr(0, label.find('='));
}

std::vector<std::string> AppTest::LowerNames()
{
    std::vector<std::string> names;
    for (const std::string& label : testsupport::TreeLabels(Lower()))
        names.push_back(label.substr(0, label.find('=')));
    return names;
}

std::string AppTest::ExamplePath()
{
    return std::string(LUMENOR_SOURCE_DIR) + "/examples/house.ifc";
}
