// The command line's queries and screenshot, run in process as main() runs
// them: what they print is what the views show (the views and the model are
// checked against every real sample file by their own tests).
#include "app/AppTest.h"

#include "app/CommandLine.h"
#include "app/OffscreenRequest.h"
#include "framework/ProfileSettings.h"
#include "model/KantorDoc.h"
#include "platform/Gdi.h"
#include "platform/qt/QtBridge.h"
#include "support/TestSupport.h"

#include <QColor>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

using Strings = std::vector<std::string>;

struct Outcome {
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
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

TEST_F(QueryTest, AFileOrEntityThatIsNotThereIsAnErrorThatSaysWhich)
{
    const std::string strMissing = m_folder.GetPath().string() + "/missing.ifc";
    Outcome missing = RunProgram({"--print", strMissing});
    EXPECT_EQ(missing.nStatus, 1);
    EXPECT_TRUE(missing.strOut.empty());
    EXPECT_NE(missing.strErr.find(strMissing), std::string::npos) << missing.strErr;
    EXPECT_NE(missing.strErr.find("does not exist"), std::string::npos) << missing.strErr;
    EXPECT_EQ(std::count(missing.strErr.begin(), missing.strErr.end(), '\n'), 1) << missing.strErr;

    const std::string strNoEntities = m_folder.Write("empty.ifc", "ISO-10303-21;\nHEADER;\nENDSEC;\n");
    Outcome empty = RunProgram({"--print", strNoEntities});
    EXPECT_EQ(empty.nStatus, 1);
    EXPECT_NE(empty.strErr.find(strNoEntities), std::string::npos) << empty.strErr;
    EXPECT_NE(empty.strErr.find("no IFC entities"), std::string::npos) << empty.strErr;

    for (const Strings& args :
         {Strings{"--refs", "99999", ExamplePath()}, Strings{"--inverse", "26", ExamplePath()},
          Strings{"--screenshot", m_folder.GetPath().string() + "/x.png", "--select", "99999",
                  ExamplePath()}}) {
        Outcome unknown = RunProgram(args);
        EXPECT_EQ(unknown.nStatus, 1) << args[0];
        EXPECT_TRUE(unknown.strOut.empty()) << args[0];
        EXPECT_NE(unknown.strErr.find("no entity #"), std::string::npos) << unknown.strErr;
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder.GetPath() / "x.png"));
}

TEST_F(QueryTest, AFileWhoseNameLooksLikeAnOptionIsOpenedAfterTheEndOfOptions)
{
    m_folder.Write("-x.ifc", "#1=A(#2);\n#2=B;\n");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(m_folder.GetPath());
    const Outcome print = RunProgram({"--print", "--", "-x.ifc"});
    const Outcome inverse = RunProgram({"--inverse", "2", "--", "-x.ifc"});
    std::filesystem::current_path(previous);
    EXPECT_EQ(print.nStatus, 0) << print.strErr;
    EXPECT_EQ(print.Lines(), (Strings{"", "#1=A(#2);", "#2=B;"}));
    EXPECT_EQ(inverse.nStatus, 0) << inverse.strErr;
    EXPECT_EQ(inverse.Lines(), Strings{"#1=A(#2);"});
}

// Unfolding reads the label, the lower tree the inverse index: with a NUL
// byte in a text both must still see the whole text.
TEST_F(QueryTest, RefsAndInverseAgreeOnATextWithANulByte)
{
    const std::string strPath = m_folder.Write("nul.ifc", std::string("#1=A;\n#2=B('\0',#1);\n", 20));
    const Outcome refs = RunProgram({"--refs", "2", strPath});
    const Outcome inverse = RunProgram({"--inverse", "1", strPath});
    EXPECT_EQ(refs.nStatus, 0) << refs.strErr;
    EXPECT_EQ(refs.Lines(), Strings{"#1=A;"});
    EXPECT_EQ(inverse.nStatus, 0) << inverse.strErr;
    EXPECT_EQ(inverse.Lines(), Strings{"#2=B('\xB7',#1);"});
}

TEST_F(QueryTest, TheScreenshotShowsTheWindowWithTheSelectedEntity)
{
    const std::string strPlain = m_folder.GetPath().string() + "/plain.png";
    const std::string strSelected = m_folder.GetPath().string() + "/selected.png";
    ASSERT_EQ(RunProgram({"--screenshot", strPlain, ExamplePath()}).nStatus, 0);
    ASSERT_EQ(RunProgram({"--screenshot", strSelected, "--select", "36", ExamplePath()}).nStatus, 0);
    QImage plain(QString::fromStdString(strPlain));
    QImage selected(QString::fromStdString(strSelected));
    ASSERT_FALSE(plain.isNull());
    ASSERT_EQ(plain.size(), selected.size());
    EXPECT_GE(plain.width(), 400);
    EXPECT_GE(plain.height(), 300);
    EXPECT_NE(plain, selected);
    // A place the user's window was left at does not change the picture.
    {
        CProfileSettings settings("Velmora", "Lumenor by Velmora");
        for (const char* entry : {"Left", "Top", "Width", "Height", "Upper Pane Height"})
            settings.WriteInt("Main Window", entry, 250);
    }
    ASSERT_EQ(RunProgram({"--screenshot", strSelected, "--select", "36", ExamplePath()}).nStatus, 0);
    EXPECT_EQ(QImage(QString::fromStdString(strSelected)), selected);

    // The selected item's row is highlighted: with #36 selected the
    // highlight sits lower in the upper pane than with the header selected.
    const QRgb rgb = QColorOf(GetSysColor(COLOR_HIGHLIGHT)).rgb();
    const QRect plainHighlight = testsupport::PixelBox(plain, [rgb](QRgb p) { return p == rgb; });
    EXPECT_FALSE(plainHighlight.isEmpty());
    EXPECT_GT(testsupport::PixelBox(selected, [rgb](QRgb p) { return p == rgb; }).top(),
              plainHighlight.top());
}

} // namespace
