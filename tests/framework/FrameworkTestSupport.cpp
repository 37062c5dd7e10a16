#include "FrameworkTestSupport.h"

#include "platform/MessageLoop.h"
#include "platform/WinMessages.h"
#include "support/TempFolder.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace fwtest {

MessageBoxCatcher::MessageBoxCatcher()
{
    SetMessageBoxHook([this](const std::string& text, const std::string& caption, UINT) {
        texts.push_back(text);
        captions.push_back(caption);
        return IDOK;
    });
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    SetMessageBoxHook(nullptr);
}

namespace {

CTempFolder* g_settingsFolder = nullptr;

class SettingsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { SettingsFolder(); }
    void TearDown() override
    {
        delete g_settingsFolder;
        g_settingsFolder = nullptr;
    }
};

const bool g_registered = [] {
    ::testing::AddGlobalTestEnvironment(new SettingsEnvironment);
    return true;
}();

} // namespace

std::string SettingsFolder()
{
    if (!g_settingsFolder) {
        g_settingsFolder = new CTempFolder;
        const QString path = QString::fromStdString(g_settingsFolder->GetPath().string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }
    return g_settingsFolder->GetPath().string();
}

} // namespace fwtest
