// Reading the command line: the window with or without a file, the queries
// with their values, and every way of asking for something the program
// does not do.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = ProgramRequest::Action;
using Args = std::vector<std::string>;

ProgramRequest Parse(const Args& args)
{
    ProgramRequest request;
    std::string strError;
    EXPECT_TRUE(ParseProgramArguments(args, request, strError)) << strError;
    return request;
}

std::string ErrorOf(const Args& args)
{
    ProgramRequest request;
    std::string strError;
    EXPECT_FALSE(ParseProgramArguments(args, request, strError));
    return strError;
}

TEST(CommandLineTest, TheWindowOpensWithOneFileOrNone)
{
    EXPECT_EQ(Parse({}).action, Action::OpenWindow);
    EXPECT_TRUE(Parse({}).strFile.empty());
    const ProgramRequest plain = Parse({"house.ifc"});
    EXPECT_EQ(plain.action, Action::OpenWindow);
    EXPECT_EQ(plain.strFile, "house.ifc");
    EXPECT_FALSE(plain.RunsOffscreen());
    // After -- a name may look like an option.
    EXPECT_EQ(Parse({"--", "--print"}).strFile, "--print");
    EXPECT_EQ(Parse({"-"}).strFile, "-");
}

TEST(CommandLineTest, QueriesTakeTheirValuesInAnyOrderAroundTheFile)
{
    const ProgramRequest print = Parse({"--print", "a.ifc"});
    EXPECT_EQ(print.action, Action::Print);
    EXPECT_EQ(print.strFile, "a.ifc");
    EXPECT_TRUE(print.RunsOffscreen());
    const ProgramRequest summary = Parse({"a.ifc", "--summary"});
    EXPECT_EQ(summary.action, Action::Summary);
    EXPECT_EQ(summary.strFile, "a.ifc");
    EXPECT_TRUE(summary.RunsOffscreen());

    const ProgramRequest refs = Parse({"a.ifc", "--refs", "#12"});
    EXPECT_EQ(refs.action, Action::Refs);
    EXPECT_EQ(refs.nEntity, 12);
    EXPECT_EQ(refs.strFile, "a.ifc");

    const ProgramRequest inverse = Parse({"--inverse", "2147483647", "a.ifc"});
    EXPECT_EQ(inverse.action, Action::Inverse);
    EXPECT_EQ(inverse.nEntity, 2147483647);

    const ProgramRequest shot = Parse({"--select", "7", "--screenshot", "out.png", "a.ifc"});
    EXPECT_EQ(shot.action, Action::Screenshot);
    EXPECT_EQ(shot.strImagePath, "out.png");
    ASSERT_TRUE(shot.nSelect.has_value());
    EXPECT_EQ(*shot.nSelect, 7);
    EXPECT_FALSE(Parse({"--screenshot", "out.png", "a.ifc"}).nSelect.has_value());
    // The window takes the desktop's colours, a screenshot the program's own,
    // unless the command line says otherwise.
    EXPECT_TRUE(Parse({"a.ifc"}).UsesDesktopColors());
    EXPECT_FALSE(Parse({"--colors", "fixed", "a.ifc"}).UsesDesktopColors());
    EXPECT_FALSE(shot.UsesDesktopColors());
    EXPECT_TRUE(Parse({"--screenshot", "out.png", "--colors", "desktop", "a.ifc"}).UsesDesktopColors());
    // The header item can be unfolded like any other.
    EXPECT_EQ(Parse({"--refs", "0", "a.ifc"}).nEntity, 0);
}

TEST(CommandLineTest, HelpAndVersionWinOverEverythingElse)
{
    EXPECT_EQ(Parse({"--help"}).action, Action::Help);
    EXPECT_EQ(Parse({"a.ifc", "-h"}).action, Action::Help);
    EXPECT_EQ(Parse({"--print", "a.ifc", "--version"}).action, Action::Version);
}

TEST(CommandLineTest, WhatTheProgramDoesNotDoIsRefusedWithAReason)
{
    EXPECT_EQ(ErrorOf({"--frobnicate"}), "unknown option --frobnicate");
    EXPECT_EQ(ErrorOf({"a.ifc", "b.ifc"}), "one file at a time, but 2 were given");
    EXPECT_EQ(ErrorOf({"--print"}), "--print needs a FILE");
    EXPECT_EQ(ErrorOf({"--refs"}), "--refs needs a value");
    EXPECT_EQ(ErrorOf({"--screenshot"}), "--screenshot needs a value");
    EXPECT_EQ(ErrorOf({"--refs", "x", "a.ifc"}), "--refs: \"x\" is not an entity number");
    EXPECT_EQ(ErrorOf({"--refs", "-3", "a.ifc"}), "--refs: \"-3\" is not an entity number");
    EXPECT_EQ(ErrorOf({"--refs", "12a", "a.ifc"}), "--refs: \"12a\" is not an entity number");
    EXPECT_EQ(ErrorOf({"--inverse", "2147483648", "a.ifc"}),
              "--inverse: \"2147483648\" is not an entity number");
    EXPECT_EQ(ErrorOf({"--inverse", "0", "a.ifc"}),
              "--inverse: entity 0 is the file's header, which nothing refers to");
    EXPECT_EQ(ErrorOf({"--print", "--refs", "1", "a.ifc"}), "--print and --refs cannot be combined");
    EXPECT_EQ(ErrorOf({"--select", "3", "a.ifc"}), "--select goes with --screenshot");
    EXPECT_EQ(ErrorOf({"--select", "3", "--print", "a.ifc"}), "--select goes with --screenshot");
    EXPECT_EQ(ErrorOf({"--colors", "dark", "a.ifc"}), "--colors: \"dark\" is neither desktop nor fixed");
    EXPECT_EQ(ErrorOf({"--colors", "fixed", "--print", "a.ifc"}),
              "--colors goes with the window or --screenshot");
}

} // namespace
