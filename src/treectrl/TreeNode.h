// The item record of the tree control. Nodes live in a pool of aligned
// chunks (NodePool.h), so a link to another node is a 32-bit index rather
// than an 8-byte pointer; with a compact item data block a node takes 52
// bytes. Links read and assign like plain node pointers.
#pragma once

#include "platform/CommCtrl.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

struct TreeNode;

// A reference to a node by pool index; 0 is null.
class NodeLink {
public:
    NodeLink() = default;
    NodeLink(TreeNode* node) : m_index(IndexOf(node)) { }
    NodeLink& operator=(TreeNode* node)
    {
        m_index = IndexOf(node);
        return *this;
    }
    operator TreeNode*() const { return NodeAt(m_index); }
    TreeNode* operator->() const { return NodeAt(m_index); }

    static std::uint32_t IndexOf(const TreeNode* node);
    static TreeNode* NodeAt(std::uint32_t index);

private:
    std::uint32_t m_index = 0;
};

// An image index kept in 16 bits; the rare value that does not fit is kept
// in a side table, so every int reads back as stored.
class ImageIndex {
public:
    ImageIndex() = default;
    ImageIndex(const ImageIndex&) = delete;
    ~ImageIndex();
    ImageIndex& operator=(const ImageIndex& other) { return *this = static_cast<int>(other); }
    ImageIndex& operator=(int value);
    operator int() const;

private:
    static constexpr std::int16_t kWide = INT16_MIN;
    std::int16_t m_value = 0;
};

// An item parameter kept in 32 bits: the views' entity numbers fit; the rare
// value that does not (a pointer, a negative number) is kept in a side
// table, so every LPARAM reads back as stored.
class ItemParam {
public:
    ItemParam() = default;
    ItemParam(const ItemParam&) = delete;
    ~ItemParam();
    ItemParam& operator=(const ItemParam& other) { return *this = static_cast<LPARAM>(other); }
    ItemParam& operator=(LPARAM value)
    {
        if (m_value != kWide && value >= 0 && value < static_cast<LPARAM>(kWide)) {
            m_value = static_cast<std::uint32_t>(value);
            return *this;
        }
        return AssignWide(value);
    }
    operator LPARAM() const { return m_value != kWide ? static_cast<LPARAM>(m_value) : WideValue(); }

private:
    static constexpr std::uint32_t kWide = UINT32_MAX;
    ItemParam& AssignWide(LPARAM value);
    LPARAM WideValue() const;
    std::uint32_t m_value = 0;
};

// A label pointer kept as bytes, so that it does not align the node to
// eight bytes: with it a node takes 52 bytes rather than 56.
class LabelPointer {
public:
    LabelPointer() = default;
    LabelPointer& operator=(const char* text)
    {
        std::memcpy(m_bytes, &text, sizeof text);
        return *this;
    }
    operator const char*() const
    {
        const char* text;
        std::memcpy(&text, m_bytes, sizeof text);
        return text;
    }

private:
    unsigned char m_bytes[sizeof(const char*)] = {};
};

// The item data block: what an insertion copies into a node as one unit and
// what the sort comparison is given.
// The state comes first: it sits next to the links, in the bytes that
// walking the display sequence reads.
struct TreeItemData {
    // The largest cached label width; wider labels count as this wide.
    static constexpr int kMaxTextWidth = (1 << 29) - 1;

    UINT state = 0; // TVIS_* bits, stored whole
    int cchText = 0; // label bytes, at most kMaxLabelLength (TreeLabels.h)
    // Null: no label. An owned label (a copy) is zero-terminated; a
    // borrowed one (TVIF_TEXTREF) is the caller's bytes and need not be.
    LabelPointer pszText;
    ItemParam lParam;
    int cxText : 30 = 0; // cached label width in pixels, 0 = not measured
    // This displayed item is not counted in the horizontal-extent index:
    // pending or bounded (TreeExtent.cpp).
    unsigned bExtentUncounted : 1 = 0;
    unsigned bLabelOwned : 1 = 0; // pszText is a copy in the label store
    ImageIndex iImage;
    ImageIndex iSelectedImage;
};

struct TreeNodeLinks {
    NodeLink pParent; // the root pseudo-node for a top-level item
    NodeLink pPrev;
    NodeLink pNext;
    NodeLink pFirstChild;
    NodeLink pLastChild;
    int nChildren = 0;
};

struct TreeNode : TreeNodeLinks, TreeItemData { };

static_assert(sizeof(TreeNode) == 52, "node layout grew");

namespace nodepool {

// Chunks are kChunkBytes long and aligned to that size, the size of a huge
// page; a header at the start holds the chunk number, nodes follow.
// Index = number << kSlotBits | slot.
constexpr unsigned kSlotBits = 16;
constexpr std::size_t kChunkBytes = std::size_t(1) << 21;
constexpr std::size_t kHeaderBytes = 64;
constexpr std::uint32_t kNodesPerChunk = (kChunkBytes - kHeaderBytes) / sizeof(TreeNode);
constexpr std::uint32_t kMaxChunks = std::uint32_t(1) << (32 - kSlotBits);
static_assert(kNodesPerChunk < (1u << kSlotBits));

struct ChunkHeader {
    std::uint32_t number;
    std::uint32_t used; // slots handed out so far (bump allocation)
};

// Address of slot 0 of each chunk number; entry 0 stays 0 so that index 0
// decodes to null without a branch.
extern std::uintptr_t g_chunkSlots[kMaxChunks];

} // namespace nodepool

inline std::uint32_t NodeLink::IndexOf(const TreeNode* node)
{
    using namespace nodepool;
    if (!node)
        return 0;
    const auto address = reinterpret_cast<std::uintptr_t>(node);
    const std::uintptr_t base = address & ~(kChunkBytes - 1);
    const auto* header = reinterpret_cast<const ChunkHeader*>(base);
    const auto slot = static_cast<std::uint32_t>((address - base - kHeaderBytes) / sizeof(TreeNode));
    return header->number << kSlotBits | slot;
}

inline TreeNode* NodeLink::NodeAt(std::uint32_t index)
{
    using namespace nodepool;
    return reinterpret_cast<TreeNode*>(g_chunkSlots[index >> kSlotBits]
                                       + (index & ((1u << kSlotBits) - 1)) * sizeof(TreeNode));
}
