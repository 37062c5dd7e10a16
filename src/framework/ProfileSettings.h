// Per-user settings of one program, stored under a company key and the
// program's name (on Linux: ~/.config/<company>/<program>.conf). Values are
// grouped in sections.
#pragma once

#include <memory>
#include <string>

class QSettings;

class CProfileSettings {
public:
    CProfileSettings(const std::string& company, const std::string& application);
    ~CProfileSettings();

    std::string GetString(const std::string& section, const std::string& entry,
                          const std::string& defaultValue = {}) const;
    void WriteString(const std::string& section, const std::string& entry, const std::string& value);
    int GetInt(const std::string& section, const std::string& entry, int defaultValue) const;
    void WriteInt(const std::string& section, const std::string& entry, int value);
    void RemoveEntry(const std::string& section, const std::string& entry);
    // Writes pending changes to storage now.
    void Flush();
    // The file the settings live in.
    std::string FileName() const;

private:
    std::unique_ptr<QSettings> m_pSettings;
};
