#include "dialogs/VersionBlockFormat.h"

#include <cstdio>
#include <cstring>

namespace {

void PutWord(std::vector<BYTE>& out, WORD value)
{
    out.push_back(static_cast<BYTE>(value & 0xFF));
    out.push_back(static_cast<BYTE>(value >> 8));
}

void PutDword(std::vector<BYTE>& out, DWORD value)
{
    PutWord(out, static_cast<WORD>(value & 0xFFFF));
    PutWord(out, static_cast<WORD>(value >> 16));
}

void PadTo32Bits(std::vector<BYTE>& out)
{
    while (out.size() % 4 != 0)
        out.push_back(0);
}

void SetWord(std::vector<BYTE>& out, size_t at, WORD value)
{
    out[at] = static_cast<BYTE>(value & 0xFF);
    out[at + 1] = static_cast<BYTE>(value >> 8);
}

void Append(std::vector<BYTE>& out, const VersionNode& node)
{
    const size_t start = out.size();
    PutWord(out, 0); // total length, known at the end
    PutWord(out, static_cast<WORD>(node.wType == 1 ? node.value.size() / 2 : node.value.size()));
    PutWord(out, node.wType);
    const std::vector<BYTE> key = TextValue(node.key);
    out.insert(out.end(), key.begin(), key.end());
    PadTo32Bits(out);
    out.insert(out.end(), node.value.begin(), node.value.end());
    for (const VersionNode& child : node.children) {
        PadTo32Bits(out);
        Append(out, child);
    }
    SetWord(out, start, static_cast<WORD>(out.size() - start));
}

VersionNode TextNode(std::string key, std::vector<VersionNode> children = {})
{
    return VersionNode{std::move(key), 1, {}, std::move(children)};
}

} // namespace

std::vector<BYTE> TextValue(const std::string& text)
{
    std::vector<BYTE> value;
    value.reserve(2 * text.size() + 2);
    for (char c : text)
        PutWord(value, static_cast<unsigned char>(c));
    PutWord(value, 0);
    return value;
}

VersionNode VersionBlockNodes(const res::VersionBlock& block)
{
    VersionNode root{"VS_VERSION_INFO", 0, std::vector<BYTE>(sizeof block.fixed), {}};
    std::memcpy(root.value.data(), &block.fixed, sizeof block.fixed);

    VersionNode strings = TextNode("StringFileInfo");
    VersionNode translationTable{"Translation", 0, {}, {}};
    for (const res::VersionTranslation& translation : block.translations) {
        char name[9];
        std::snprintf(name, sizeof name, "%04X%04X", static_cast<unsigned>(translation.translation & 0xFFFF),
                      static_cast<unsigned>(translation.translation >> 16));
        VersionNode table = TextNode(name);
        for (const res::VersionString& entry : translation.strings)
            table.children.push_back(VersionNode{entry.key, 1, TextValue(entry.value), {}});
        strings.children.push_back(std::move(table));
        PutDword(translationTable.value, translation.translation);
    }
    root.children.push_back(std::move(strings));
    root.children.push_back(TextNode("VarFileInfo", {std::move(translationTable)}));
    return root;
}

std::vector<BYTE> EncodeVersionNode(const VersionNode& root)
{
    std::vector<BYTE> out;
    Append(out, root);
    return out;
}
