// Documents, views and the single-document template: the new and open life
// cycle, and what a failed open leaves behind. (UpdateAllViews skipping the
// sender is the views' document tests.)
#include "FrameworkTestSupport.h"
#include "support/TempFolder.h"

#include "framework/CreateContext.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FileOpenError.h"
#include "framework/FrameWnd.h"
#include "framework/ProfileSettings.h"
#include "framework/RecentFileList.h"
#include "framework/RuntimeClass.h"
#include "framework/SplitterWnd.h"
#include "framework/View.h"
#include "framework/WinApp.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

class LifeDoc : public CDocument {
public:
    static inline bool failOpen = false;
    ~LifeDoc() override { g_log.push_back("document deleted"); }

    BOOL OnNewDocument() override
    {
        g_log.push_back("new");
        return CDocument::OnNewDocument();
    }
    BOOL OnOpenDocument(const char* path) override
    {
        g_log.push_back(std::string("open ") + path);
        return failOpen ? FALSE : CDocument::OnOpenDocument(path);
    }
};

class LifeView : public CView {
public:
    void OnInitialUpdate() override
    {
        g_log.push_back("initial " + Name());
        CView::OnInitialUpdate();
    }
    void OnUpdate(CView* pSender, LPARAM lHint, void*) override
    {
        g_log.push_back("update " + Name() + " hint " + std::to_string(lHint));
    }
    std::string Name() const
    {
        return GetDlgCtrlID() == static_cast<int>(res::AFX_IDW_PANE_FIRST) ? "upper" : "lower";
    }

protected:
    void OnDestroy() override
    {
        g_log.push_back("destroy " + Name());
        CView::OnDestroy();
    }
};

// A frame whose client is a static splitter with two views of the document.
class LifeFrame : public CFrameWnd {
public:
    CSplitterWnd m_wndSplitter;

protected:
    BOOL OnCreateClient(CREATESTRUCTA*, CCreateContext* pContext) override
    {
        if (!m_wndSplitter.CreateStatic(this, 2, 1))
            return FALSE;
        m_wndSplitter.CreateView(0, 0, pContext->m_pNewViewClass, SIZE{100, 100}, pContext);
        m_wndSplitter.CreateView(1, 0, pContext->m_pNewViewClass, SIZE{0, 0}, pContext);
        return TRUE;
    }
};

class DocumentLifeCycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        LifeDoc::failOpen = false;
        app.LoadStdProfileSettings(4);
        tmpl = new CSingleDocTemplate(res::IDR_MAINFRAME, RUNTIME_CLASS(LifeDoc), RUNTIME_CLASS(LifeFrame),
                                      RUNTIME_CLASS(LifeView));
        app.AddDocTemplate(tmpl);
        g_log.clear();
    }

    CDocument* NewDocument()
    {
        CDocument* doc = app.OpenDocumentFile(nullptr);
        frame = dynamic_cast<LifeFrame*>(app.m_pMainWnd);
        return doc;
    }

    CWinApp app{"Template test"};
    CSingleDocTemplate* tmpl = nullptr;
    LifeFrame* frame = nullptr;
    CTempFolder dir;
};

TEST_F(DocumentLifeCycle, NewDocumentRunsOnNewDocumentThenEveryViewsInitialUpdate)
{
    CDocument* doc = NewDocument();
    ASSERT_NE(doc, nullptr);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(g_log,
              (std::vector<std::string>{"new", "initial upper", "update upper hint 0", "initial lower",
                                        "update lower hint 0"}));
    EXPECT_EQ(doc->GetViews().size(), 2u);
    EXPECT_EQ(doc->GetTitle(), "Untitled");
    EXPECT_TRUE(doc->GetPathName().empty());
    EXPECT_EQ(frame->GetWindowText(), "Untitled - Lumenor");
    EXPECT_EQ(frame->GetActiveView(), frame->m_wndSplitter.GetPane(0, 0));
}

TEST_F(DocumentLifeCycle, OpenReusesTheDocumentAndRecordsPathTitleAndRecentFile)
{
    CDocument* doc = NewDocument();
    const std::string path = dir.Write("house.ifc", "ISO-10303-21;\n");
    g_log.clear();
    EXPECT_EQ(app.OpenDocumentFile(path.c_str()), doc);
    EXPECT_EQ(g_log,
              (std::vector<std::string>{"open " + path, "initial upper", "update upper hint 0",
                                        "initial lower", "update lower hint 0"}));
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(doc->GetTitle(), "house.ifc");
    EXPECT_EQ(frame->GetWindowText(), "house.ifc - Lumenor");
    ASSERT_EQ(app.GetRecentFileList()->GetCount(), 1);
    EXPECT_EQ((*app.GetRecentFileList())[0], path);
}

class FailedOpen : public DocumentLifeCycle, public ::testing::WithParamInterface<std::string> { };

// Each case leaves the previous file shown, untouched, with the reason named.
TEST_P(FailedOpen, LeavesTitlePathAndViewsAsTheyWereAndNamesFileAndReason)
{
    const std::string previous = dir.Write("previous.ifc", "x\n");
    ASSERT_NE(NewDocument(), nullptr);
    CDocument* doc = app.OpenDocumentFile(previous.c_str());
    ASSERT_NE(doc, nullptr);
    const std::vector<CView*> views = doc->GetViews();

    std::string path;
    std::string reason;
    if (GetParam() == "missing") {
        path = (dir.GetPath() / "missing.ifc").string();
        reason = "the file does not exist";
    } else if (GetParam() == "folder") {
        path = (dir.GetPath() / "folder.ifc").string();
        ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
        reason = "it is a folder, not a file";
    } else if (GetParam() == "no permission") {
        if (geteuid() == 0)
            GTEST_SKIP() << "root reads every file";
        path = dir.Write("locked.ifc", "x\n");
        ASSERT_EQ(chmod(path.c_str(), 0), 0);
        reason = "permission denied";
    } else {
        path = dir.Write("unreadable.ifc", "x\n");
        LifeDoc::failOpen = true; // the document's own reading fails
    }

    fwtest::MessageBoxCatcher boxes;
    g_log.clear();
    EXPECT_EQ(app.OpenDocumentFile(path.c_str()), nullptr);
    EXPECT_EQ(doc->GetTitle(), "previous.ifc");
    EXPECT_EQ(doc->GetPathName(), previous);
    EXPECT_EQ(doc->GetViews(), views);
    EXPECT_EQ(frame->GetWindowText(), "previous.ifc - Lumenor");
    EXPECT_EQ((*app.GetRecentFileList())[0], previous);
    EXPECT_EQ(app.GetRecentFileList()->GetCount(), 1);
    if (reason.empty()) {
        // The document reports its own failures; the template only stops.
        EXPECT_EQ(g_log, (std::vector<std::string>{"open " + path}));
        EXPECT_TRUE(boxes.texts.empty());
    } else {
        EXPECT_TRUE(g_log.empty()) << "the document was not asked to open it";
        ASSERT_EQ(boxes.texts.size(), 1u);
        EXPECT_EQ(boxes.texts[0], "Cannot open the file \"" + path + "\": " + reason + ".");
        EXPECT_EQ(boxes.captions[0], "Template test");
    }
}

INSTANTIATE_TEST_SUITE_P(Reasons, FailedOpen,
                         ::testing::Values("missing", "folder", "no permission", "document"));

TEST_F(DocumentLifeCycle, FailedFirstOpenMakesNoFrame)
{
    fwtest::MessageBoxCatcher boxes;
    const std::string path = (dir.GetPath() / "nothing.ifc").string();
    EXPECT_EQ(app.OpenDocumentFile(path.c_str()), nullptr);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(tmpl->GetOnlyDocument(), nullptr);
    EXPECT_EQ(boxes.texts.size(), 1u);
}

TEST_F(DocumentLifeCycle, ExitClosesTheFrameWithItsViewsThenDeletesTheDocument)
{
    ASSERT_NE(NewDocument(), nullptr);
    g_log.clear();
    frame->SendMessage(WM_COMMAND, res::ID_APP_EXIT);
    EXPECT_EQ(g_log, (std::vector<std::string>{"destroy upper", "destroy lower", "document deleted"}));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(tmpl->GetOnlyDocument(), nullptr);
}

// File Open with the dialog answered by the test.
class PromptingApp : public CWinApp {
public:
    PromptingApp() : CWinApp("Prompt test") { }
    std::string answer; // empty: cancelled
    std::string filterSeen;
    std::string startSeen;

    BOOL DoPromptFileName(std::string& fileName, CDocTemplate* pTemplate) override
    {
        filterSeen = FileOpenFilter(pTemplate, m_strMoreFileFilters);
        startSeen = fileName;
        fileName = answer;
        return !answer.empty();
    }
};

TEST(FileOpen, OpensTheChosenFileAndNothingWhenCancelled)
{
    CTempFolder dir;
    PromptingApp app;
    app.SetRegistryKey("Prompt company");
    auto* tmpl = new CSingleDocTemplate(res::IDR_MAINFRAME, RUNTIME_CLASS(LifeDoc), RUNTIME_CLASS(LifeFrame),
                                        RUNTIME_CLASS(LifeView));
    app.AddDocTemplate(tmpl);
    ASSERT_NE(app.OpenDocumentFile(nullptr), nullptr);
    g_log.clear();
    app.OnFileOpen();
    EXPECT_EQ(app.filterSeen, "FileType Ifc (*.ifc);;All Files (*)");
    app.m_strMoreFileFilters = "Packed (*.ifc.z)";
    app.OnFileOpen();
    EXPECT_EQ(app.filterSeen, "FileType Ifc (*.ifc);;Packed (*.ifc.z);;All Files (*)");
    EXPECT_TRUE(g_log.empty());
    EXPECT_EQ(tmpl->GetOnlyDocument()->GetTitle(), "Untitled");

    app.answer = dir.Write("chosen.ifc", "x\n");
    app.OnFileOpen();
    EXPECT_EQ(tmpl->GetOnlyDocument()->GetPathName(), app.answer);
    // The next File Open starts in the open file's folder; without an open
    // file, in the folder chosen last, which the settings keep.
    const std::string folder = dir.GetPath().string() + "/";
    app.answer.clear();
    app.OnFileOpen();
    EXPECT_EQ(app.startSeen, folder);
    app.OnFileNew();
    app.OnFileOpen();
    EXPECT_EQ(app.startSeen, folder);
    EXPECT_EQ(CProfileSettings("Prompt company", "Prompt test").GetString("Settings", "Last Folder"), folder);
}

TEST(OpenFailure, ReasonsForPathsThatAreNoReadableFile)
{
    EXPECT_EQ(CannotOpenReason(""), "no file name was given");
    EXPECT_EQ(CannotOpenReason("/dev/null"), "it is not a regular file");
    EXPECT_EQ(CannotOpenReason("/"), "it is a folder, not a file");
}

} // namespace
