// Every way a user opens a file: File Open by key, menu and toolbar, a file
// dropped on the window, the recent-file list; and a file that cannot be
// opened, which leaves the document that was open as it was.
#include "app/AppTest.h"

#include "framework/Menu.h"
#include "platform/MessageLoop.h"
#include "platform/qt/QtBridge.h"
#include "res/Resource.h"

#include <gmock/gmock.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <filesystem>

namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;

class OpenPathsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Start();
    }

    // What the window shows of the open document.
    struct Shown {
        std::string strTitle, strPath;
        Strings aUpper;
        std::int32_t nCurrent;
        bool operator==(const Shown&) const = default;
    };
    Shown Showing()
    {
        return {Frame().GetWindowText(), Document().GetPathName(), TreeLabels(Upper()),
                Doc().GetCurrentEntity()};
    }

    // Files dropped on the main window, as the desktop delivers them.
    void Drop(const Strings& paths)
    {
        QWidget* widget = WidgetOfWindow(Frame().GetSafeHwnd());
        QMimeData mime;
        QList<QUrl> urls;
        for (const std::string& path : paths)
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
        mime.setUrls(urls);
        const QPointF at(100, 100);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &drop);
        PumpWaitingMessages();
    }

    // The items of the File menu as it is about to be shown.
    Strings FileMenuItems()
    {
        CMenu* pFile = Frame().GetMenu()->GetSubMenu(0);
        Frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pFile), 0);
        Strings items;
        for (int i = 0; i < static_cast<int>(pFile->GetMenuItemCount()); ++i)
            items.push_back(pFile->GetMenuString(i)
                            + ((pFile->GetMenuState(i) & MF_GRAYED) ? " (grayed)" : ""));
        return items;
    }
};

TEST_F(OpenPathsTest, FileOpenByKeyMenuAndToolbarOpensTheChosenFile)
{
    SKIP_WITHOUT_SAMPLES();
    m_pApp->m_strPromptAnswer = ExamplePath();
    PressKey(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_pApp->m_nPrompts, 1);
    EXPECT_EQ(Frame().GetWindowText(), "house.ifc - Lumenor");

    m_pApp->m_strPromptAnswer = SamplePath("test.ifc");
    Frame().GetMenu()->FindAction(res::ID_FILE_OPEN)->trigger();
    PumpWaitingMessages();
    EXPECT_EQ(m_pApp->m_nPrompts, 2);
    EXPECT_EQ(Frame().GetWindowText(), "test.ifc - Lumenor");

    m_pApp->m_strPromptAnswer = SamplePath("sample-entities.ifc");
    ClickToolBarButton(res::ID_FILE_OPEN);
    EXPECT_EQ(m_pApp->m_nPrompts, 3);
    EXPECT_EQ(Frame().GetWindowText(), "sample-entities.ifc - Lumenor");

    // Cancelling the dialog changes nothing.
    m_pApp->m_strPromptAnswer.clear();
    PressKey(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_pApp->m_nPrompts, 4);
    EXPECT_EQ(Frame().GetWindowText(), "sample-entities.ifc - Lumenor");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(OpenPathsTest, AFileThatCannotBeOpenedLeavesThePreviousDocumentAsItWas)
{
    Open(ExamplePath());
    // Something is selected and unfolded, as a user would have it.
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    const Shown before = Showing();
    ASSERT_NE(before.nCurrent, 0);

    // (Missing files and folders are the framework's failed opens.)
    const std::string strNoEntities = m_folder.Write("notes.ifc", "ISO-10303-21;\nHEADER;\nENDSEC;\n");
    m_messages.clear();
    EXPECT_EQ(m_pApp->OpenDocumentFile(strNoEntities.c_str()), nullptr);
    EXPECT_THAT(
        m_messages,
        ::testing::ElementsAre(AllOf(HasSubstr("\"" + strNoEntities + "\""), HasSubstr("no IFC entities"))));
    EXPECT_EQ(Showing(), before);
}

TEST_F(OpenPathsTest, AFileDroppedOnTheWindowIsOpened)
{
    const std::string strDropped = m_folder.Write("dropped.ifc", "#1=A(#2);\n#2=B;\n");
    EXPECT_TRUE(GetWindowLongPtrA(Frame().GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    Drop({strDropped});
    EXPECT_EQ(Frame().GetWindowText(), "dropped.ifc - Lumenor");
    EXPECT_EQ(Document().GetPathName(), strDropped);
    RunUntilIdle();
    // One document at a time: of several files the first is opened.
    Drop({ExamplePath(), strDropped});
    EXPECT_EQ(Frame().GetWindowText(), "house.ifc - Lumenor");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(OpenPathsTest, OpenedFilesEnterTheRecentFileListWhichReopensThem)
{
    SKIP_WITHOUT_SAMPLES();
    // Reload comes after the items of the File menu, grayed without a file.
    EXPECT_EQ(
        FileMenuItems(),
        (Strings{"&Open...\tStrg+O", "", "Last File (grayed)", "", "&Exit", "", "&Reload\tF5 (grayed)"}));

    // Files outside the current folder are shown with their paths.
    const std::string strFirst = m_folder.GetPath().string() + "/first.ifc";
    const std::string strSecond = m_folder.GetPath().string() + "/second.ifc";
    std::filesystem::copy_file(ExamplePath(), strFirst);
    std::filesystem::copy_file(SamplePath("test.ifc"), strSecond);
    Open(strFirst);
    Open(strSecond);
    using ::testing::_;
    EXPECT_THAT(FileMenuItems(),
                ::testing::ElementsAre(_, _, AllOf(::testing::StartsWith("&1 "), HasSubstr("second.ifc")),
                                       HasSubstr("first.ifc"), _, _, _, _));

    // The second entry, chosen in the menu, opens that file.
    Frame().SendMessage(WM_COMMAND, res::ID_FILE_MRU_FILE1 + 1, 0);
    EXPECT_EQ(Frame().GetWindowText(), "first.ifc - Lumenor");
    EXPECT_EQ(Document().GetPathName(), strFirst);
}

TEST_F(OpenPathsTest, FileNamesShowAsTheFileSystemGivesThemInTheTitleAndTheRecentFileMenu)
{
    // "Grüße" in UTF-8, and a name whose bytes are no UTF-8 (Latin-1 "ü").
    const std::string strUtf8 = m_folder.GetPath().string()
        + "/Gr\xC3\xBC\xC3\x9F"
          "e.ifc";
    const std::string strLatin1 = m_folder.GetPath().string()
        + "/\xFC"
          "ber.ifc";
    std::filesystem::copy_file(ExamplePath(), strUtf8);
    std::filesystem::copy_file(ExamplePath(), strLatin1);
    QWidget* frame = WidgetOfWindow(Frame().GetSafeHwnd());

    Open(strUtf8);
    EXPECT_EQ(frame->windowTitle(), QString::fromUtf8("Grüße.ifc - Lumenor"));
    FileMenuItems();
    QAction* recent = Frame().GetMenu()->FindAction(res::ID_FILE_MRU_FILE1);
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->text().contains(QString::fromUtf8("Grüße.ifc"))) << recent->text().toStdString();

    // Still opened; shown with a replacement character.
    Open(strLatin1);
    EXPECT_EQ(Document().GetPathName(), strLatin1);
    EXPECT_EQ(frame->windowTitle(),
              QString(QChar::ReplacementCharacter) + QStringLiteral("ber.ifc - Lumenor"));
    FileMenuItems();
    EXPECT_TRUE(Frame()
                    .GetMenu()
                    ->FindAction(res::ID_FILE_MRU_FILE1)
                    ->text()
                    .contains(QString(QChar::ReplacementCharacter) + QStringLiteral("ber.ifc")));
}

} // namespace
