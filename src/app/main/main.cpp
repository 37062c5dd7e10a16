// Lumenor's entry point: the command line decides between the viewer's
// window and the queries, which run without a display.
#include "app/CommandLine.h"
#include "app/KantorApp.h"
#include "app/OffscreenRequest.h"
#include "platform/MessageLoop.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    ProgramRequest request;
    std::string strError;
    if (!ParseProgramArguments(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), request, strError)) {
        std::fprintf(stderr, "lumenor: %s\nTry 'lumenor --help'.\n", strError.c_str());
        return 2;
    }
    switch (request.action) {
    case ProgramRequest::Action::Help:
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    case ProgramRequest::Action::Version:
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    default:
        break;
    }
    if (request.RunsOffscreen()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // --print writes a line per entity: millions of them.
        static char outBuffer[1 << 16];
        std::setvbuf(stdout, outBuffer, _IOFBF, sizeof outBuffer);
        return RunOffscreenRequest(request, argc, argv);
    }

    // The window needs a display; say so plainly rather than let the
    // windowing system abort the program.
    if (!InitPlatform(argc, argv)) {
        std::fputs("lumenor: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "--print, --refs, --inverse and --screenshot work without one, see lumenor --help.\n",
                   stderr);
        return 1;
    }
    // The application takes the file from its command line as the first
    // argument that is no option; a name that looks like one is made plain.
    std::string strFile = request.strFile;
    if (!strFile.empty() && strFile[0] == '-')
        strFile = "./" + strFile;
    std::vector<char*> appArgs{argv[0]};
    if (!strFile.empty())
        appArgs.push_back(strFile.data());
    appArgs.push_back(nullptr);
    int appArgc = static_cast<int>(appArgs.size()) - 1;
    CKantorApp app;
    return AfxWinMain(appArgc, appArgs.data());
}
