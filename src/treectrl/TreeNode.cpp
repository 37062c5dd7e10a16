#include "treectrl/TreeNode.h"

#include <unordered_map>

namespace {

// Image indices that do not fit in 16 bits, by field address.
std::unordered_map<const ImageIndex*, int>& WideImages()
{
    static std::unordered_map<const ImageIndex*, int> table;
    return table;
}

// Item parameters that do not fit in 32 bits, by field address.
std::unordered_map<const ItemParam*, LPARAM>& WideParams()
{
    static std::unordered_map<const ItemParam*, LPARAM> table;
    return table;
}

} // namespace

ItemParam::~ItemParam()
{
    if (m_value == kWide)
        WideParams().erase(this);
}

ItemParam& ItemParam::AssignWide(LPARAM value)
{
    if (value >= 0 && value < static_cast<LPARAM>(kWide)) {
        WideParams().erase(this);
        m_value = static_cast<std::uint32_t>(value);
    } else {
        WideParams()[this] = value;
        m_value = kWide;
    }
    return *this;
}

LPARAM ItemParam::WideValue() const
{
    return WideParams().find(this)->second;
}

ImageIndex::~ImageIndex()
{
    if (m_value == kWide)
        WideImages().erase(this);
}

ImageIndex& ImageIndex::operator=(int value)
{
    if (value > INT16_MIN && value <= INT16_MAX) {
        if (m_value == kWide)
            WideImages().erase(this);
        m_value = static_cast<std::int16_t>(value);
    } else {
        WideImages()[this] = value;
        m_value = kWide;
    }
    return *this;
}

ImageIndex::operator int() const
{
    if (m_value != kWide)
        return m_value;
    return WideImages().find(this)->second;
}
