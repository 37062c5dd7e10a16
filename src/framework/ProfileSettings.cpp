#include "framework/ProfileSettings.h"

#include <QSettings>

namespace {

// Settings hold paths and texts as bytes; Latin-1 keeps every byte.
QString ToQt(const std::string& s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

std::string FromQt(const QString& s)
{
    return s.toLatin1().toStdString();
}

QString Key(const std::string& section, const std::string& entry)
{
    return ToQt(section) + QLatin1Char('/') + ToQt(entry);
}

} // namespace

CProfileSettings::CProfileSettings(const std::string& company, const std::string& application)
    : m_pSettings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, ToQt(company),
                                              ToQt(application)))
{
}

CProfileSettings::~CProfileSettings() = default;

std::string CProfileSettings::GetString(const std::string& section, const std::string& entry,
                                        const std::string& defaultValue) const
{
    const QVariant value = m_pSettings->value(Key(section, entry));
    return value.isValid() ? FromQt(value.toString()) : defaultValue;
}

void CProfileSettings::WriteString(const std::string& section, const std::string& entry,
                                   const std::string& value)
{
    m_pSettings->setValue(Key(section, entry), ToQt(value));
}

int CProfileSettings::GetInt(const std::string& section, const std::string& entry, int defaultValue) const
{
    bool ok = false;
    const int value = m_pSettings->value(Key(section, entry)).toInt(&ok);
    return ok ? value : defaultValue;
}

void CProfileSettings::WriteInt(const std::string& section, const std::string& entry, int value)
{
    m_pSettings->setValue(Key(section, entry), value);
}

void CProfileSettings::RemoveEntry(const std::string& section, const std::string& entry)
{
    m_pSettings->remove(Key(section, entry));
}

void CProfileSettings::Flush()
{
    m_pSettings->sync();
}

std::string CProfileSettings::FileName() const
{
    return m_pSettings->fileName().toStdString();
}
