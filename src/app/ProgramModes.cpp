#include "app/ProgramModes.h"

#include "app/CommandLine.h"
#include "app/KantorApp.h"
#include "app/OffscreenRequest.h"
#include "platform/MessageLoop.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

void SetPalette(const ProgramRequest& request)
{
    SetPaletteSource(request.UsesDesktopColors() ? PaletteSource::Desktop : PaletteSource::Fixed);
}

} // namespace

int RunQuery(const ProgramRequest& request, int argc, char** argv)
{
    SetPalette(request);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt warns on standard error when it has no private runtime folder; a
    // query run from a plain shell gets one of its own.
    std::string strRuntime;
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        char folder[] = "/tmp/lumenor-runtime-XXXXXX";
        if (mkdtemp(folder)) {
            strRuntime = folder;
            setenv("XDG_RUNTIME_DIR", folder, 1);
        }
    }
    // --print writes a line per entity: millions of them.
    static char outBuffer[1 << 16];
    std::setvbuf(stdout, outBuffer, _IOFBF, sizeof outBuffer);
    const int status = RunOffscreenRequest(request, argc, argv);
    if (!strRuntime.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(strRuntime, ec);
    }
    return status;
}

int RunWindow(const ProgramRequest& request, int argc, char** argv)
{
    SetPalette(request);
    // The window needs a display; say so plainly rather than let the
    // windowing system abort the program.
    if (!InitPlatform(argc, argv)) {
        std::fprintf(stderr,
                     "lumenor: %s; --print, --refs, --inverse, --summary and --screenshot work without one, "
                     "see lumenor --help.\n",
                     PlatformInitError().c_str());
        return 1;
    }
    std::string strFile = FileArgumentForApp(request.strFile);
    std::vector<char*> appArgs{argv[0]};
    if (!strFile.empty())
        appArgs.push_back(strFile.data());
    appArgs.push_back(nullptr);
    const int appArgc = static_cast<int>(appArgs.size()) - 1;
    CKantorApp app;
    return AfxWinMain(appArgc, appArgs.data());
}
