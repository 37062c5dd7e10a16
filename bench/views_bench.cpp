// Measures the two views on one IFC file the way a user meets them:
//
//     views_bench [FILE.ifc]          (default /tmp/big40.ifc)
//
// building the upper tree with its progress, filling the lower tree for an
// entity with 100,000 referrers (in a copy of the file with referrers
// added, written to a temporary folder), a search that finds nothing (a
// full pass with wrap-around), and unfolding items. Run headless with
// QT_QPA_PLATFORM=offscreen. Wall and processor times are printed: on a
// busy machine the wall time also counts other programs.
#include "BenchSupport.h"
#include "support/TreeItems.h"
#include "support/ViewPane.h"
#include "views/KantorDocument.h"
#include "views/KantorInverseView.h"
#include "views/KantorView.h"

#include "model/DocumentHost.h"
#include "model/KantorDoc.h"
#include "platform/MessageLoop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A status bar that only counts, so that the figures are the views' own.
class CCountingStatusBar : public IProgressSink {
public:
    int m_nSteps = 0;
    std::string m_strMessage;

    void SetProgressText(const std::string&) override { }
    void ShowProgress(bool) override { }
    void SetRange32(int, int) override { }
    void SetStep(int) override { }
    void StepIt() override { ++m_nSteps; }
    std::string GetMessageText() const override { return m_strMessage; }
    void SetMessageText(const std::string& strText) override { m_strMessage = strText; }
};

constexpr std::size_t kReferrers = 100000;

std::int32_t MostReferred(const CKantorDoc& doc)
{
    std::int32_t nMostReferred = 0;
    std::size_t nMostReferrers = 0;
    CEntityNumberArray arrReferrers;
    for (std::size_t i = 0; i < doc.GetEntityMap().GetCount(); ++i) {
        const std::int32_t n = doc.GetEntityMap().GetAt(i).nNumber;
        doc.GetInverseReferences(n, arrReferrers);
        if (arrReferrers.GetSize() > nMostReferrers) {
            nMostReferrers = arrReferrers.GetSize();
            nMostReferred = n;
        }
    }
    return nMostReferred;
}

// A copy of the file in a new temporary folder, with entities appended
// that refer to nTarget until it has nReferrers referrers; its path, or
// empty on failure.
std::string WriteWithReferrers(const std::string& strPath, const CKantorDoc& doc, std::int32_t nTarget,
                               std::size_t nReferrers)
{
    std::string strFolder = (std::filesystem::temp_directory_path() / "lumenor-views-bench-XXXXXX").string();
    if (!::mkdtemp(strFolder.data()))
        return {};
    const std::filesystem::path copy = std::filesystem::path(strFolder) / "referrers.ifc";
    std::error_code ec;
    std::filesystem::copy_file(strPath, copy, ec);
    if (ec)
        return {};
    CEntityNumberArray arrReferrers;
    doc.GetInverseReferences(nTarget, arrReferrers);
    std::ofstream file(copy, std::ios::binary | std::ios::app);
    std::int32_t n = doc.GetMaxEntityNumber();
    for (std::size_t i = arrReferrers.GetSize(); i < nReferrers; ++i)
        file << "\n#" << ++n << "=IFCRELDEFINESBYPROPERTIES('bench',$,$,$,(#" << nTarget << "),$);";
    file << "\n";
    return file ? copy.string() : std::string();
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strPath = argc > 1 ? argv[1] : "/tmp/big40.ifc";
    if (!InitPlatform(argc, argv)) {
        std::fprintf(stderr, "cannot start the platform: %s\n", PlatformInitError().c_str());
        return 1;
    }

    CCountingStatusBar statusBar;
    auto* pDocument = new CKantorDocument;
    pDocument->SetStatusBarSource([&statusBar] { return &statusBar; });
    CKantorDoc& doc = pDocument->GetKantorDoc();

    const WallAndCpu load = TimeOnce([&] { pDocument->OnOpenDocument(strPath.c_str()); });
    if (doc.GetEntityMap().IsEmpty()) {
        std::fprintf(stderr, "cannot load %s\n", strPath.c_str());
        return 1;
    }
    std::printf("file: %s, %zu entities, highest number %d\n", strPath.c_str(), doc.GetEntityMap().GetCount(),
                doc.GetMaxEntityNumber());
    std::printf("                                         wall s   processor s\n");
    std::printf("load (model, for reference):            %8.3f  %8.3f\n", load.fWall, load.fCpu);

    CWnd frame;
    frame.CreateEx(0, nullptr, "views_bench", WS_OVERLAPPEDWINDOW, RECT{0, 0, 800, 600}, nullptr, 0);
    auto* pUpper = testsupport::CreateViewPane<CKantorView>(frame, *pDocument, RECT{0, 0, 800, 300}, 1);
    auto* pLower =
        testsupport::CreateViewPane<CKantorInverseView>(frame, *pDocument, RECT{0, 300, 800, 600}, 2);
    if (!pUpper || !pLower) {
        std::fprintf(stderr, "cannot create the views\n");
        return 1;
    }
    frame.ShowWindow(SW_SHOW);
    PumpWaitingMessages();

    const WallAndCpu build = TimeOnce([&] { pUpper->OnInitialUpdate(); });
    std::printf("build upper tree with progress:         %8.3f  %8.3f  (%d progress steps)\n", build.fWall,
                build.fCpu, statusBar.m_nSteps);
    pLower->OnInitialUpdate();

    const WallAndCpu inverse = TimeOnce([&] {
        while (doc.ComputeInverseStep()) { }
    });
    std::printf("inverse computation (model, reference): %8.3f  %8.3f\n", inverse.fWall, inverse.fCpu);

    HWND hUpperTree = pUpper->GetTreeHwnd();
    HWND hLowerTree = pLower->GetTreeHwnd();
    // From the header item: the first pass runs to the end, the
    // wrap-around back to the header.
    TreeView_SelectItem(hUpperTree, TreeView_GetNextItem(hUpperTree, nullptr, TVGN_ROOT));
    bool bFound = true;
    const WallAndCpu searchDown =
        TimeOnce([&] { bFound = pUpper->SearchDown("no such text in any entity"); });
    std::printf("search down, no match, full pass:       %8.3f  %8.3f  (%s)\n", searchDown.fWall,
                searchDown.fCpu, bFound ? "found!" : "not found");
    const WallAndCpu searchUp = TimeOnce([&] { bFound = pUpper->SearchUp("no such text in any entity"); });
    std::printf("search up, no match, full pass:         %8.3f  %8.3f  (%s)\n", searchUp.fWall, searchUp.fCpu,
                bFound ? "found!" : "not found");

    // Unfolding: the first 2000 roots from a point in the middle, each
    // selected and then expanded by the keyboard, which the view answers.
    std::vector<HTREEITEM> aRoots;
    HTREEITEM hItem = TreeView_GetNextItem(hUpperTree, nullptr, TVGN_ROOT);
    const std::size_t nSkip = doc.GetEntityMap().GetCount() / 2;
    for (std::size_t i = 0; hItem && aRoots.size() < 2000; ++i) {
        if (i >= nSkip)
            aRoots.push_back(hItem);
        hItem = TreeView_GetNextItem(hUpperTree, hItem, TVGN_NEXT);
    }
    WallAndCpu unfoldTotal;
    WallAndCpu unfoldMax;
    for (HTREEITEM hRoot : aRoots) {
        TreeView_SelectItem(hUpperTree, hRoot);
        const WallAndCpu unfold = TimeOnce([&] { SendMessageA(hUpperTree, WM_KEYDOWN, VK_ADD, 0); });
        unfoldTotal.fWall += unfold.fWall;
        unfoldTotal.fCpu += unfold.fCpu;
        unfoldMax.fWall = std::max(unfoldMax.fWall, unfold.fWall);
        unfoldMax.fCpu = std::max(unfoldMax.fCpu, unfold.fCpu);
    }
    const double fItems = aRoots.empty() ? 1.0 : static_cast<double>(aRoots.size());
    std::printf("unfold an item, mean (ms):              %8.3f  %8.3f  (%zu items)\n",
                unfoldTotal.fWall * 1000 / fItems, unfoldTotal.fCpu * 1000 / fItems, aRoots.size());
    std::printf("unfold an item, longest (ms):           %8.3f  %8.3f\n", unfoldMax.fWall * 1000,
                unfoldMax.fCpu * 1000);

    {
        // No entity of a scaled file has 100,000 referrers; a copy of the
        // file with referrers added to its most referred-to entity has.
        const std::int32_t nTarget = MostReferred(doc);
        const std::string strReferrersPath = WriteWithReferrers(strPath, doc, nTarget, kReferrers);
        if (strReferrersPath.empty()) {
            std::fprintf(stderr, "cannot write the file with %zu referrers\n", kReferrers);
            return 1;
        }
        pDocument->OnOpenDocument(strReferrersPath.c_str());
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::path(strReferrersPath).parent_path(), ec);
        const WallAndCpu rebuild = TimeOnce([&] { pUpper->OnInitialUpdate(); });
        std::printf("rebuild for another file (old deleted): %8.3f  %8.3f  (%zu entities)\n", rebuild.fWall,
                    rebuild.fCpu, doc.GetEntityMap().GetCount());
        pLower->OnInitialUpdate();
        while (doc.ComputeInverseStep()) { }
        const WallAndCpu select = TimeOnce([&] { doc.SetCurrentEntity(nTarget, nullptr); });
        std::printf("select, fill lower tree:                %8.3f  %8.3f  (#%d, %ld referrers shown)\n",
                    select.fWall, select.fCpu, nTarget, static_cast<long>(TreeView_GetCount(hLowerTree)));

        // The lower view unfolds with redrawing on; the last referrer is the
        // farthest from the top.
        HTREEITEM hReferrer = TreeView_GetNextItem(hLowerTree, nullptr, TVGN_LASTVISIBLE);
        TreeView_SelectItem(hLowerTree, hReferrer);
        const WallAndCpu unfold = TimeOnce([&] { SendMessageA(hLowerTree, WM_KEYDOWN, VK_ADD, 0); });
        const long nChildren = static_cast<long>(testsupport::TreeChildren(hLowerTree, hReferrer).size());
        std::printf("unfold the last lower item (ms):        %8.3f  %8.3f  (%ld children)\n",
                    unfold.fWall * 1000, unfold.fCpu * 1000, nChildren);
    }

    frame.DestroyWindow();
    delete pDocument;
    return 0;
}
