// The layout in which a module stores its version block: nested nodes,
// each a WORD total length, a WORD value length (bytes for binary values,
// UTF-16 units with the terminating zero for text), a WORD type (0 binary,
// 1 text), the key in UTF-16 with its terminating zero, padding to 32 bits,
// the value, padding, then the children. The root "VS_VERSION_INFO" holds
// the fixed file information; "StringFileInfo" holds one table per
// translation, named by language and code page in hexadecimal, of named
// strings; "VarFileInfo" holds the translation table.
#pragma once

#include "platform/WinTypes.h"
#include "res/VersionBlock.h"

#include <string>
#include <vector>

struct VersionNode {
    std::string key;
    WORD wType = 0;
    std::vector<BYTE> value; // as stored: text values in UTF-16LE with the terminating zero
    std::vector<VersionNode> children;
};

// A text value as stored: every byte widened to one UTF-16 unit, so that
// reading it back gives the same bytes.
std::vector<BYTE> TextValue(const std::string& text);

// The nodes of a version block: the fixed information, the string tables in
// the block's order and the translation table listing them.
VersionNode VersionBlockNodes(const res::VersionBlock& block);

// The bytes of a node and its children, as a module stores them.
std::vector<BYTE> EncodeVersionNode(const VersionNode& root);
