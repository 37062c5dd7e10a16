// Measures the two views on one IFC file the way a user meets them:
//
//     views_bench [FILE.ifc]          (default /tmp/big40.ifc)
//
// building the upper tree with its progress, filling the lower tree for the
// most referred-to entity, a search that finds nothing (a full pass with
// wrap-around), and unfolding items. Run headless with
// QT_QPA_PLATFORM=offscreen.
#include "views/KantorDocument.h"
#include "views/KantorInverseView.h"
#include "views/KantorView.h"

#include "app/framework/CreateContext.h"
#include "model/DocumentHost.h"
#include "model/KantorDoc.h"
#include "platform/MessageLoop.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

template <class F>
double Time(F&& f)
{
    const auto start = Clock::now();
    f();
    return Seconds(Clock::now() - start);
}

// A status bar that only counts, so that the figures are the views' own.
class CCountingStatusBar : public IProgressSink {
public:
    int m_nSteps = 0;
    std::string m_strMessage;

    void SetProgressText(const std::string&) override {}
    void ShowProgress(bool) override {}
    void SetRange32(int, int) override {}
    void SetStep(int) override {}
    void StepIt() override { ++m_nSteps; }
    std::string GetMessageText() const override { return m_strMessage; }
    void SetMessageText(const std::string& strText) override { m_strMessage = strText; }
};

template <class TView>
TView* CreateView(CWnd& frame, CKantorDocument& document, const RECT& rect, UINT nID)
{
    auto* pView = new TView;
    CCreateContext context;
    context.m_pCurrentDoc = &document;
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, &frame, nID, &context))
        return nullptr;
    return pView;
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

    const double fLoad = Time([&] { pDocument->OnOpenDocument(strPath.c_str()); });
    if (doc.GetEntityMap().IsEmpty()) {
        std::fprintf(stderr, "cannot load %s\n", strPath.c_str());
        return 1;
    }
    std::printf("file: %s, %zu entities, highest number %d\n", strPath.c_str(), doc.GetEntityMap().GetCount(),
                doc.GetMaxEntityNumber());
    std::printf("load (model, for reference):            %8.3f s\n", fLoad);

    CWnd frame;
    frame.CreateEx(0, nullptr, "views_bench", WS_OVERLAPPEDWINDOW, RECT{0, 0, 800, 600}, nullptr, 0);
    auto* pUpper = CreateView<CKantorView>(frame, *pDocument, RECT{0, 0, 800, 300}, 1);
    auto* pLower = CreateView<CKantorInverseView>(frame, *pDocument, RECT{0, 300, 800, 600}, 2);
    if (!pUpper || !pLower) {
        std::fprintf(stderr, "cannot create the views\n");
        return 1;
    }
    frame.ShowWindow(SW_SHOW);
    PumpWaitingMessages();

    const double fBuild = Time([&] { pUpper->OnInitialUpdate(); });
    std::printf("build upper tree with progress:         %8.3f s  (%d progress steps)\n", fBuild, statusBar.m_nSteps);
    pLower->OnInitialUpdate();

    const double fInverse = Time([&] {
        while (doc.ComputeInverseStep()) {
        }
    });
    std::printf("inverse computation (model, reference): %8.3f s\n", fInverse);

    // The entity with the most referrers.
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
    HWND hUpperTree = pUpper->GetTreeHwnd();
    HWND hLowerTree = pLower->GetTreeHwnd();
    const double fSelect = Time([&] { doc.SetCurrentEntity(nMostReferred, nullptr); });
    std::printf("select #%d, fill lower tree:       %8.3f s  (%zu referrers, %ld items)\n", nMostReferred, fSelect,
                nMostReferrers, static_cast<long>(SendMessageA(hLowerTree, TVM_GETCOUNT, 0, 0)));

    // From the header item: the first pass runs to the end, the
    // wrap-around back to the header.
    SendMessageA(hUpperTree, TVM_SELECTITEM, TVGN_CARET,
                 SendMessageA(hUpperTree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    bool bFound = true;
    const double fSearchDown = Time([&] { bFound = pUpper->SearchDown("no such text in any entity"); });
    std::printf("search down, no match, full pass:       %8.3f s  (%s)\n", fSearchDown, bFound ? "found!" : "not found");
    const double fSearchUp = Time([&] { bFound = pUpper->SearchUp("no such text in any entity"); });
    std::printf("search up, no match, full pass:         %8.3f s  (%s)\n", fSearchUp, bFound ? "found!" : "not found");

    // Unfolding: the first 2000 roots from a point in the middle, each
    // selected and then expanded by the keyboard, which the view answers.
    std::vector<HTREEITEM> aRoots;
    auto hItem = reinterpret_cast<HTREEITEM>(SendMessageA(hUpperTree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    const std::size_t nSkip = doc.GetEntityMap().GetCount() / 2;
    for (std::size_t i = 0; hItem && aRoots.size() < 2000; ++i) {
        if (i >= nSkip)
            aRoots.push_back(hItem);
        hItem = reinterpret_cast<HTREEITEM>(
            SendMessageA(hUpperTree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(hItem)));
    }
    double fUnfoldTotal = 0;
    double fUnfoldMax = 0;
    for (HTREEITEM hRoot : aRoots) {
        SendMessageA(hUpperTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hRoot));
        const double f = Time([&] { SendMessageA(hUpperTree, WM_KEYDOWN, VK_ADD, 0); });
        fUnfoldTotal += f;
        fUnfoldMax = std::max(fUnfoldMax, f);
    }
    std::printf("unfold an item:                         %8.3f ms mean, %.3f ms max (%zu items)\n",
                aRoots.empty() ? 0.0 : fUnfoldTotal * 1000 / static_cast<double>(aRoots.size()), fUnfoldMax * 1000,
                aRoots.size());

    frame.DestroyWindow();
    delete pDocument;
    return 0;
}
