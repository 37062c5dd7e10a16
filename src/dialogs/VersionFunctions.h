// The version functions of the system, with their customary roles: a
// module's file name, the size and the bytes of a file's version block and
// the lookup of a value in it. The running program's block is its own
// (res/VersionBlock); any other file is read as a stored version block
// (VersionBlockFormat.h) and has none when it is not one.
#pragma once

#include "platform/WinTypes.h"
#include "res/VersionBlock.h"

#include <string>

using HMODULE = HINSTANCE;
using VS_FIXEDFILEINFO = res::VersionFixedInfo;

// The file of a module; a null module (or the program's own handle) is the
// running program. Copies at most size - 1 bytes and a terminating zero;
// returns the bytes copied, 0 for an unknown module.
DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size);

// The buffer size that GetFileVersionInfoA needs for the file's version
// block (the block and room for the text values read from it); 0 when the
// file has none. `handle` is set to 0.
DWORD GetFileVersionInfoSizeA(const char* path, DWORD* handle);
// Copies the file's version block into data; FALSE when the file has none
// or the buffer is smaller than GetFileVersionInfoSizeA said.
BOOL GetFileVersionInfoA(const char* path, DWORD handle, DWORD size, void* data);
// Looks up a value in a block read by GetFileVersionInfoA: "\" is the fixed
// information, "\VarFileInfo\Translation" the translation table,
// "\StringFileInfo\llllcccc\Key" a string. Keys compare without regard to
// case. Binary values come back as stored with their length in bytes; text
// values as zero-terminated bytes with their length in characters,
// including the zero. FALSE when there is no such value.
BOOL VerQueryValueA(const void* block, const char* subBlock, void** value, UINT* length);
