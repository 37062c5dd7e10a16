// The command line's queries and screenshot, run in process as main() runs
// them: what they print is what the views show (the views and the model are
// checked against every real sample file by their own tests).
#include "app/AppTest.h"

#include "app/CommandLine.h"
#include "app/OffscreenRequest.h"
#include "framework/ProfileSettings.h"
#include "model/KantorDoc.h"

#include <QImage>

#include <sstream>

namespace {

struct Outcome {
    int nStatus = -1;
    std::string strOut, strErr;
    Strings Lines() const
    {
        Strings lines;
        std::istringstream in(strOut);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
};

Outcome RunProgram(const Strings& args)
{
    ProgramRequest request;
    std::string strError;
    EXPECT_TRUE(ParseProgramArguments(args, request, strError)) << strError;
    char program[] = "lumenor";
    char* argv[] = {program, nullptr};
    Outcome outcome;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    outcome.nStatus = RunOffscreenRequest(request, 1, argv);
    outcome.strOut = ::testing::internal::GetCapturedStdout();
    outcome.strErr = ::testing::internal::GetCapturedStderr();
    return outcome;
}

class QueryTest : public AppTest { };

// The same answers as the window gives a user who selects and unfolds.
TEST_F(QueryTest, QueriesAgreeWithTheViewsOfTheRunningProgram)
{
    SKIP_WITHOUT_SAMPLES();
    const std::string strPath = SamplePath("duplex.ifc");
    Start({strPath});
    RunUntilIdle();
    const Strings upper = TreeLabels(Upper());
    const int nEntity = 3004;
    ASSERT_TRUE(EntityText(Doc(), nEntity).has_value());
    // The user walks down to the entity a page at a time, then row by row.
    while (Doc().GetCurrentEntity() < nEntity)
        PressKey(Doc().GetCurrentEntity() + 40 < nEntity ? Qt::Key_PageDown : Qt::Key_Down);
    ASSERT_EQ(Doc().GetCurrentEntity(), nEntity);
    const Strings lower = TreeLabels(Lower());
    // '+' on the keypad unfolds the selected item.
    PressKey(Qt::Key_Plus, Qt::KeypadModifier);
    const Strings children = TreeLabels(Upper(), TreeCaret(Upper()));
    ASSERT_FALSE(children.empty());
    TearDown();

    EXPECT_EQ(RunProgram({"--print", strPath}).Lines(), upper);
    EXPECT_EQ(RunProgram({"--refs", std::to_string(nEntity), strPath}).Lines(), children);
    EXPECT_EQ(RunProgram({"--inverse", std::to_string(nEntity), strPath}).Lines(), lower);
}

// Types by descending count, ties by name; then the problems in ascending
// entity number, a referrer's missing numbers ascending before its duplicate.
TEST_F(QueryTest, SummaryPrintsTypesByCountThenProblemsByNumber)
{
    const std::string strPath = m_folder.Write("problems.ifc",
                                               "HEAD;\n#9=IFCB(#8);\n#8=IFCA(#30,#4,#4);\n"
                                               "#7=IFCB(#2);\n#9=IFCC(#31,#8);\n#3=IFCA;\n"
                                               "#8=IFCA(#40,#20);\n#6=IFCC(#9);\n");
    const Outcome summary = RunProgram({"--summary", strPath});
    EXPECT_EQ(summary.nStatus, 0) << summary.strErr;
    EXPECT_EQ(summary.Lines(),
              (Strings{"IFCA\t2", "IFCC\t2", "IFCB\t1", "missing\t#7\t#2", "missing\t#8\t#20",
                       "missing\t#8\t#40", "duplicate\t#8\t2", "missing\t#9\t#31", "duplicate\t#9\t2"}));
}

// What --screenshot shows is compared with the window on the screen end to
// end; here a place the user's window was left at does not change it.
TEST_F(QueryTest, TheScreenshotIsTheSameWhereverTheUsersWindowWasLeft)
{
    const std::string strImage = m_folder.GetPath().string() + "/selected.png";
    ASSERT_EQ(RunProgram({"--screenshot", strImage, "--select", "36", ExamplePath()}).nStatus, 0);
    const QImage before(QString::fromStdString(strImage));
    ASSERT_FALSE(before.isNull());
    {
        CProfileSettings settings("Velmora", "Lumenor by Velmora");
        for (const char* entry : {"Left", "Top", "Width", "Height", "Upper Pane Height"})
            settings.WriteInt("Main Window", entry, 250);
    }
    ASSERT_EQ(RunProgram({"--screenshot", strImage, "--select", "36", ExamplePath()}).nStatus, 0);
    EXPECT_EQ(QImage(QString::fromStdString(strImage)), before);
}

} // namespace
