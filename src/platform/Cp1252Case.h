// The case mapping of Windows-1252, the code page text bytes are read in,
// on bytes: one list of capital and small letter pairs, from which both
// directions are made. The tree control sorts by the small letters, the
// search compares the capitals.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace cp1252 {

struct CasePair {
    unsigned char capital;
    unsigned char small;
};

// Basic Latin A-Z; the accented capitals 0xC0-0xDE except the multiplication
// sign 0xD7; and the four capitals in 0x80-0x9F whose small letters lie in
// the same range or at 0xFF. Sharp s and micro sign have no single-byte
// capital and map to themselves.
constexpr std::array<CasePair, 26 + 30 + 4> MakeCasePairs()
{
    std::array<CasePair, 26 + 30 + 4> pairs{};
    std::size_t i = 0;
    for (int c = 'A'; c <= 'Z'; ++c)
        pairs[i++] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c + 0x20)};
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7)
            pairs[i++] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c + 0x20)};
    }
    pairs[i++] = {0x8A, 0x9A}; // S caron
    pairs[i++] = {0x8C, 0x9C}; // OE
    pairs[i++] = {0x8E, 0x9E}; // Z caron
    pairs[i++] = {0x9F, 0xFF}; // Y diaeresis
    return pairs;
}

template <bool toSmall>
constexpr std::array<unsigned char, 256> MakeCaseTable()
{
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
    for (const CasePair& pair : MakeCasePairs()) {
        if (toSmall)
            table[pair.capital] = pair.small;
        else
            table[pair.small] = pair.capital;
    }
    return table;
}

inline constexpr std::array<unsigned char, 256> kLower = MakeCaseTable<true>();
inline constexpr std::array<unsigned char, 256> kUpper = MakeCaseTable<false>();

} // namespace cp1252

inline unsigned char LowerCase1252(unsigned char byte)
{
    return cp1252::kLower[byte];
}

inline unsigned char UpperCase1252(unsigned char byte)
{
    return cp1252::kUpper[byte];
}

// Writes the upper-case form of text into upper, reusing its storage.
inline void UpperCase1252(std::string_view text, std::string& upper)
{
    upper.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        upper[i] = static_cast<char>(UpperCase1252(static_cast<unsigned char>(text[i])));
}
