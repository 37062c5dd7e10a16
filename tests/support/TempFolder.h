// A private temporary folder for the files a test writes, removed with its
// contents at the end of the scope.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

class CTempFolder {
public:
    CTempFolder()
    {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "lumenor-test-XXXXXX").string();
        // Without a folder of their own the tests would write into the working directory.
        if (!::mkdtemp(strTemplate.data()))
            throw std::runtime_error("cannot create a temporary folder for the tests");
        m_path = strTemplate;
    }
    ~CTempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& GetPath() const { return m_path; }

    // Writes strContent byte for byte into a file of the folder; returns its path.
    std::string Write(const std::string& strName, const std::string& strContent) const
    {
        const std::filesystem::path path = m_path / strName;
        std::ofstream(path, std::ios::binary) << strContent;
        return path.string();
    }

private:
    std::filesystem::path m_path;
};
