#include "FrameworkTestSupport.h"

#include "platform/MessageLoop.h"
#include "platform/WinMessages.h"

#include <QSettings>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fwtest {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "lumenor-fw-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Folders made read-only by a test must be removable again.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ec))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

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

TempDir* g_settingsFolder = nullptr;

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

const std::string& SettingsFolder()
{
    if (!g_settingsFolder) {
        g_settingsFolder = new TempDir;
        const QString path = QString::fromStdString(g_settingsFolder->Path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }
    return g_settingsFolder->Path();
}

} // namespace fwtest
