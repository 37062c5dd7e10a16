#include "dialogs/VersionFunctions.h"

#include "dialogs/VersionBlockFormat.h"
#include "platform/Window.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A node's header words and key; no node is shorter.
constexpr size_t kHeaderSize = 6;
// Total lengths are WORDs: no block is longer.
constexpr size_t kMaxBlockSize = 0xFFFF;

WORD WordAt(const BYTE* data, size_t at)
{
    return static_cast<WORD>(data[at] | (data[at + 1] << 8));
}

size_t Aligned(size_t offset)
{
    return (offset + 3) & ~size_t(3);
}

struct Node {
    size_t start = 0;
    size_t end = 0;
    WORD type = 0;
    std::string key;
    size_t valueAt = 0;
    size_t valueBytes = 0;
    size_t childrenAt = 0;
};

// The node at `at`, which must lie within [at, limit).
bool ReadNode(const BYTE* data, size_t at, size_t limit, Node& node)
{
    if (at + kHeaderSize > limit)
        return false;
    const size_t length = WordAt(data, at);
    if (length < kHeaderSize || at + length > limit)
        return false;
    node.start = at;
    node.end = at + length;
    const WORD valueLength = WordAt(data, at + 2);
    node.type = WordAt(data, at + 4);
    node.key.clear();
    size_t pos = at + kHeaderSize;
    for (;; pos += 2) {
        if (pos + 2 > node.end)
            return false;
        const WORD unit = WordAt(data, pos);
        if (unit == 0)
            break;
        node.key.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
    }
    node.valueAt = Aligned(pos + 2);
    node.valueBytes = node.type == 1 ? 2 * size_t(valueLength) : valueLength;
    if (node.valueAt + node.valueBytes > node.end)
        return false;
    node.childrenAt = Aligned(node.valueAt + node.valueBytes);
    return true;
}

bool SameKey(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool FindChild(const BYTE* data, const Node& parent, const std::string& key, Node& child)
{
    for (size_t at = parent.childrenAt; at < parent.end; at = Aligned(child.end)) {
        if (!ReadNode(data, at, parent.end, child))
            return false;
        if (SameKey(child.key, key))
            return true;
    }
    return false;
}

std::vector<std::string> PathParts(const char* subBlock)
{
    std::vector<std::string> parts;
    std::string part;
    for (const char* p = subBlock; *p; ++p) {
        if (*p == '\\') {
            if (!part.empty())
                parts.push_back(std::move(part));
            part.clear();
        } else {
            part.push_back(*p);
        }
    }
    if (!part.empty())
        parts.push_back(std::move(part));
    return parts;
}

bool IsVersionBlock(const std::vector<BYTE>& bytes)
{
    Node root;
    return ReadNode(bytes.data(), 0, bytes.size(), root) && root.key == "VS_VERSION_INFO";
}

std::string ProgramFileName()
{
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : program.string();
}

bool IsProgramFile(const char* path)
{
    const std::string program = ProgramFileName();
    std::error_code ec;
    return !program.empty() && fs::equivalent(path, program, ec) && !ec;
}

// The version block of a file, or nothing.
std::vector<BYTE> LoadVersionBlock(const char* path)
{
    if (!path || !*path)
        return {};
    if (IsProgramFile(path))
        return EncodeVersionNode(VersionBlockNodes(res::ProgramVersionBlock()));
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {};
    std::vector<BYTE> bytes(kMaxBlockSize);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(file.gcount()));
    if (!IsVersionBlock(bytes))
        return {};
    bytes.resize(WordAt(bytes.data(), 0));
    return bytes;
}

} // namespace

DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    buffer[0] = '\0';
    if (module && module != GetModuleHandleA(nullptr))
        return 0;
    const std::string name = ProgramFileName();
    const size_t n = std::min<size_t>(name.size(), size - 1);
    name.copy(buffer, n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

DWORD GetFileVersionInfoSizeA(const char* path, DWORD* handle)
{
    if (handle)
        *handle = 0;
    // The second half receives the text values, narrowed to bytes.
    return static_cast<DWORD>(2 * LoadVersionBlock(path).size());
}

BOOL GetFileVersionInfoA(const char* path, DWORD, DWORD size, void* data)
{
    const std::vector<BYTE> block = LoadVersionBlock(path);
    if (block.empty() || !data || size < 2 * block.size())
        return FALSE;
    std::memcpy(data, block.data(), block.size());
    std::memset(static_cast<BYTE*>(data) + block.size(), 0, size - block.size());
    return TRUE;
}

BOOL VerQueryValueA(const void* block, const char* subBlock, void** value, UINT* length)
{
    if (!block || !subBlock || !value || !length)
        return FALSE;
    auto* data = static_cast<BYTE*>(const_cast<void*>(block));
    Node node;
    if (!ReadNode(data, 0, WordAt(data, 0), node))
        return FALSE;
    const size_t blockSize = node.end;
    for (const std::string& part : PathParts(subBlock)) {
        Node child;
        if (!FindChild(data, node, part, child))
            return FALSE;
        node = child;
    }
    if (node.type != 1) {
        *value = data + node.valueAt;
        *length = static_cast<UINT>(node.valueBytes);
        return TRUE;
    }
    if (node.valueBytes == 0) {
        static char empty[1] = "";
        *value = empty;
        *length = 0;
        return TRUE;
    }
    // Text: narrowed into the second half of the buffer at the value's own
    // offset, so values never overlap and stay valid with the buffer.
    char* text = reinterpret_cast<char*>(data + blockSize + node.valueAt);
    UINT n = 0;
    for (size_t at = node.valueAt; at < node.valueAt + node.valueBytes; at += 2) {
        const WORD unit = WordAt(data, at);
        if (unit == 0)
            break;
        text[n++] = unit <= 0xFF ? static_cast<char>(unit) : '?';
    }
    text[n] = '\0';
    *value = text;
    *length = n + 1;
    return TRUE;
}
