// The desktop's open operation, with the hook standing in for the desktop.
#include "platform/Shell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ShellExecuteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetShellOpenHook([this](const std::string& target) {
            opened.push_back(target);
            return accept;
        });
    }
    void TearDown() override { SetShellOpenHook(nullptr); }

    std::vector<std::string> opened;
    bool accept = true;
};

// Open with a target the desktop takes is what the link label does; here the
// other ways of asking.
TEST_F(ShellExecuteTest, NoVerbMeansOpenAndOtherVerbsAndEmptyNamesReachNoHandler)
{
    EXPECT_GT(ShellExecuteA(nullptr, nullptr, "/tmp/file.ifc", nullptr, nullptr, 1), 32);
    EXPECT_EQ(ShellExecuteA(nullptr, "print", "/tmp/file.ifc", nullptr, nullptr, 1), SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecuteA(nullptr, "open", "", nullptr, nullptr, 1), SE_ERR_FNF);
    EXPECT_EQ(ShellExecuteA(nullptr, "open", nullptr, nullptr, nullptr, 1), SE_ERR_FNF);
    accept = false;
    EXPECT_EQ(ShellExecuteA(nullptr, "open", "nothing-takes-this", nullptr, nullptr, 1), SE_ERR_NOASSOC);
    EXPECT_EQ(opened, (std::vector<std::string>{"/tmp/file.ifc", "nothing-takes-this"}));
}

} // namespace
