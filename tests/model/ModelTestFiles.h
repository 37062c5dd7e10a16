// Files for the model tests, written into a private temporary folder that is
// removed with it, and small readers of the document's state.
#pragma once

#include "model/EntityNumberArray.h"
#include "model/KantorDoc.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class CTempFolder {
public:
    CTempFolder()
    {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "lumenor-model-XXXXXX").string();
        // Without a folder of their own the tests would write into the working directory.
        if (!::mkdtemp(strTemplate.data()))
            throw std::runtime_error("cannot create a temporary folder for the model tests");
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

inline std::optional<std::string> EntityText(const CKantorDoc& doc, std::int32_t n)
{
    std::string_view strText;
    if (!doc.GetEntityMap().Lookup(n, strText))
        return std::nullopt;
    return std::string(strText);
}

// The store's entity numbers in its iteration order.
inline std::vector<std::int32_t> IterationOrder(const CKantorDoc& doc)
{
    std::vector<std::int32_t> aOrder;
    for (std::size_t i = 0; i < doc.GetEntityMap().GetCount(); ++i)
        aOrder.push_back(doc.GetEntityMap().GetAt(i).nNumber);
    return aOrder;
}

inline std::vector<std::int32_t> ToVector(const CEntityNumberArray& arr)
{
    return {arr.begin(), arr.end()};
}

inline std::vector<std::int32_t> Referrers(const CKantorDoc& doc, std::int32_t n)
{
    CEntityNumberArray arr;
    doc.GetInverseReferences(n, arr);
    return ToVector(arr);
}

inline std::vector<std::int32_t> References(const std::string& strText)
{
    CEntityNumberArray arr;
    CKantorDoc::ExtractReferences(strText, arr);
    return ToVector(arr);
}

inline void CompleteInverse(CKantorDoc& doc)
{
    while (doc.ComputeInverseStep()) { }
}
