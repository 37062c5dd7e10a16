#include "views/UpperCase1252.h"

#include <array>

namespace {

// Basic Latin a-z; the accented small letters 0xE0-0xFE except the division
// sign 0xF7; and the four small letters whose capitals lie in 0x80-0x9F.
// Sharp s and micro sign have no single-byte capital and stay.
constexpr std::array<unsigned char, 256> MakeUpperTable()
{
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = static_cast<unsigned char>(c - 0x20);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            table[c] = static_cast<unsigned char>(c - 0x20);
    table[0x9A] = 0x8A; // s caron
    table[0x9C] = 0x8C; // oe
    table[0x9E] = 0x8E; // z caron
    table[0xFF] = 0x9F; // y diaeresis
    return table;
}

constexpr std::array<unsigned char, 256> kUpper = MakeUpperTable();

} // namespace

void UpperCase1252(std::string_view strText, std::string& strUpper)
{
    strUpper.resize(strText.size());
    for (std::size_t i = 0; i < strText.size(); ++i)
        strUpper[i] = static_cast<char>(kUpper[static_cast<unsigned char>(strText[i])]);
}
