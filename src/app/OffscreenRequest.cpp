#include "app/OffscreenRequest.h"

#include "app/CommandLine.h"
#include "app/KantorApp.h"
#include "app/MainFrame.h"
#include "framework/FrameworkMessages.h"
#include "framework/MemoryFailure.h"
#include "model/FileSummary.h"
#include "model/KantorDoc.h"
#include "platform/Gdi.h"
#include "platform/MessageLoop.h"
#include "platform/TreeViewMessages.h"
#include "views/KantorDocument.h"
#include "views/KantorInverseView.h"
#include "views/KantorView.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

namespace {

using Action = ProgramRequest::Action;

// A query is no open by the user: the recent-file list stays as it was.
class CQueryApp : public CKantorApp {
public:
    void AddToRecentFileList(const std::string&) override { }
    bool KeepsWindowPlace() const override { return false; }
};

int Fail(const std::string& message)
{
    std::fprintf(stderr, "lumenor: %s\n", message.c_str());
    return 1;
}

// The labels of the children of hParent in order; of the roots for null.
void WriteLabels(HWND hTree, HTREEITEM hParent)
{
    std::vector<char> buffer(4096);
    HTREEITEM hItem = TreeView_GetNextItem(hTree, hParent, hParent ? TVGN_CHILD : TVGN_ROOT);
    for (; hItem; hItem = TreeView_GetNextItem(hTree, hItem, TVGN_NEXT)) {
        const std::string_view label = TreeView_GetItemLabel(hTree, hItem, buffer);
        std::fwrite(label.data(), 1, label.size(), stdout);
        std::fputc('\n', stdout);
    }
}

bool HasEntity(const CKantorDoc& doc, std::int32_t n)
{
    std::string_view text;
    return doc.GetEntityMap().Lookup(n, text);
}

// The types by descending count and then name, then the missing numbers and
// the duplicates in ascending entity number.
void WriteSummary(const CKantorDoc& doc)
{
    std::vector<EntityTypeCount> aTypes = CountEntityTypes(doc);
    std::stable_sort(aTypes.begin(), aTypes.end(),
                     [](const EntityTypeCount& a, const EntityTypeCount& b) { return a.nCount > b.nCount; });
    for (const EntityTypeCount& type : aTypes)
        std::printf("%.*s\t%zu\n", static_cast<int>(type.strType.size()), type.strType.data(), type.nCount);
    for (const FileProblem& problem : ListProblems(doc, false)) {
        if (problem.kind == FileProblem::Kind::Missing)
            std::printf("missing\t#%d\t#%lld\n", problem.nEntity, static_cast<long long>(problem.nDetail));
        else
            std::printf("duplicate\t#%d\t%lld\n", problem.nEntity, static_cast<long long>(problem.nDetail));
    }
}

// The answer once the file is open and its inverse references are known.
int Answer(const ProgramRequest& request, CMainFrame& frame, CKantorDoc& doc)
{
    CKantorView* pUpper = frame.GetUpperView();
    CKantorInverseView* pLower = frame.GetLowerView();
    if (!pUpper || !pLower)
        return Fail("the views could not be made");
    const HWND hUpper = pUpper->GetTreeHwnd();
    const std::string strNoEntity = "\"" + request.strFile + "\" has no entity #";

    switch (request.action) {
    case Action::Print:
        WriteLabels(hUpper, nullptr);
        return 0;
    case Action::Refs: {
        if (!HasEntity(doc, request.nEntity))
            return Fail(strNoEntity + std::to_string(request.nEntity));
        // As a user would: select the entity's item and unfold it with '+'.
        doc.SetCurrentEntity(request.nEntity, nullptr);
        HTREEITEM hItem = TreeView_GetNextItem(hUpper, nullptr, TVGN_CARET);
        SendMessageA(hUpper, WM_KEYDOWN, VK_ADD, 0);
        WriteLabels(hUpper, hItem);
        return 0;
    }
    case Action::Inverse:
        if (!HasEntity(doc, request.nEntity))
            return Fail(strNoEntity + std::to_string(request.nEntity));
        doc.SetCurrentEntity(request.nEntity, nullptr);
        WriteLabels(pLower->GetTreeHwnd(), nullptr);
        return 0;
    case Action::Summary:
        WriteSummary(doc);
        return 0;
    case Action::Screenshot:
        if (request.nSelect) {
            if (!HasEntity(doc, *request.nSelect))
                return Fail(strNoEntity + std::to_string(*request.nSelect));
            doc.SetCurrentEntity(*request.nSelect, nullptr);
        }
        // The bars as the idle pass after the selection leaves them.
        frame.SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
        PumpWaitingMessages();
        if (!SaveWindowPng(frame.GetSafeHwnd(), request.strImagePath.c_str()))
            return Fail("cannot write the image \"" + request.strImagePath + "\"");
        return 0;
    default:
        return Fail("nothing to do offscreen");
    }
}

} // namespace

namespace {

int RunRequest(const ProgramRequest& request, int argc, char** argv)
{
    CQueryApp app;
    if (!InitPlatform(argc, argv))
        return Fail(PlatformInitError());
    // What the window would show in a message box goes to standard error.
    std::string strMessage;
    SetMessageBoxHook([&strMessage](const std::string& text, const std::string&, UINT) {
        if (strMessage.empty())
            strMessage = text;
        return IDOK;
    });
    struct HookReset {
        ~HookReset() { SetMessageBoxHook(nullptr); }
    } hookReset;

    app.SetCommandLine({argc > 0 ? argv[0] : "lumenor", FileArgumentForApp(request.strFile)});
    if (!app.InitInstance() || !app.GetMainFrame())
        return Fail("the main window could not be made");
    CMainFrame& frame = *app.GetMainFrame();

    // The open and the inverse computation run in the idle passes, as in
    // the window; a failed open leaves the empty document.
    auto documentOf = [&frame] { return dynamic_cast<CKantorDocument*>(frame.GetActiveDocument()); };
    PumpUntil(
        [&] {
            CKantorDocument* pDocument = documentOf();
            return !app.IsDeferredOpenPending() && pDocument
                && pDocument->GetKantorDoc().GetInversePercent() == 100;
        },
        INT_MAX);
    CKantorDocument* pDocument = documentOf();
    if (!strMessage.empty())
        return Fail(strMessage);
    if (!pDocument || pDocument->GetPathName().empty())
        return Fail("cannot open \"" + request.strFile + "\"");

    int status = 0;
    try {
        status = Answer(request, frame, pDocument->GetKantorDoc());
    } catch (const std::bad_alloc&) {
        strMessage = "not enough memory for the answer";
    }
    ShowPendingOutOfMemoryReport();
    // Something reported while answering (an unfolding that ran out of
    // memory): what was printed is not the whole answer.
    if (!strMessage.empty())
        return Fail(strMessage);
    if (std::fflush(stdout) != 0)
        return Fail("cannot write the answer");
    frame.DestroyWindow();
    return status;
}

} // namespace

int RunOffscreenRequest(const ProgramRequest& request, int argc, char** argv)
{
    // Out of memory outside the program's windows (the platform's own pump,
    // making the window) the query fails with one message as well.
    try {
        return RunRequest(request, argc, argv);
    } catch (const std::bad_alloc&) {
        return Fail("not enough memory");
    }
}
