// The tree control, of a style the first byte chooses, driven by message
// sequences that the other bytes choose (TreeExerciser, as in the control's
// property test): after every
// message the counters must equal a recount and the first visible item sit
// at row m_nTopIndex. A fresh control per input, so that an input replays alone.
#include "treectrl/TreeExerciser.h"

#include "support/TestSupport.h"

#include "platform/MessageLoop.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The platform keeps the arguments; libFuzzer's own stay with libFuzzer.
    static char name[] = "fuzz_tree";
    static char* argv[] = {name, nullptr};
    static int argc = 1;
    if (!InitPlatform(argc, argv)) {
        std::fprintf(stderr, "cannot start the platform: %s\n", PlatformInitError().c_str());
        std::exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    static TreeParent parent;
    static const HFONT font = CreateTestFont();
    ByteChooser choose(pData, nSize);
    CEntityTreeCtrl tree;
    RECT rect{0, 0, 300, 100};
    if (!tree.Create(ChooseTreeStyle(std::ref(choose)), rect, parent.hwnd(), kTreeId))
        std::abort();
    SendMessageA(tree.GetSafeHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    {
        TreeExerciser exerciser(parent, tree.GetSafeHwnd(), std::ref(choose));
        for (int step = 0; !choose.AtEnd(); ++step) {
            exerciser.Step();
            const std::string mismatch = exerciser.Mismatch();
            if (!mismatch.empty()) {
                std::fprintf(stderr, "tree mismatch after step %d: %s\n", step, mismatch.c_str());
                std::abort();
            }
        }
    }
    tree.DestroyWindow();
    testsupport::ProcessEvents();
    // A destroyed window's widget goes with a deferred delete, which only an
    // event loop delivers by itself; without one the widgets would pile up.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
