// Lumenor's entry point: the command line decides between the help, the
// queries, which run without a display, and the viewer's window.
#include "app/CommandLine.h"
#include "app/ProgramModes.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    ProgramRequest request;
    std::string strError;
    if (!ParseProgramArguments(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), request,
                               strError)) {
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
        return request.RunsOffscreen() ? RunQuery(request, argc, argv) : RunWindow(request, argc, argv);
    }
}
