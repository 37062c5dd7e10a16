#include "PlainReading.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace plain {

namespace {

// The digits at pos, pos moved past them all; false when there are none or
// their value exceeds 2^31 - 1 (compared as text, leading zeros dropped).
bool Number(std::string_view text, std::size_t& pos, std::int32_t& n)
{
    std::string digits;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])))
        digits += text[pos++];
    if (digits.empty())
        return false;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    const std::string max = "2147483647";
    if (digits.size() > max.size() || (digits.size() == max.size() && digits > max))
        return false;
    n = std::stoi(digits);
    return true;
}

bool IsEntityLine(const std::string& line, std::int32_t& n)
{
    std::size_t pos = 1;
    if (line.empty() || line[0] != '#' || !Number(line, pos, n))
        return false;
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    return pos < line.size() && line[pos] == '=';
}

std::vector<std::string> Lines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c == '\0' ? '\xB7' : c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

File ReadFile(std::string_view bytes)
{
    File file;
    std::int32_t current = 0;
    std::string text;
    for (const std::string& line : Lines(bytes)) {
        std::int32_t n;
        if (!line.empty() && line[0] == '#')
            file.hasHashLine = true;
        if (IsEntityLine(line, n)) {
            file.texts.emplace_back(current, text);
            text.clear();
            current = n;
            file.maxNumber = std::max(file.maxNumber, n);
        }
        text += line;
    }
    if (file.hasHashLine)
        file.texts.emplace_back(current, text);
    return file;
}

std::vector<std::int32_t> References(std::string_view text)
{
    std::vector<std::int32_t> references;
    std::size_t pos = 1;
    while (pos < text.size()) {
        if (text[pos++] != '#')
            continue;
        std::int32_t n;
        if (Number(text, pos, n))
            references.push_back(n);
    }
    return references;
}

} // namespace plain
