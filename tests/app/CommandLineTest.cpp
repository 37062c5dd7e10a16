// Reading the command line: the window with or without a file, the queries
// with their values, and every way of asking for something the program
// does not do.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

// What a request asks for, in one line: the action, the file, the entity,
// the image and the entity selected in it, the colours, whether it runs
// offscreen; or the error.
std::string Describe(const Args& args)
{
    ProgramRequest request;
    std::string strError;
    if (!ParseProgramArguments(args, request, strError))
        return "error: " + strError;
    static const char* const kActions[] = {"window", "help",    "version", "print",
                                           "refs",   "inverse", "summary", "screenshot"};
    std::string str = kActions[static_cast<int>(request.action)];
    if (!request.strFile.empty())
        str += " file=" + request.strFile;
    if (request.nEntity != 0)
        str += " entity=" + std::to_string(request.nEntity);
    if (!request.strImagePath.empty())
        str += " image=" + request.strImagePath;
    if (request.nSelect)
        str += " select=" + std::to_string(*request.nSelect);
    str += request.UsesDesktopColors() ? " desktop" : " fixed";
    return str + (request.RunsOffscreen() ? " offscreen" : "");
}

TEST(CommandLineTest, EachRequestAndEachRefusal)
{
    const struct {
        Args args;
        std::string strRequest;
    } rows[] = {
        {{}, "window desktop"},
        {{"house.ifc"}, "window file=house.ifc desktop"},
        // After -- a name may look like an option.
        {{"--", "--print"}, "window file=--print desktop"},
        {{"-"}, "window file=- desktop"},
        {{"--colors", "fixed", "a.ifc"}, "window file=a.ifc fixed"},
        // Queries take their values in any order around the file.
        {{"--print", "a.ifc"}, "print file=a.ifc fixed offscreen"},
        {{"a.ifc", "--summary"}, "summary file=a.ifc fixed offscreen"},
        {{"a.ifc", "--refs", "#12"}, "refs file=a.ifc entity=12 fixed offscreen"},
        // The header item can be unfolded like any other.
        {{"--refs", "0", "a.ifc"}, "refs file=a.ifc fixed offscreen"},
        {{"--inverse", "2147483647", "a.ifc"}, "inverse file=a.ifc entity=2147483647 fixed offscreen"},
        // A screenshot has the program's own colours unless asked otherwise.
        {{"--select", "7", "--screenshot", "out.png", "a.ifc"},
         "screenshot file=a.ifc image=out.png select=7 fixed offscreen"},
        {{"--screenshot", "out.png", "--colors", "desktop", "a.ifc"},
         "screenshot file=a.ifc image=out.png desktop offscreen"},
        // Help and version win over everything else.
        {{"--help"}, "help fixed"},
        {{"a.ifc", "-h"}, "help fixed"},
        {{"--print", "a.ifc", "--version"}, "version fixed"},
        {{"--frobnicate"}, "error: unknown option --frobnicate"},
        {{"a.ifc", "b.ifc"}, "error: one file at a time, but 2 were given"},
        {{"--print"}, "error: --print needs a FILE"},
        {{"--refs"}, "error: --refs needs a value"},
        {{"--screenshot"}, "error: --screenshot needs a value"},
        {{"--refs", "x", "a.ifc"}, "error: --refs: \"x\" is not an entity number"},
        {{"--refs", "-3", "a.ifc"}, "error: --refs: \"-3\" is not an entity number"},
        {{"--refs", "12a", "a.ifc"}, "error: --refs: \"12a\" is not an entity number"},
        {{"--inverse", "2147483648", "a.ifc"}, "error: --inverse: \"2147483648\" is not an entity number"},
        {{"--inverse", "0", "a.ifc"},
         "error: --inverse: entity 0 is the file's header, which nothing refers to"},
        {{"--print", "--refs", "1", "a.ifc"}, "error: --print and --refs cannot be combined"},
        {{"--select", "3", "a.ifc"}, "error: --select goes with --screenshot"},
        {{"--select", "3", "--print", "a.ifc"}, "error: --select goes with --screenshot"},
        {{"--colors", "dark", "a.ifc"}, "error: --colors: \"dark\" is neither desktop nor fixed"},
        {{"--colors", "fixed", "--print", "a.ifc"}, "error: --colors goes with the window or --screenshot"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Describe(row.args), row.strRequest) << ::testing::PrintToString(row.args);
}

} // namespace
